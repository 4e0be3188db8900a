// Numbers appended in blocks of a fixed size: growing never copies or moves what is held,
// so a big drawing's recording costs its numbers once, and its peak memory is about their
// size rather than twice it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pennatran {

class TWordBlocks {
 public:
  static constexpr size_t kBlockWords = size_t{1} << 20;

  void Append(int32_t word) {
    if (Held.empty() || Held.back().size() == kBlockWords) {
      Held.emplace_back().reserve(kBlockWords);
    }
    Held.back().push_back(word);
    ++Count;
  }

  void Append(std::initializer_list<int32_t> words) {
    for (const int32_t word : words) Append(word);
  }

  size_t Size() const { return Count; }
  const std::vector<std::vector<int32_t>>& Blocks() const { return Held; }

  std::vector<int32_t> Joined() const {
    std::vector<int32_t> all;
    all.reserve(Count);
    for (const std::vector<int32_t>& block : Held)
      all.insert(all.end(), block.begin(), block.end());
    return all;
  }

 private:
  std::vector<std::vector<int32_t>> Held;
  size_t Count = 0;
};

}  // namespace pennatran
