// The file-system adapter of the save: the only code here that differs by platform is the
// handful of descriptor calls at the top.
#include "jww/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pennatran {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() {
  return {errno, std::generic_category()};
}

int OpenNewFile(const fs::path& path) {
#ifdef _WIN32
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
}

bool WriteToFile(int fd, const char* data, size_t size) {
  while (size > 0) {
#ifdef _WIN32
    unsigned piece = size > 0x40000000u ? 0x40000000u : static_cast<unsigned>(size);
    int n = _write(fd, data, piece);
#else
    ssize_t n = ::write(fd, data, size);
#endif
    if (n < 0 && errno == EINTR) continue;
    // A write that takes nothing has no error of its own: the device is full.
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool SyncFile(int fd) {
#ifdef _WIN32
  return _commit(fd) == 0;
#else
  return ::fsync(fd) == 0;
#endif
}

bool CloseFile(int fd) {
#ifdef _WIN32
  return _close(fd) == 0;
#else
  return ::close(fd) == 0;
#endif
}

// True for an existing file that may not be written: no write permission at all (the
// user made it read-only), or none for this process.
bool IsWriteProtected(const fs::path& path, TLinkPolicy links) {
  std::error_code ec;
  const fs::file_status status =
      links == TLinkPolicy::Replace ? fs::symlink_status(path, ec) : fs::status(path, ec);
  if (ec || !fs::is_regular_file(status)) return false;
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kAnyWrite) == fs::perms::none) return true;
#ifdef _WIN32
  return false;
#else
  return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
#endif
}

// Gives the new file what the old one had, before any byte is in it. Only the owner's
// change may be refused (a process that is not root cannot give a file away); the group
// is then tried alone, as the owner of a file may pick any group of their own.
void KeepAttributes([[maybe_unused]] int fd, [[maybe_unused]] const fs::path& from) {
#ifndef _WIN32
  struct stat previous {};
  if (::stat(from.c_str(), &previous) != 0 || !S_ISREG(previous.st_mode)) return;
  if (::fchown(fd, previous.st_uid, previous.st_gid) != 0 &&
      ::fchown(fd, static_cast<uid_t>(-1), previous.st_gid) != 0) {
    errno = 0;
  }
  if (::fchmod(fd, previous.st_mode & 07777) != 0) errno = 0;
#endif
}

// Windows has only the write bit to keep, and only once the file is closed.
void KeepPermissions([[maybe_unused]] const fs::path& temporary,
                     [[maybe_unused]] const fs::path& from) {
#ifdef _WIN32
  std::error_code ec;
  const fs::file_status previous = fs::status(from, ec);
  if (!ec && fs::is_regular_file(previous)) fs::permissions(temporary, previous.permissions(), ec);
#endif
}

// Makes the rename itself survive a power cut where the platform allows it; a failure
// here does not undo a save that has already replaced the target.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#endif
}

// Buffers the many small writes of the archive into large file writes.
class TFileSink final : public TByteSink {
 public:
  explicit TFileSink(int fd) : Fd(fd), Buffer(kBufferSize) { ResetWindow(); }

  bool Flush() {
    const size_t used = static_cast<size_t>(Cursor - Buffer.data());
    ResetWindow();
    return Write(Buffer.data(), used);
  }
  // Why the file refused bytes; empty while it took them all.
  const std::error_code& Error() const { return WriteError; }

 protected:
  bool PutSlow(const void* data, size_t size) override {
    if (!Flush()) return false;
    if (size >= kBufferSize) return Write(static_cast<const char*>(data), size);
    std::memcpy(Cursor, data, size);
    Cursor += size;
    return true;
  }

 private:
  void ResetWindow() {
    Cursor = Buffer.data();
    WindowEnd = Buffer.data() + Buffer.size();
  }
  bool Write(const char* data, size_t size) {
    if (WriteToFile(Fd, data, size)) return true;
    if (!WriteError) WriteError = LastError();
    return false;
  }

  static constexpr size_t kBufferSize = size_t{1} << 20;
  int Fd;
  std::vector<char> Buffer;
  std::error_code WriteError;
};

// What the exception being handled says of itself.
std::string CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unknown error";
  }
}

// Fills the open file and syncs it. False when produce throws or the file refuses the
// bytes; error then says which, with what the system said when it said anything.
bool Fill(int fd, const std::function<void(TByteSink&)>& produce, TSaveError& error) {
  try {
    TFileSink sink(fd);
    try {
      produce(sink);
    } catch (...) {
      error = sink.Error() ? SaveErrorOf("writing the temporary file", sink.Error())
                           : TSaveError{TSaveFailure::Other,
                                        "making the file's content: " + CurrentExceptionText()};
      return false;
    }
    if (!sink.Flush()) {
      error = SaveErrorOf("writing the temporary file", sink.Error());
      return false;
    }
    if (!SyncFile(fd)) {
      error = SaveErrorOf("syncing the temporary file to disk", LastError());
      return false;
    }
    return true;
  } catch (...) {
    error = {TSaveFailure::Other, "preparing the temporary file: " + CurrentExceptionText()};
    return false;
  }
}

