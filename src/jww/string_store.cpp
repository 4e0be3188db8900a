#include "jww/string_store.h"

#include <cstring>

namespace pennatran {
namespace {

// Blocks of this size hold many strings each; a string of more than a quarter of one gets a
// block of its own, so that little of a block is left unused.
constexpr size_t kBlockBytes = size_t{64} << 10;

// Uninitialised: every byte handed out is written at once. (The browser build's library
// has no make_unique_for_overwrite.)
std::unique_ptr<char[]> NewBlock(size_t bytes) {
  return std::unique_ptr<char[]>(new char[bytes]);
}

}  // namespace

std::string_view TStringStore::Keep(std::string_view s) {
  char* copy = nullptr;
  if (s.size() > kBlockBytes / 4) {
    copy = Blocks.emplace_back(NewBlock(s.size())).get();
  } else {
    if (s.size() > FreeBytes) {
      Free = Blocks.emplace_back(NewBlock(kBlockBytes)).get();
      FreeBytes = kBlockBytes;
    }
    copy = Free;
    Free += s.size();
    FreeBytes -= s.size();
  }
  if (!s.empty()) std::memcpy(copy, s.data(), s.size());
  ++Count;
  return {copy, s.size()};
}

}  // namespace pennatran
