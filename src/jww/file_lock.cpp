// The platform adapter of the drawing lock: flock on POSIX, LockFileEx on Windows.
#include "jww/file_lock.h"

#include <cerrno>
#include <cstdint>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pennatran {
namespace {

namespace fs = std::filesystem;

constexpr std::chrono::milliseconds kPoll{20};

enum class TTry { Locked, Busy, Gone, Failed };

#ifdef _WIN32
HANDLE AsHandle(long long handle) {
  return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle));
}

HANDLE OpenForLock(const fs::path& path) {
  // Other handles may read, write and rename over the file while the lock is held.
  return CreateFileW(path.c_str(), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SameFile(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION x{}, y{};
  return GetFileInformationByHandle(a, &x) && GetFileInformationByHandle(b, &y) &&
         x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
         x.nFileIndexLow == y.nFileIndexLow;
}

// Windows locks are mandatory for the bytes they cover: the last byte a file could have
// is locked, so that reading and writing the drawing itself stay free.
TTry TryLock(const fs::path& path, long long& held, const std::function<void()>& afterOpen) {
  HANDLE file = OpenForLock(path);
  if (file == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_FILE_NOT_FOUND ? TTry::Gone : TTry::Failed;
  if (afterOpen) afterOpen();
  OVERLAPPED at{};
  at.Offset = 0xFFFFFFFEu;
  at.OffsetHigh = 0x7FFFFFFFu;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    CloseHandle(file);
    return TTry::Busy;
  }
  HANDLE now = OpenForLock(path);
  const bool same = now != INVALID_HANDLE_VALUE && SameFile(file, now);
  if (now != INVALID_HANDLE_VALUE) CloseHandle(now);
  if (!same) {
    CloseHandle(file);
    return TTry::Gone;
  }
  held = static_cast<long long>(reinterpret_cast<intptr_t>(file));
  return TTry::Locked;
}

void Unlock(long long handle) {
  CloseHandle(AsHandle(handle));
}
#else
TTry TryLock(const fs::path& path, long long& held, const std::function<void()>& afterOpen) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? TTry::Gone : TTry::Failed;
  if (afterOpen) afterOpen();
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK || errno == EINTR;
    ::close(fd);
    return busy ? TTry::Busy : TTry::Failed;
  }
  struct stat locked {
  }, named{};
  if (::fstat(fd, &locked) != 0 || ::stat(path.c_str(), &named) != 0 ||
      locked.st_dev != named.st_dev || locked.st_ino != named.st_ino) {
    ::close(fd);
    return TTry::Gone;
  }
  held = fd;
  return TTry::Locked;
}

void Unlock(long long handle) {
  ::close(static_cast<int>(handle));
}
#endif

}  // namespace

TLockOutcome TFileLock::Acquire(const fs::path& path, std::chrono::milliseconds wait,
                                const std::function<void()>& afterOpen) {
  Release();
  const auto deadline = std::chrono::steady_clock::now() + wait;
  // A file replaced again and again is busy too, however short the wait.
  constexpr int kMaxReplaced = 100;
  int replaced = 0;
  for (;;) {
    std::error_code ec;
    if (!fs::exists(path, ec) && !ec) return TLockOutcome::Locked;
    switch (TryLock(path, Handle, afterOpen)) {
      case TTry::Locked:
        return TLockOutcome::Locked;
      case TTry::Failed:
        return TLockOutcome::Failed;
      case TTry::Gone:
        // Replaced (or removed) between the open and the lock: the path names another file.
        if (++replaced < kMaxReplaced) continue;
        return TLockOutcome::Busy;
      case TTry::Busy:
        break;
    }
    if (std::chrono::steady_clock::now() >= deadline) return TLockOutcome::Busy;
    std::this_thread::sleep_for(kPoll);
  }
}

void TFileLock::Release() {
  if (Handle == kNoHandle) return;
  Unlock(Handle);
  Handle = kNoHandle;
}

}  // namespace pennatran
