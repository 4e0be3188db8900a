// Every prefix of each example drawing: the load fails unless the prefix is the whole file,
// nothing crashes, and what is kept is exactly the records the prefix holds completely.
#include <gtest/gtest.h>

#include <algorithm>
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

// Every array of kept, and its order, is a prefix of whole's; every array entry is listed
// in the order once, so nothing partly read was left behind in an array.
void ExpectPrefixes(const TEntityLists& kept, const TEntityLists& whole) {
  EXPECT_TRUE(IsPrefix(kept.Lines, whole.Lines));
  EXPECT_TRUE(IsPrefix(kept.Arcs, whole.Arcs));
  EXPECT_TRUE(IsPrefix(kept.Points, whole.Points));
  EXPECT_TRUE(IsPrefix(kept.Texts, whole.Texts));
  EXPECT_TRUE(IsPrefix(kept.Dimensions, whole.Dimensions));
  EXPECT_TRUE(IsPrefix(kept.Solids, whole.Solids));
  EXPECT_TRUE(IsPrefix(kept.Inserts, whole.Inserts));
  EXPECT_TRUE(IsPrefix(kept.EntityOrder, whole.EntityOrder));
  EXPECT_EQ(kept.EntityOrder.size(), kept.EntityTotal());
}

// The offset in the file just past each record: a prefix holds a record completely when
// it reaches that offset. Found by building the entity and image sections again from the
// loaded drawing; the rebuilt section must end the file byte for byte.
struct TRecordEnds {
  std::vector<size_t> Entities;
  std::vector<size_t> Definitions;
  std::vector<std::vector<size_t>> DefinitionEntities;
  std::vector<size_t> Images;
};

TRecordEnds FindRecordEnds(const TJwwData& full, const std::vector<uint8_t>& whole) {
  TRecordEnds ends;
  TJwwBuilder b(full.Header.Version);
  b.Count(static_cast<uint32_t>(full.EntityOrder.size()));
  for (const TEntJwwOrderEntry& entry : full.EntityOrder) {
    ends.Entities.push_back(b.AddEntity(full, entry).Size());
  }
  b.Count(static_cast<uint32_t>(full.BlockDefs.size()));
  for (const TEntJwwBlockDef& def : full.BlockDefs) {
    ends.Definitions.push_back(
        b.BlockDefHeader(def, static_cast<uint32_t>(def.EntityOrder.size())).Size());
    std::vector<size_t>& inner = ends.DefinitionEntities.emplace_back();
    for (const TEntJwwOrderEntry& entry : def.EntityOrder)
      inner.push_back(b.AddEntity(def, entry).Size());
  }
  const size_t section = b.Size();
  if (full.Header.Version >= 700) {
    b.U32(static_cast<uint32_t>(full.ImageList.size()));
    for (const TBindImageType& image : full.ImageList) {
      b.String(image.Name).U32(static_cast<uint32_t>(image.Size));
      if (!image.Name.empty()) b.Raw(std::string(static_cast<size_t>(image.Size), '\0'));
      ends.Images.push_back(b.Size());
    }
  }
  const size_t header = whole.size() - b.Size();
  EXPECT_EQ(std::memcmp(whole.data() + header, b.Bytes().data(), section), 0);
  for (auto* list : {&ends.Entities, &ends.Definitions, &ends.Images}) {
    for (size_t& end : *list) end += header;
  }
  for (std::vector<size_t>& inner : ends.DefinitionEntities) {
    for (size_t& end : inner) end += header;
  }
  return ends;
}

// How many of the records end within the first `length` bytes.
size_t Within(const std::vector<size_t>& ends, size_t length) {
  return static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), length) - ends.begin());
}

void Sweep(const std::string& example) {
  const std::vector<uint8_t> whole = ReadBytes(SourcePath("examples/" + example));
  ASSERT_GT(whole.size(), 1000u);
  TJwwData full;
  ASSERT_TRUE(full.LoadFromBytes(whole.data(), whole.size(), example))
      << LoadErrorText(full.LoadError);
  const TRecordEnds ends = FindRecordEnds(full, whole);
  ASSERT_FALSE(::testing::Test::HasFailure()) << "the rebuilt entity section differs";

  // Under the sanitizer every load is many times slower: every fifth prefix still ends
  // inside every kind of record many times over.
  const size_t stride = kSanitized ? 5 : 1;
  for (size_t length = 0; length < whole.size(); length += stride) {
    SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
    // A copy of exactly the prefix, so that reading past it is an overflow.
    const std::vector<uint8_t> prefix(whole.begin(), whole.begin() + static_cast<long>(length));
    TJwwData doc;
    ASSERT_FALSE(doc.LoadFromBytes(prefix.data(), prefix.size(), example));
    EXPECT_TRUE(doc.LoadError.Failed());
    EXPECT_LE(doc.LoadError.Offset, length);
    ExpectPrefixes(doc, full);
    EXPECT_EQ(doc.EntityOrder.size(), Within(ends.Entities, length));
    EXPECT_EQ(doc.ImageList.size(), Within(ends.Images, length));
    ASSERT_EQ(doc.BlockDefs.size(), Within(ends.Definitions, length));
    for (size_t i = 0; i < doc.BlockDefs.size(); ++i) {
      EXPECT_EQ(doc.BlockDefs[i].EntityOrder.size(), Within(ends.DefinitionEntities[i], length))
          << i;
      ExpectPrefixes(doc.BlockDefs[i], full.BlockDefs[i]);
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
