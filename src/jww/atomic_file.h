// Replacing a file only once its new content is complete and on disk.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "jww/byte_writer.h"
#include "jww/file_stamp.h"
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

// Runs the making of a save's temporary file or a scratch folder whole, so that an
// interrupt handler that holds it off finds every one made before it and none after.
// Empty: the making runs directly.
using TMakingGuard = std::function<void(const std::function<void()>&)>;

// What a symbolic link at the target stands for.
enum class TLinkPolicy {
  WriteThrough,  // the file it names is written: a drawing saved through a link
  Replace,       // the link itself is replaced: a copy of our own, such as a backup
};

struct TAtomicWriteOptions {
  TLinkPolicy Links = TLinkPolicy::WriteThrough;
  // The file whose mode, group and (where allowed) owner the new file takes; empty for the
  // file it replaces. Nothing is taken from a file that does not exist or is no regular file.
  std::filesystem::path AttributesOf;
  TMakingGuard Guard;  // around the making of the temporary file
  // A file read before the save (the drawing being saved over itself): when someone else
  // has written it since, the target is not replaced (ChangedOnDisk). Looked at just
  // before the rename.
  std::optional<TFileStamp> Unchanged;
};

// Runs produce on a new temporary file in target's folder; when it returns normally the
// file is flushed, synced and renamed over target. Returns false when target is a
// write-protected file, the temporary file cannot be made, produce throws, or any step
// fails: target is then untouched, the temporary file is gone and error (when given) says
// what failed and why. The new file keeps the old one's mode and group, and its owner when
// the process may give it away.
bool WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(TByteSink&)>& produce,
                         TSaveError* error = nullptr, const TAtomicWriteOptions& options = {});

}  // namespace pennatran
