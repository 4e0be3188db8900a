// The copy of a drawing's previous content that a run keeps before replacing it.
#pragma once

#include <filesystem>

#include "jww/atomic_file.h"
#include "jww/save_failure.h"

namespace pennatran {

// Copies original to backup the way a save replaces its target: a new file beside backup
// renamed over it once complete, so an earlier backup is kept whole or replaced whole. A
// link at backup is replaced, never written through, and the copy takes the original's
// mode, group and owner. guard runs the making of its temporary file.
bool WriteBackup(const std::filesystem::path& original, const std::filesystem::path& backup,
                 TSaveError* error = nullptr, const TMakingGuard& guard = {});

}  // namespace pennatran
