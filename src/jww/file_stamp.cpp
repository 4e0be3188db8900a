#include "jww/file_stamp.h"

#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

namespace pennatran {
namespace {

namespace fs = std::filesystem;

// FNV-1a over eight bytes at a time: a save's second look at a large drawing should cost
// little next to its load. Change detection only, not a defence against forgery.
class THash {
 public:
  void Add(const char* data, size_t size) {
    size_t at = 0;
    for (; at + 8 <= size; at += 8) {
      uint64_t word = 0;
      std::memcpy(&word, data + at, 8);
      Mix(word);
    }
    for (; at < size; ++at) Mix(static_cast<unsigned char>(data[at]));
  }
  uint64_t Value() const { return State; }

 private:
  void Mix(uint64_t value) {
    State ^= value;
    State *= 0x100000001B3ULL;
    State ^= State >> 29;
  }
  uint64_t State = 0xCBF29CE484222325ULL;
};

}  // namespace

TFileStamp StampFile(const fs::path& file) {
  TFileStamp stamp;
  stamp.File = file;
  std::ifstream in(file, std::ios::binary);
  if (!in) return stamp;
  THash hash;
  std::vector<char> buffer(1 << 20);
  uintmax_t size = 0;
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<size_t>(in.gcount());
    hash.Add(buffer.data(), got);
    size += got;
  }
  if (in.bad()) return stamp;
  stamp.Read = true;
  stamp.Size = size;
  stamp.Hash = hash.Value();
  return stamp;
}

bool ChangedOnDisk(const TFileStamp& stamp) {
  if (!stamp.Read) return false;
  std::error_code ec;
  if (!fs::exists(stamp.File, ec)) return false;
  const TFileStamp now = StampFile(stamp.File);
  if (!now.Read) return true;
  return now.Size != stamp.Size || now.Hash != stamp.Hash;
}

bool IsStampedFile(const TFileStamp& stamp, const fs::path& target) {
  if (stamp.File.empty()) return false;
  std::error_code ec;
  if (fs::equivalent(stamp.File, target, ec)) return true;
  std::error_code stampError, targetError;
  const fs::path stamped = fs::weakly_canonical(stamp.File, stampError);
  const fs::path other = fs::weakly_canonical(target, targetError);
  return !stampError && !targetError && stamped == other;
}

}  // namespace pennatran