int ProcessId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(::getpid());
#endif
}

std::string OwnPrefix() {
  return std::string(kTemporaryPrefix) + std::to_string(ProcessId()) + "-";
}

// A new name in the target's folder that no other file has (O_EXCL guarantees we never
// reuse one). Its length does not depend on the target's, so a name that the folder
// takes can always be saved.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
  std::random_device seed;
  std::mt19937 engine(seed());
  static const char kDigits[] = "0123456789abcdef";
  for (int attempt = 0; attempt < 32; ++attempt) {
    std::string name = OwnPrefix();
    for (int i = 0; i < 8; ++i) name += kDigits[engine() % 16];
    name += kTemporarySuffix;
    temporary = target.parent_path() / name;
    int fd = OpenNewFile(temporary);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

fs::path ResolveLinks(const fs::path& target, std::error_code& ec) {
  constexpr int kMaxLinks = 40;
  // The queries report a path that does not exist (yet) in their own code.
  std::error_code missing;
  fs::path path = target;
  for (int i = 0; fs::is_symlink(path, missing); ++i) {
    if (i == kMaxLinks) {
      ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
      return {};
    }
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return {};
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path == target ? target : fs::weakly_canonical(path, ec);
}

}  // namespace

bool WriteFileAtomically(const fs::path& target, const std::function<void(TByteSink&)>& produce,
                         TSaveError* error, const TAtomicWriteOptions& options) {
  TSaveError ignored;
  TSaveError& why = error != nullptr ? *error : ignored;
  why = TSaveError{};
  std::error_code ec;
  const bool replaceLink = options.Links == TLinkPolicy::Replace;
  const fs::path destination = replaceLink ? target : ResolveLinks(target, ec);
  if (ec) {
    why = SaveErrorOf("following the links to the target", ec);
    return false;
  }
  // A target that does not exist yet is the usual case: the queries report it in ec.
  if (fs::is_directory(replaceLink ? fs::symlink_status(destination, ec)
                                   : fs::status(destination, ec))) {
    why = {TSaveFailure::Other, "the target is a folder"};
    return false;
  }
  // The rename would replace a file that a direct write may not change.
  if (IsWriteProtected(destination, options.Links)) {
    why = {TSaveFailure::ReadOnly, "the target is write-protected"};
    return false;
  }

  fs::path temporary;
  int fd = -1;
  const auto create = [&] { fd = CreateTemporary(destination, temporary); };
  if (options.Guard)
    options.Guard(create);
  else
    create();
  if (fd < 0) {
    why = SaveErrorOf("creating a temporary file beside the target", LastError());
    return false;
  }
  const fs::path attributesOf = options.AttributesOf.empty() ? destination : options.AttributesOf;
  // A link that is replaced has no mode of its own to pass on.
  if (!replaceLink || !options.AttributesOf.empty() || !fs::is_symlink(destination, ec))
    KeepAttributes(fd, attributesOf);

  bool ok = Fill(fd, produce, why);
  if (!CloseFile(fd) && ok) {
    why = SaveErrorOf("closing the temporary file", LastError());
    ok = false;
  }

  if (ok && options.Unchanged && ChangedOnDisk(*options.Unchanged)) {
    why = {TSaveFailure::ChangedOnDisk, "the target changed on disk after it was read"};
    ok = false;
  }
  if (ok) {
    KeepPermissions(temporary, attributesOf);
    std::error_code renameError;
    fs::rename(temporary, destination, renameError);
    if (renameError) {
      why = SaveErrorOf("replacing the target with the temporary file", renameError);
      ok = false;
    }
  }
  if (!ok) {
    fs::remove(temporary, ec);
    return false;
  }
  SyncFolder(destination.parent_path());
  return true;
}

fs::path SaveDestination(const fs::path& target) {
  std::error_code ec;
  const fs::path destination = ResolveLinks(target, ec);
  return ec ? target : destination;
}

bool IsOwnTemporary(const fs::path& path) {
  const std::string name = path.filename().string();
  const std::string prefix = OwnPrefix();
  return name.size() > prefix.size() + kTemporarySuffix.size() && name.starts_with(prefix) &&
         name.ends_with(kTemporarySuffix);
}

}  // namespace pennatran
