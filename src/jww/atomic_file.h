// Replacing a file only once its new content is complete and on disk.
#pragma once

#include <filesystem>
#include <functional>

#include "jww/byte_writer.h"
#include "jww/save_failure.h"

namespace pennatran {

// Runs produce on a new temporary file in target's folder; when it returns normally the
// file is flushed, synced and renamed over target. Returns false when target is a
// write-protected file, the temporary file cannot be made, produce throws, or any step
// fails: target is then untouched, the temporary file is gone and failure (when given)
// says why.
bool WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(TByteSink&)>& produce,
                         TSaveFailure* failure = nullptr);

}  // namespace pennatran
