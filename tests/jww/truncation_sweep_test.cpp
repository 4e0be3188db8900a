// Every prefix of each example drawing: the load fails unless the prefix is the whole file,
// nothing crashes, and what is kept is exactly the start of what the whole file holds.
#include <gtest/gtest.h>

#include <cstring>

#include "hardening_support.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

// True when kept is a prefix of whole: same records, byte for byte, in the same order.
template <typename Record>
bool IsPrefix(const TRecordArray<Record>& kept, const TRecordArray<Record>& whole) {
  return kept.size() <= whole.size() &&
         (kept.empty() ||
          std::memcmp(kept.data(), whole.data(), kept.size() * sizeof(Record)) == 0);
}

template <typename Arrays>
void ExpectPrefixes(const Arrays& kept, const Arrays& whole) {
  EXPECT_TRUE(IsPrefix(kept.Lines, whole.Lines));
  EXPECT_TRUE(IsPrefix(kept.Arcs, whole.Arcs));
  EXPECT_TRUE(IsPrefix(kept.Points, whole.Points));
  EXPECT_TRUE(IsPrefix(kept.Texts, whole.Texts));
  EXPECT_TRUE(IsPrefix(kept.Dimensions, whole.Dimensions));
  EXPECT_TRUE(IsPrefix(kept.Solids, whole.Solids));
  EXPECT_TRUE(IsPrefix(kept.Inserts, whole.Inserts));
}

// Every array entry of a kept document is listed in its order once, so nothing partly
// read was left behind in an array.
template <typename Arrays>
void ExpectOrderCoversArrays(const Arrays& a, const TRecordArray<TEntJwwOrderEntry>& order) {
  const size_t total = a.Lines.size() + a.Arcs.size() + a.Points.size() + a.Texts.size() +
                       a.Dimensions.size() + a.Solids.size() + a.Inserts.size();
  EXPECT_EQ(order.size(), total);
}

void Sweep(const std::string& example) {
  const std::vector<uint8_t> whole = ReadBytes(SourcePath("examples/" + example));
  ASSERT_GT(whole.size(), 1000u);
  TJwwData full;
  ASSERT_TRUE(full.LoadFromBytes(whole.data(), whole.size(), example)) << full.LoadError.Message;

  // Under the sanitizer every load is many times slower: every fifth prefix still ends
  // inside every kind of record many times over.
  const size_t stride = kSanitized ? 5 : 1;
  for (size_t length = 0; length < whole.size(); length += stride) {
    SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
    // A copy of exactly the prefix, so that reading past it is an overflow.
    const std::vector<uint8_t> prefix(whole.begin(), whole.begin() + static_cast<long>(length));
    TJwwData doc;
    ASSERT_FALSE(doc.LoadFromBytes(prefix.data(), prefix.size(), example));
    EXPECT_FALSE(doc.LoadError.Message.empty());
    EXPECT_LE(doc.LoadError.Offset, length);
    ExpectPrefixes(doc, full);
    EXPECT_TRUE(IsPrefix(doc.EntityOrder, full.EntityOrder));
    ExpectOrderCoversArrays(doc, doc.EntityOrder);
    ASSERT_LE(doc.BlockDefs.size(), full.BlockDefs.size());
    for (size_t i = 0; i < doc.BlockDefs.size(); ++i) {
      ExpectPrefixes(doc.BlockDefs[i], full.BlockDefs[i]);
      EXPECT_TRUE(IsPrefix(doc.BlockDefs[i].Order, full.BlockDefs[i].Order));
      ExpectOrderCoversArrays(doc.BlockDefs[i], doc.BlockDefs[i].Order);
    }
    if (::testing::Test::HasFailure()) return;  // one broken prefix says enough
  }
}

TEST(TruncationSweep, EveryPrefixOfTheSourceExample) {
  Sweep("palette-source.jww");
}
TEST(TruncationSweep, EveryPrefixOfTheDestinationExample) {
  Sweep("plan-destination.jww");
}

}  // namespace
}  // namespace pennatran
