#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <type_traits>

#include "jww/header_layout.h"
#include "jww/record_tables.h"

namespace pennatran {
namespace {

// Bytes of the fields of a packed record from index `first` up to (not including) `end`.
template <LaidOutRecord Record>
size_t FieldBytes(size_t first, size_t end) {
  size_t bytes = 0;
  size_t index = 0;
  ForEachField<Record>([&](const auto& field) {
    if (index >= first && index < end)
      bytes += sizeof(typename std::decay_t<decltype(field)>::TValue);
    ++index;
  });
  return bytes;
}

template <LaidOutRecord Record>
size_t FieldCount() {
  return std::tuple_size_v<std::decay_t<decltype(TRecordFields<Record>::kFields)>>;
}

// A member the table misses (or lists twice) leaves the record's bytes and the table's
// apart; so does a head that ends elsewhere than at the first field of the tail.
template <LaidOutRecord Record>
void ExpectTableCoversRecord(const char* kind) {
  SCOPED_TRACE(kind);
  constexpr TRecordLayout layout = TRecordFields<Record>::kLayout;
  EXPECT_EQ(FieldBytes<Record>(0, FieldCount<Record>()), sizeof(Record));
  size_t headFields = 0;
  while (headFields < FieldCount<Record>() && FieldBytes<Record>(0, headFields) < layout.Head)
    ++headFields;
  EXPECT_EQ(FieldBytes<Record>(0, headFields), layout.Head);
  if (layout.Tail == TRecordTail::Parts) {
    EXPECT_EQ(headFields, layout.FirstPart);
  }
}

TEST(RecordTablesTest, EveryEntityTableCoversItsRecordAndItsHead) {
  EXPECT_EQ(FieldBytes<TEntJwwLine>(0, 1), sizeof(TEntJwwCommon));
  ExpectTableCoversRecord<TEntJwwLine>("line");
  ExpectTableCoversRecord<TEntJwwArc>("arc");
  ExpectTableCoversRecord<TEntJwwPoint>("point");
  ExpectTableCoversRecord<TEntJwwText>("text");
  ExpectTableCoversRecord<TEntJwwDimension>("dimension");
  ExpectTableCoversRecord<TEntJwwSolid>("solid");
  ExpectTableCoversRecord<TEntJwwBlockInsert>("insert");
}

TEST(RecordTablesTest, CommonPartLosesOnlyItsWidthBeforeTheWidthVersion) {
  for (int32_t version : {220, 350, 351, 700}) {
    size_t bytes = 0;
    ForEachField<TEntJwwCommon>([&](const auto& field) {
      if (field.Gate.Holds(version))
        bytes += sizeof(typename std::decay_t<decltype(field)>::TValue);
    });
    EXPECT_EQ(bytes, version >= kFirstWidthVersion ? 15u : 13u) << version;
  }
}

// The header's fields by the rows of their versions; the header tests check the bytes.
TEST(RecordTablesTest, SettingsRowsAppearOnlyAtTheVersionsThatCarryThem) {
  struct TCase {
    int32_t Version;
    int32_t Rows;
  };
  for (const TCase& c : {TCase{219, 0}, TCase{220, 1}, TCase{221, 0}, TCase{223, 2}, TCase{224, 0},
                         TCase{225, 3}, TCase{229, 0}, TCase{230, 4}, TCase{700, 4}}) {
    int32_t gated = 0;
    for (const TVersionGate& gate : {kSwitchesGate, kEyePointGate, kLastInputGate, kSolidColorGate})
      gated += gate.Holds(c.Version) ? 1 : 0;
    EXPECT_EQ(gated, c.Rows) << c.Version;
  }
}

}  // namespace
}  // namespace pennatran
