// Where a drawing's texts keep the strings too long to sit in their records: lasting copies,
// packed one after the other in large blocks, so that a text costs its bytes and no more.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace pennatran {

class TStringStore {
 public:
  TStringStore() = default;
  TStringStore(const TStringStore&) = delete;
  TStringStore& operator=(const TStringStore&) = delete;

  // A copy of s whose bytes never move while the store lives.
  std::string_view Keep(std::string_view s);

  // The strings kept.
  size_t size() const { return Count; }
  bool empty() const { return Count == 0; }

 private:
  std::vector<std::unique_ptr<char[]>> Blocks;
  char* Free = nullptr;
  size_t FreeBytes = 0;
  size_t Count = 0;
};

}  // namespace pennatran
