// An advisory lock on a drawing for the time from its load to its save, so that two runs
// over the same file take turns instead of each saving over what the other read.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>

namespace pennatran {

// How long a run waits for a drawing another run holds before leaving it as busy.
constexpr std::chrono::milliseconds kDrawingLockWait{5000};

enum class TLockOutcome {
  Locked,  // held (or nothing to hold: the path names no file yet)
  Busy,    // another holder kept it for the whole wait
  Failed,  // the file could not be opened to lock it
};

// A save renames a new file over the old one, so a lock holds the file the path names at the
// moment it was taken; a waiter that ends up holding the replaced file tries again.
class TFileLock {
 public:
  TFileLock() = default;
  ~TFileLock() { Release(); }
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  // Takes an exclusive lock on the file path names (through links), trying until wait has
  // passed. afterOpen runs each time the file has been opened and before it is locked.
  TLockOutcome Acquire(const std::filesystem::path& path, std::chrono::milliseconds wait,
                       const std::function<void()>& afterOpen = {});
  void Release();
  bool Held() const { return Handle != kNoHandle; }

 private:
  static constexpr long long kNoHandle = -1;
  long long Handle = kNoHandle;  // a descriptor on POSIX, a HANDLE on Windows
};

}  // namespace pennatran
