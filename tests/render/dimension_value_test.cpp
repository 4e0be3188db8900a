#include "render/dimension_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "jww/text_encoding.h"
#include "render/full_width.h"

namespace pennatran {
namespace {

TEntJwwLine LineTo(double x, double y) {
  TEntJwwLine line{};
  line.EndX = x;
  line.EndY = y;
  return line;
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
      {10, RoundHalfUp, 2.5, 3},  // 10 decimals: whole
      {1, 7, 0.25, 0.3},          // unknown mode: half up
  };
  for (const auto& r : rows) {
    EXPECT_DOUBLE_EQ(RoundDecimal(r.Decimals, r.Mode, r.In), r.Out) << r.Mode << " " << r.In;
  }
}

TEST(FormatDimensionValue, FormatsTheLengthMeasuredThroughThePlacement) {
  const TPlacement scaled{5, 7, 2, 0, 0, 2};
  const struct {
    uint16_t Format, Marks;
    TEntJwwLine Line;
    double GroupScale;
    const char* Expected;  // UTF-8
  } rows[] = {
      // 10 mm at group scale 100 in a placement of scale 2: 2000 mm.
      {0x1042, 0, LineTo(10, 0), 100, "2,000."},
      {0x10C2, 0, LineTo(10, 0), 100, "2,000.0"},
      {0x0042, 0, LineTo(10, 0), 100, "2,000"},
      {0x0002, 0, LineTo(10, 0), 100, "2000"},
      {0x0032, 0, LineTo(10, 0), 100, "2ｍ"},
      {0x0022, 0, LineTo(10, 0), 100, "2000mm"},
      {0x3082, 0, LineTo(10, 0), 100, "2000.000"},
      {0x0402, 0x0100, LineTo(10, 0), 100, "R2000"},
      {0x0802, 0x0100, LineTo(10, 0), 100, "2000R"},
      {0x0C02, 0x0300, LineTo(10, 0), 100, "R2000"},
      {0x0002, 0x0100, LineTo(10, 0), 100, "2000"},
      {0x0402, 0x0200, LineTo(10, 0), 100, "φ2000"},
      {0x040A, 0x0100, LineTo(10, 0), 100, "Ｒ２０００"},
      {0x104A, 0, LineTo(10, 0), 100, "２，０００．"},
      {0x082A, 0x0200, LineTo(10, 0), 100, "２０００φmm"},
      // Rounding bits, zeros trimmed to the point, scales that count as 1.
      {0x2102, 0, LineTo(6.1875, 0), 1, "12.37"},
      {0x2202, 0, LineTo(6.1875, 0), 1, "12.38"},
      {0x2302, 0, LineTo(6.1875, 0), 1, "12.38"},
      {0x3042, 0, LineTo(6.25, 0), 1, "12.5"},
      {0x3042, 0, LineTo(600, 0), 1, "1,200."},
      {0x0002, 0, LineTo(15, 20), 0, "50"},
      {0x1002, 0, LineTo(0.125, 0), -5, "0.3"},
  };
  for (const auto& r : rows) {
    const SjisString value = FormatDimensionValue(r.Format, r.Marks, r.Line, r.GroupScale, scaled);
    EXPECT_EQ(SjisToUtf8(value), r.Expected) << std::hex << r.Format;
  }
}

// A length that is a whole number of units keeps its number in truncate and round-up
// modes, though the mapped ends measure it a few units in the last place short or long.
TEST(FormatDimensionValue, WholeLengthsSurviveTheErrorOfMeasuringAgain) {
  const double turn = std::numbers::pi / 6;
  const TPlacement turned{10, 20, std::cos(turn), -std::sin(turn), std::sin(turn), std::cos(turn)};
  const struct {
    uint16_t Format;
    double Length;  // at full size, group scale 100
    const char* Expected;
  } rows[] = {
      {0x0102, 910, "910"},
      {0x0102, 455, "455"},
      {0x0102, 4550, "4550"},
      {0x0102, 2275, "2275"},
      {0x0102, 1150, "1150"},
      {0x2182, 1820.05, "1820.05"},
      {0x2282, 12000, "12000.00"},
      {0x3282, 1500, "1500.000"},
      {0x0202, 1048576, "1048576"},
      {0x2282, 1820.05, "1820.05"},
      {0x0102, 1149.99, "1149"},
      {0x0202, 1150.01, "1151"},
      {0x2202, 12000.001, "12000.01"},
      {0x2102, 910.0099, "910"},
  };
  for (const auto& r : rows) {
    TEntJwwLine line{};
    line.StartX = 12.3;
    line.StartY = 45.6;
    line.EndX = line.StartX + r.Length / 100;
    line.EndY = line.StartY;
    const SjisString value = FormatDimensionValue(r.Format, 0, line, 100, turned);
    EXPECT_EQ(SjisToUtf8(value), r.Expected) << std::hex << r.Format << std::dec << " " << r.Length;
  }
}

TEST(MeasureTextWidth, AddsSpacingBetweenCharactersOnly) {
  const std::string wide = "\x82\x50";  // a full-width digit
  EXPECT_DOUBLE_EQ(MeasureTextWidth("", 2, 1), 0);
  EXPECT_DOUBLE_EQ(MeasureTextWidth("12", 2, 1), 2.5);
  EXPECT_DOUBLE_EQ(MeasureTextWidth(wide + "1", 2, 1), 4);
  EXPECT_DOUBLE_EQ(MeasureTextWidth("1" + wide, 2, 1), 3.5);
  EXPECT_DOUBLE_EQ(MeasureTextWidth("1\x82", 2, 1), 2.5);  // a lone lead byte is half width
}

TEST(ToFullWidth, MapsHalfWidthCharactersAndKeepsTheRest) {
  const char* rows[][2] = {{"12.5mm", "１２．５ｍｍ"},
                           {"R12", "Ｒ１２"},
                           {"ｱｲｳ", "アイウ"},
                           {"ｶﾞ", "ガ"},
                           {"φ漢", "φ漢"},
                           {"", ""}};
  for (const auto& r : rows) EXPECT_EQ(SjisToUtf8(ToFullWidth(Utf8ToSjis(r[0]))), r[1]) << r[0];

  // 125 digits, then a two-byte character across the 126-column edge of the first piece.
  std::string expected;
  for (int i = 0; i < 125; ++i) expected += "１";
  expected += "あ";
  for (int i = 0; i < 200; ++i) expected += "２";
  const std::string in = std::string(125, '1') + Utf8ToSjis("あ") + std::string(200, '2');
  EXPECT_EQ(SjisToUtf8(ToFullWidth(in)), expected);
}

TEST(MapDimensionTextToPlacement, CentresTheNewValueOnTheMappedBaseLine) {
  TEntJwwText text{};
  text.EndX = 10;
  text.SizeX = 2;
  text.SizeY = 2.5;
  text.Spacing = 0.5;
  // Scale 2: "1" is 2 mm wide, centred on the mapped middle (15, 7).
  const TTextFrame scaled = MapDimensionTextToPlacement(text, "1", {5, 7, 2, 0, 0, 2});
  EXPECT_DOUBLE_EQ(scaled.X1, 14);
  EXPECT_DOUBLE_EQ(scaled.X2, 16);
  EXPECT_DOUBLE_EQ(scaled.Y1, 7);
  EXPECT_DOUBLE_EQ(scaled.H, 5);
  // A mirrored block runs its text from the mapped end point: still left to right.
  const TTextFrame mirrored = MapDimensionTextToPlacement(text, "12", {0, 0, -1, 0, 0, 1});
  EXPECT_DOUBLE_EQ(mirrored.X1, -6.125);
  EXPECT_DOUBLE_EQ(mirrored.X2, -3.875);
}

}  // namespace
}  // namespace pennatran
