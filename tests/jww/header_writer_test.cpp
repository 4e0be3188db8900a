// The header the writer lays out: the values it normalises and the layout of every
// version, checked against the byte-level builder, which writes stored values unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jww/jww_writer.h"
#include "jww/written_values.h"
#include "support/jww_builder.h"
#include "writer_fixture.h"

namespace pennatran {
namespace {

using testing::NormalDocument;
using testing::TJwwBuilder;

std::string HeaderBytes(const TJwwData& doc, int32_t version) {
  TStringSink sink;
  TByteWriter out(sink, static_cast<uint16_t>(version));
  WriteHeader(doc, out, version);
  return sink.Bytes;
}

std::string BuilderHeader(const TJwwData& doc, int32_t version) {
  TJwwBuilder b(version);
  b.Header(doc);
  return std::string(b.Bytes().begin(), b.Bytes().end());
}

class HeaderLayout : public ::testing::TestWithParam<int32_t> {};

TEST_P(HeaderLayout, MatchesTheBuilderForANormalDocument) {
  TJwwData doc = NormalDocument();
  EXPECT_EQ(HeaderBytes(doc, GetParam()), BuilderHeader(doc, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Versions, HeaderLayout,
                         ::testing::Values(220, 221, 223, 224, 225, 229, 230, 250, 300, 351, 419,
                                           420, 600, 700));

TEST(HeaderWriter, MissingTablesAreWrittenAsZeroEntries) {
  TJwwData empty;
  TJwwData zeroTables;
  zeroTables.SizeHeaderTables();
  EXPECT_EQ(HeaderBytes(empty, 700), HeaderBytes(zeroTables, 700));

  // Tables shorter than their fixed size are padded the same way.
  zeroTables.ColorExNos.resize(20);
  zeroTables.Layers.clear();
  EXPECT_EQ(HeaderBytes(empty, 700), HeaderBytes(zeroTables, 700));
}

TEST(HeaderWriter, SignatureAndVersionComeFromTheWriterNotTheDocument) {
  TJwwData doc;
  doc.Header.Signature = "garbage!";
  doc.Header.Version = 300;
  std::string bytes = HeaderBytes(doc, 700);
  EXPECT_EQ(bytes.substr(0, 12), std::string("JwwData.\xBC\x02\0\0", 12));
}

struct TPenCase {
  int32_t Index;
  TEntJwwPen Stored;
  TEntJwwPen Written;
};

class PenNormalisation : public ::testing::TestWithParam<TPenCase> {};

TEST_P(PenNormalisation, ColoursWidthsAndRadiusAreBroughtIntoRange) {
  TEntJwwPen got = WrittenPen(GetParam().Stored, GetParam().Index);
  const TEntJwwPen& want = GetParam().Written;
  EXPECT_EQ(got.ScreenColor, want.ScreenColor);
  EXPECT_EQ(got.ScreenWidth, want.ScreenWidth);
  EXPECT_EQ(got.PrintColor, want.PrintColor);
  EXPECT_EQ(got.PrintWidth, want.PrintWidth);
  EXPECT_DOUBLE_EQ(got.PointRadius, want.PointRadius);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PenNormalisation,
    ::testing::Values(
        TPenCase{1, {0x123456, 3, 0x654321, 40, 0.5}, {0x123456, 3, 0x654321, 40, 0.5}},
        TPenCase{0, {0x000000, 1, 0x000000, 1, 1.0}, {0x000000, 1, 0xFFFFFF, 1, 1.0}},
        TPenCase{0, {0x000000, 1, 0x01000000, 1, 1.0}, {0x000000, 1, 0xFFFFFF, 1, 1.0}},
        TPenCase{2, {0x01000000, 0, 0xFFFFFFFF, 900, 0}, {0, 1, 0, 500, 0.1}},
        TPenCase{3, {0xFFFFFF, 17, 0xFFFFFF, -5, 11}, {0xFFFFFF, 16, 0xFFFFFF, 1, 10}},
        TPenCase{9, {5, -1, 5, 0, -3}, {5, 1, 5, 1, 0.1}}));

TEST(HeaderWriter, EleventhSwitchGetsATensDigitOfAtLeastOne) {
  struct {
    int32_t Units, Tens, Written;
  } rows[] = {{3, 0, 13}, {3, 2, 23}, {0, 0, 10}, {-7, 0, 3}, {5, -1, 15}, {0, 4, 40}};
  for (const auto& row : rows) {
    TEntJwwHeader h;
    h.DisplayOnlyNoPrint = row.Units;
    h.WidthUnitMode = row.Tens;
    EXPECT_EQ(WrittenEleventhSwitch(h), row.Written) << row.Units << " " << row.Tens;
  }
}

TEST(HeaderWriter, ColourSlotsGetDefaultNamesAndUserSlotsPrintInTheirScreenColour) {
  struct {
    int32_t Slot;
    std::string Name;
    std::string WrittenName;
    uint32_t WrittenPrint;
  } rows[] = {
      {20, "", "Color_20", 0x0000FF},     {5, "", "Color_5", 0xABCDEF},
      {16, "mine", "mine", 0xABCDEF},     {17, "mine", "mine", 0x0000FF},
      {256, "^m", "Color_256", 0x0000FF}, {30, "\x81\x40 \t", "Color_30", 0x0000FF},
      {31, "a^mb\x01", "ab", 0x0000FF},   {0, "", "Color_0", 0xABCDEF},
  };
  for (const auto& row : rows) {
    TEntJwwColorExNo slot{0x0000FF, 7, row.Name, 0xABCDEF, 9, 0.25};
    TEntJwwColorExNo got = WrittenColorSlot(slot, row.Slot);
    EXPECT_EQ(got.Name, row.WrittenName) << row.Slot;
    EXPECT_EQ(got.PrintColor, row.WrittenPrint) << row.Slot;
    EXPECT_EQ(got.ScreenColor, 0x0000FFu);
    EXPECT_EQ(got.ScreenWidth, 7);
    EXPECT_EQ(got.PrintWidth, 9);
    EXPECT_EQ(got.PointRadius, 0.25);
  }
}

TEST(HeaderWriter, UserLineTypesWithAnOddSegmentCountAreReplaced) {
  TEntJwwLineTypeExNo replacement;
  replacement.Pattern = 0xC3C3C3C3;
  replacement.UnitDots = 8;
  replacement.ScreenPitch = 1;
  replacement.PrintPitch = 8;
  replacement.SegmentCount = 2;
  replacement.Pitches[0] = replacement.Pitches[1] = 1.0;

  for (int32_t count : {0, 1, 3, 5, 7, 9, 10, 12, -3}) {
    for (int32_t slot : {17, 25, 32}) {
      TEntJwwLineTypeExNo stored{0x12345678, 3, 4, 5, "named", count, {2, 3, 4}};
      TEntJwwLineTypeExNo want = replacement;
      want.Name = "LType_" + std::to_string(slot);
      EXPECT_EQ(WrittenLineTypeSlot(stored, slot), want) << slot << " " << count;
    }
  }
  for (int32_t count : {2, 4, 6, 8}) {
    TEntJwwLineTypeExNo stored{0x12345678, 3, 4, 5, "named", count, {2, 3, 4}};
    EXPECT_EQ(WrittenLineTypeSlot(stored, 25), stored) << count;
  }
  // Below the user slots the segment count is left alone.
  TEntJwwLineTypeExNo system{0x12345678, 3, 4, 5, "sys", 3, {2, 3, 4}};
  EXPECT_EQ(WrittenLineTypeSlot(system, 10), system);
}

TEST(HeaderWriter, LineTypeSlotsGetDefaultNamesAndAFullPatternForZero) {
  TEntJwwLineTypeExNo stored{0, 3, 4, 5, " ", 4, {2, 3, 4, 5}};
  TEntJwwLineTypeExNo got = WrittenLineTypeSlot(stored, 25);
  EXPECT_EQ(got.Pattern, 0xFFFFFFFFu);
  EXPECT_EQ(got.Name, "LType_25");
  EXPECT_EQ(got.SegmentCount, 4);
  EXPECT_EQ(WrittenLineTypeSlot(TEntJwwLineTypeExNo{}, 3).Name, "LType_3");
  EXPECT_EQ(WrittenLineTypeSlot(TEntJwwLineTypeExNo{}, 3).Pattern, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace pennatran
