#include "jww/large_pages.h"

#include <gtest/gtest.h>

#include <cstring>

#include "jww/jww_types.h"
#include "jww/record_array.h"

namespace pennatran {
namespace {

// Sizes on both sides of the point where blocks switch to large pages; every byte is
// written so a block shorter than asked for shows under the address sanitizer.
TEST(LargePagesTest, BlocksOnBothSidesOfTheThresholdHoldTheirBytes) {
  for (size_t bytes : {size_t{1}, kLargeBlockBytes - 1, kLargeBlockBytes, kLargePageBytes - 1,
                       kLargePageBytes, kLargePageBytes + 1, 3 * kLargePageBytes + 12345}) {
    void* block = AllocateLarge(bytes);
    std::memset(block, 0xA5, bytes);
    if (bytes >= kLargeBlockBytes) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % kLargePageBytes, 0u) << bytes;
    }
    FreeLarge(block, bytes);
  }
  EXPECT_THROW(AllocateLarge(SIZE_MAX - 10), std::bad_alloc);
}

TEST(LargePagesTest, RecordArraysGrowAcrossTheThresholdKeepingTheirRecords) {
  TRecordArray<TEntJwwLine> lines;
  const size_t count = 3 * kLargePageBytes / sizeof(TEntJwwLine);
  for (size_t i = 0; i < count; ++i) {
    TEntJwwLine line{};
    line.StartX = static_cast<double>(i);
    lines.push_back(line);
  }
  TRecordArray<TEntJwwLine> copy = lines;
  lines.clear();
  lines.shrink_to_fit();
  ASSERT_EQ(copy.size(), count);
  for (size_t i = 0; i < count; i += 997) EXPECT_EQ(+copy[i].StartX, static_cast<double>(i));
}

TEST(LargePagesTest, BufferIsAsLargeAsAsked) {
  TLargeBuffer buffer(kLargePageBytes + 3);
  ASSERT_NE(buffer.Data(), nullptr);
  EXPECT_EQ(buffer.Size(), kLargePageBytes + 3);
  std::memset(buffer.Data(), 1, buffer.Size());
}

}  // namespace
}  // namespace pennatran
