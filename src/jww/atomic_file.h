// Replacing a file only once its new content is complete and on disk.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "jww/byte_writer.h"
#include "jww/save_failure.h"

namespace pennatran {

// A save's temporary file: the prefix, the process id, a dash, eight hex digits and the
// suffix, in the target's folder.
constexpr std::string_view kTemporaryPrefix = "pennatran-";
constexpr std::string_view kTemporarySuffix = ".tmp";

// Whether path names a temporary file that a save of this process makes, so that an
// interrupted run can remove what it left behind.
bool IsOwnTemporary(const std::filesystem::path& path);

// The file a save of target writes: the file a chain of links ends at, whether or not it
// exists yet (a link is written through, never replaced), else target itself.
std::filesystem::path SaveDestination(const std::filesystem::path& target);

// Runs produce on a new temporary file in target's folder; when it returns normally the
// file is flushed, synced and renamed over target. Returns false when target is a
// write-protected file, the temporary file cannot be made, produce throws, or any step
// fails: target is then untouched, the temporary file is gone and error (when given) says
// what failed and why.
bool WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(TByteSink&)>& produce,
                         TSaveError* error = nullptr);

}  // namespace pennatran
