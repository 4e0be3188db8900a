#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "jww/large_pages.h"
#include "raw_io.h"

namespace pennatran::bench {

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(std::filesystem::file_size(path));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

size_t ReadLikeTheLoader(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const size_t size = std::filesystem::file_size(path);
  TLargeBuffer bytes(size);
  in.read(reinterpret_cast<char*>(bytes.Data()), static_cast<std::streamsize>(size));
  return static_cast<size_t>(in.gcount());
}

size_t ReadAndFillLikeTheLoader(const std::filesystem::path& path, size_t recordBytes) {
  std::ifstream in(path, std::ios::binary);
  const size_t size = std::filesystem::file_size(path);
  TLargeBuffer bytes(size);
  in.read(reinterpret_cast<char*>(bytes.Data()), static_cast<std::streamsize>(size));
  TLargeBuffer records(recordBytes);
  for (size_t at = 0; size > 0 && at < recordBytes; at += size) {
    std::memcpy(records.Data() + at, bytes.Data(), std::min(size, recordBytes - at));
  }
  return static_cast<size_t>(in.gcount()) + records.Size();
}

bool WriteFileDurably(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) {
      ::close(fd);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

}  // namespace pennatran::bench
