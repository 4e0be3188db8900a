// What a file was when it was read, so that a save can tell whether someone else has
// written it since.
#pragma once

#include <cstdint>
#include <filesystem>

namespace pennatran {

struct TFileStamp {
  std::filesystem::path File;
  bool Read = false;  // the file could be read whole when stamped
  uintmax_t Size = 0;
  uint64_t Hash = 0;  // of all its bytes
};

// The file as it is now; Read false when it cannot be read.
TFileStamp StampFile(const std::filesystem::path& file);

// The stamped file was read then and is there now with other bytes. A file only touched
// (the same bytes, a new time) has lost nothing to a save and counts as unchanged; one
// that is gone has nothing a save could undo.
bool ChangedOnDisk(const TFileStamp& stamp);

// Whether target names the stamped file (through another spelling or a link too).
bool IsStampedFile(const TFileStamp& stamp, const std::filesystem::path& target);

}  // namespace pennatran
