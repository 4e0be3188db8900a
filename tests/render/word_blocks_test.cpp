#include "render/word_blocks.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

// Numbers that run past a block's end, one at a time and as a call's group, come back
// whole and in order.
TEST(TWordBlocks, KeepsOrderAcrossBlocks) {
  TWordBlocks words;
  std::vector<int32_t> expected;
  for (int32_t i = 0; i < static_cast<int32_t>(TWordBlocks::kBlockWords) - 1; ++i) {
    words.Append(i);
    expected.push_back(i);
  }
  words.Append({-1, -2, -3});
  expected.insert(expected.end(), {-1, -2, -3});
  words.Append(7);
  expected.push_back(7);
  EXPECT_EQ(words.Size(), expected.size());
  ASSERT_EQ(words.Blocks().size(), 2u);
  EXPECT_EQ(words.Blocks()[0].size(), TWordBlocks::kBlockWords);
  EXPECT_EQ(words.Blocks()[1], (std::vector<int32_t>{-2, -3, 7}));
  EXPECT_EQ(words.Joined(), expected);
}

TEST(TWordBlocks, EmptyHoldsNoBlock) {
  const TWordBlocks words;
  EXPECT_EQ(words.Size(), 0u);
  EXPECT_TRUE(words.Blocks().empty());
  EXPECT_TRUE(words.Joined().empty());
}

}  // namespace
}  // namespace pennatran
