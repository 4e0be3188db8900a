#include "render/dimension_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "jww/sjis.h"
#include "render/full_width.h"

namespace pennatran {
namespace {

TEntJwwLine LineOf(double x1, double y1, double x2, double y2) {
  TEntJwwLine line{};
  line.StartX = x1;
  line.StartY = y1;
  line.EndX = x2;
  line.EndY = y2;
  return line;
}

TPlacement Scaled(double k) {
  return {5, 7, k, 0, 0, k};
}

// Values compared in UTF-8 so that a failure prints readably.
std::string Utf8(const SjisString& s) {
  return SjisToUtf8(s);
}

TEST(RoundDecimal, ModesAreSymmetricAboutZero) {
  const struct {
    int32_t Decimals, Mode;
    double In, Out;
  } rows[] = {
      {2, RoundTruncate, 12.375, 12.37},
      {2, RoundUp, 12.375, 12.38},
      {2, RoundHalfUp, 12.375, 12.38},
      {2, RoundUp, 12.371, 12.38},
      {2, RoundHalfUp, 12.371, 12.37},
      {0, RoundHalfUp, -2.5, -3},
      {0, RoundTruncate, -2.7, -2},
      {0, RoundUp, -2.1, -3},
      {0, RoundUp, 2.0, 2},
      // Round up forgives what lies below its tolerance.
      {0, RoundUp, 2.00000000001, 2},
      {9, RoundTruncate, 0.1234567891, 0.123456789},
      // A decimal count outside 0..9 rounds to whole numbers.
      {10, RoundHalfUp, 2.5, 3},
      {-1, RoundTruncate, 2.75, 2},
      // Any unknown mode rounds half up.
      {1, 7, 0.25, 0.3},
  };
  for (const auto& r : rows) {
    EXPECT_DOUBLE_EQ(RoundDecimal(r.Decimals, r.Mode, r.In), r.Out)
        << r.Decimals << " " << r.Mode << " " << r.In;
  }
}

struct FormatRow {
  uint16_t Format;
  uint16_t Marks;
  const char* Expected;  // UTF-8
};

class FormatOnScaledBlock : public ::testing::TestWithParam<FormatRow> {};

// A 10 mm line at layer group scale 100 in a placement of scale 2: 2000 mm at full size.
TEST_P(FormatOnScaledBlock, GivesTheFormattedValue) {
  const FormatRow& r = GetParam();
  const SjisString value =
      FormatDimensionValue(r.Format, r.Marks, LineOf(1, 1, 11, 1), 100, Scaled(2));
  EXPECT_EQ(Utf8(value), r.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatOnScaledBlock,
    ::testing::Values(FormatRow{0x1042, 0, "2,000."}, FormatRow{0x10C2, 0, "2,000.0"},
                      FormatRow{0x0042, 0, "2,000"}, FormatRow{0x0002, 0, "2000"},
                      FormatRow{0x0032, 0, "2ｍ"}, FormatRow{0x0022, 0, "2000mm"},
                      FormatRow{0x3082, 0, "2000.000"}, FormatRow{0x0082, 0, "2000"},
                      FormatRow{0x2012, 0, "2"}, FormatRow{0x1052, 0, "2."},
                      FormatRow{0x0402, 0x0100, "R2000"}, FormatRow{0x0802, 0x0100, "2000R"},
                      FormatRow{0x0C02, 0x0100, "R2000"}, FormatRow{0x0002, 0x0100, "2000"},
                      FormatRow{0x0402, 0x0200, "φ2000"}, FormatRow{0x0802, 0x0300, "2000R"},
                      FormatRow{0x0402, 0, "2000"}, FormatRow{0x040A, 0x0100, "Ｒ２０００"},
                      FormatRow{0x104A, 0x0200, "２，０００．"}, FormatRow{0x002A, 0, "２０００mm"},
                      FormatRow{0x003A, 0, "２ｍ"}, FormatRow{0x080A, 0x0200, "２０００φ"}));

TEST(FormatDimensionValue, RoundingBitsSelectTheMode) {
  const TEntJwwLine line = LineOf(0, 0, 12.375, 0);
  const TPlacement identity;
  EXPECT_EQ(FormatDimensionValue(0x2102, 0, line, 1, identity), "12.37");
  EXPECT_EQ(FormatDimensionValue(0x2202, 0, line, 1, identity), "12.38");
  EXPECT_EQ(FormatDimensionValue(0x2302, 0, line, 1, identity), "12.38");
  EXPECT_EQ(FormatDimensionValue(0x2002, 0, line, 1, identity), "12.38");
  EXPECT_EQ(FormatDimensionValue(0x2202, 0, LineOf(0, 0, 12.371, 0), 1, identity), "12.38");
}

TEST(FormatDimensionValue, TrailingZerosGoButNotTheIntegerDigits) {
  const TPlacement identity;
  EXPECT_EQ(FormatDimensionValue(0x3042, 0, LineOf(0, 0, 12.5, 0), 1, identity), "12.5");
  EXPECT_EQ(FormatDimensionValue(0x3042, 0, LineOf(0, 0, 12, 0), 1, identity), "12.");
  // Without decimals there is no point, and the zeros of the number itself stay.
  EXPECT_EQ(FormatDimensionValue(0x0042, 0, LineOf(0, 0, 1200, 0), 1, identity), "1,200");
  EXPECT_EQ(FormatDimensionValue(0x3042, 0, LineOf(0, 0, 1234567.25, 0), 1, identity),
            "1,234,567.25");
}

TEST(FormatDimensionValue, ScaleAtOrBelowZeroCountsAsOne) {
  for (double scale : {0.0, -5.0}) {
    EXPECT_EQ(FormatDimensionValue(0x0002, 0, LineOf(0, 0, 30, 40), scale, {}), "50") << scale;
  }
}

TEST(FormatDimensionValue, TurnedPlacementKeepsTheLength) {
  const TPlacement turned{100, 100, 0, -1, 1, 0};
  EXPECT_EQ(FormatDimensionValue(0x0002, 0, LineOf(0, 0, 10, 0), 100, turned), "1000");
}

TEST(FormatDimensionValue, GeneralFormatIsShortest) {
  EXPECT_EQ(FormatDimensionValue(0x1002, 0, LineOf(0, 0, 0.25, 0), 1, {}), "0.3");
  EXPECT_EQ(FormatDimensionValue(0x5002, 0, LineOf(0, 0, 1.0 / 3, 0), 1, {}), "0.33333");
}

TEST(MeasureTextWidth, AddsSpacingBetweenCharactersOnly) {
  const std::string two = "\x82\x50";  // full-width 1
  EXPECT_DOUBLE_EQ(MeasureTextWidth("", 2, 1), 0);
  EXPECT_DOUBLE_EQ(MeasureTextWidth("1", 2, 1), 1);
  EXPECT_DOUBLE_EQ(MeasureTextWidth("12", 2, 1), 2.5);
  EXPECT_DOUBLE_EQ(MeasureTextWidth(two + two, 2, 1), 5);
  EXPECT_DOUBLE_EQ(MeasureTextWidth("1" + two, 2, 1), 3.5);
  EXPECT_DOUBLE_EQ(MeasureTextWidth(two + "1", 2, 1), 4);
  // A lead byte that ends the string is one half-width character.
  EXPECT_DOUBLE_EQ(MeasureTextWidth("1\x82", 2, 1), 2.5);
}

TEST(ToFullWidth, MapsHalfWidthCharactersAndKeepsTheRest) {
  const struct {
    const char* In;
    const char* Out;
  } rows[] = {
      {"12.5mm", "１２．５ｍｍ"}, {"R12", "Ｒ１２"}, {"2,000.", "２，０００．"},
      {"ｱｲｳ", "アイウ"},          {"ｶﾞ", "ガ"},      {"φ12", "φ１２"},
      {"漢字", "漢字"},           {"", ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(Utf8(ToFullWidth(Utf8ToSjis(r.In))), r.Out) << r.In;
  }
}

TEST(ToFullWidth, LongStringsAreMappedPieceByPieceWithoutSplittingCharacters) {
  // 125 digits, then a two-byte character across the 126-column edge of the first piece.
  const std::string in = std::string(125, '1') + Utf8ToSjis("あ") + std::string(200, '2');
  std::string expected;
  for (int i = 0; i < 125; ++i) expected += "１";
  expected += "あ";
  for (int i = 0; i < 200; ++i) expected += "２";
  EXPECT_EQ(Utf8(ToFullWidth(in)), expected);
}

// A horizontal text from (0, 0) to (10, 0), 2.5 mm high, 2 mm wide, 0.5 mm spacing.
TEntJwwText StoredValueText() {
  TEntJwwText text{};
  text.EndX = 10;
  text.SizeX = 2;
  text.SizeY = 2.5;
  text.Spacing = 0.5;
  return text;
}

TEST(MapDimensionTextToPlacement, QuarterTurnRecentresTheNewValue) {
  const TPlacement turned{0, 0, 0, -1, 1, 0};
  // "2000": four half-width characters, 4 x 1 + 3 x 0.25 = 4.75 mm long.
  const TTextFrame f = MapDimensionTextToPlacement(StoredValueText(), "2000", turned);
  EXPECT_NEAR(f.X1, 0, 1e-12);
  EXPECT_NEAR(f.Y1, 5 - 2.375, 1e-12);
  EXPECT_NEAR(f.X2, 0, 1e-12);
  EXPECT_NEAR(f.Y2, 5 + 2.375, 1e-12);
  EXPECT_DOUBLE_EQ(f.W, 2);
  EXPECT_DOUBLE_EQ(f.H, 2.5);
  EXPECT_DOUBLE_EQ(f.S, 0.5);
}

TEST(MapDimensionTextToPlacement, ScaledAndMirroredPlacements) {
  const TTextFrame scaled = MapDimensionTextToPlacement(StoredValueText(), "1", Scaled(2));
  EXPECT_DOUBLE_EQ(scaled.W, 4);
  EXPECT_DOUBLE_EQ(scaled.H, 5);
  EXPECT_DOUBLE_EQ(scaled.S, 1);
  EXPECT_DOUBLE_EQ(scaled.X1, 5 + 10 - 1);
  EXPECT_DOUBLE_EQ(scaled.X2, 5 + 10 + 1);
  EXPECT_DOUBLE_EQ(scaled.Y1, 7);

  // A mirrored block runs its text from the mapped end point: still left to right.
  const TPlacement mirrored{0, 0, -1, 0, 0, 1};
  const TTextFrame m = MapDimensionTextToPlacement(StoredValueText(), "1", mirrored);
  EXPECT_DOUBLE_EQ(m.X1, -5.5);
  EXPECT_DOUBLE_EQ(m.X2, -4.5);
  EXPECT_DOUBLE_EQ(m.Y1, 0);
}

}  // namespace
}  // namespace pennatran
