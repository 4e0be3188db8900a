// The canonical form of a user slot is what saving and loading settle on, and every slot
// comparison (apply, diff, audit, the marks) sees two slots alike exactly when their
// canonical forms agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "jww/byte_writer.h"
#include "jww/jww_writer.h"
#include "jww/string_rules.h"
#include "palette/palette_diff.h"
#include "palette/slot_canonical.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Saves and loads doc until a round changes nothing.
TJwwData Settled(TJwwData doc) {
  for (int round = 0; round < 10; ++round) {
    TStringSink sink;
    WriteJww(doc, sink, 700);
    TJwwData back;
    EXPECT_TRUE(back.LoadFromBytes(reinterpret_cast<const uint8_t*>(sink.Bytes.data()),
                                   sink.Bytes.size(), "x.jww"));
    const auto same = [](const auto& a, const auto& b) { return SameSlot(a, b); };
    if (std::equal(back.ColorExNos.begin(), back.ColorExNos.end(), doc.ColorExNos.begin(),
                   doc.ColorExNos.end(), same) &&
        std::equal(back.LineTypeExNos.begin(), back.LineTypeExNos.end(), doc.LineTypeExNos.begin(),
                   doc.LineTypeExNos.end(), same))
      return back;
    doc = std::move(back);
  }
  ADD_FAILURE() << "saving and loading never settled";
  return doc;
}

struct ColorCase {
  const char* What;
  TEntJwwColorExNo Entry;
  TEntJwwColorExNo Canonical;
};

TEntJwwColorExNo Color(const char* name, uint32_t screen, uint32_t print, double radius = 0.5) {
  return {screen, 1, name, print, 2, radius};
}

class CanonicalColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(CanonicalColorTest, IsWhatSavingAndLoadingSettleOn) {
  const ColorCase& c = GetParam();
  const TEntJwwColorExNo canonical = CanonicalSlot(c.Entry, TSlot(17));
  EXPECT_TRUE(SameSlot(canonical, c.Canonical)) << c.What << ": \"" << canonical.Name << "\"";

  TJwwData doc = SampleDocument();
  doc.SizeHeaderTables();
  doc.ColorExNos[17] = c.Entry;
  EXPECT_TRUE(SameSlot(Settled(doc).ColorExNos[17], canonical)) << c.What;
  EXPECT_TRUE(SameSlot(CanonicalSlot(canonical, TSlot(17)), canonical)) << c.What;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CanonicalColorTest,
    ::testing::Values(
        ColorCase{"blank name", Color("", 0xFF, 0xFF), Color("Color_17", 0xFF, 0xFF)},
        ColorCase{"spaces only", Color(" \x81\x40 ", 0xFF, 0xFF), Color("Color_17", 0xFF, 0xFF)},
        ColorCase{"^^mm", Color("^^mm", 0xFF, 0xFF), Color("Color_17", 0xFF, 0xFF)},
        ColorCase{"^m inside", Color("a^mb^", 0xFF, 0xFF), Color("ab^", 0xFF, 0xFF)},
        ColorCase{"^ control m", Color("x^\x01m", 0xFF, 0xFF), Color("x", 0xFF, 0xFF)},
        ColorCase{"trailing lead byte", Color("\x81", 0xFF, 0xFF), Color("Color_17", 0xFF, 0xFF)},
        ColorCase{"two-byte ^m stays", Color("\x81^m", 0xFF, 0xFF), Color("\x81^m", 0xFF, 0xFF)},
        ColorCase{"print colour", Color("a", 0x123456, 0x0000FF), Color("a", 0x123456, 0x123456)},
        ColorCase{"-0.0", Color("a", 1, 1, -0.0), Color("a", 1, 1, 0.0)},
        ColorCase{"NaN", Color("a", 1, 1, kNaN), Color("a", 1, 1, -kNaN)}));

struct LineTypeCase {
  const char* What;
  TEntJwwLineTypeExNo Entry;
  TEntJwwLineTypeExNo Canonical;
};

TEntJwwLineTypeExNo LineType(const char* name, int32_t segments, uint32_t pattern,
                             double pitch = 2.0) {
  return {pattern, 3, 4, 5, name, segments, {pitch, 1.5}};
}

TEntJwwLineTypeExNo Plain(const char* name) {
  return {0xC3C3C3C3, 8, 1, 8, name, 2, {1.0, 1.0}};
}

class CanonicalLineTypeTest : public ::testing::TestWithParam<LineTypeCase> {};

TEST_P(CanonicalLineTypeTest, IsWhatSavingAndLoadingSettleOn) {
  const LineTypeCase& c = GetParam();
  const TEntJwwLineTypeExNo canonical = CanonicalSlot(c.Entry, TSlot(17));
  EXPECT_TRUE(SameSlot(canonical, c.Canonical)) << c.What << ": \"" << canonical.Name << "\"";
  TJwwData doc = SampleDocument();
  doc.SizeHeaderTables();
  doc.LineTypeExNos[17] = c.Entry;
  EXPECT_TRUE(SameSlot(Settled(doc).LineTypeExNos[17], canonical)) << c.What;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CanonicalLineTypeTest,
    ::testing::Values(
        LineTypeCase{"real unused slot", LineType("", 0, 0), Plain("LType_17")},
        LineTypeCase{"segment count 3", LineType("dash", 3, 0xF0), Plain("LType_17")},
        LineTypeCase{"segment count 4", LineType("dash", 4, 0xF0), LineType("dash", 4, 0xF0)},
        LineTypeCase{"pattern 0", LineType("", 4, 0), LineType("LType_17", 4, 0xFFFFFFFF)},
        LineTypeCase{"^^mm", LineType("^^mm", 2, 1), LineType("LType_17", 2, 1)},
        LineTypeCase{"-0.0", LineType("a", 2, 1, -0.0), LineType("a", 2, 1, 0.0)},
        LineTypeCase{"NaN", LineType("a", 2, 1, kNaN), LineType("a", 2, 1, kNaN)}));

TEST(SameNumber, ComparesByValueWithEveryNaNAlike) {
  const double otherNaN = std::nan("7");
  EXPECT_TRUE(SameNumber(-0.0, 0.0));
  EXPECT_TRUE(SameNumber(kNaN, otherNaN));
  EXPECT_TRUE(SameNumber(kNaN, -kNaN));
  EXPECT_FALSE(SameNumber(kNaN, 0.0));
  EXPECT_FALSE(SameNumber(1.0, std::nextafter(1.0, 2.0)));
}

// A palette and a drawing compare alike in the diff, the marks and apply's count.
TEST(OneComparison, DiffMarksAndApplyAgree) {
  TJwwData doc = SampleDocument();
  doc.SizeHeaderTables();
  doc.ColorExNos[17] = Color("", 0xFF, 0, -0.0);
  doc.ColorExNos[18] = Color("a", 0xFF, 0xFF, kNaN);
  doc.LineTypeExNos[17] = LineType("", 0, 0);
  TPalette palette = PaletteOfDrawing(doc);
  palette.Colors[TSlot(17)] = Color("Color_17", 0xFF, 0xFF, 0.0);
  palette.Colors[TSlot(18)] = Color("a", 0xFF, 0x00, std::nan("3"));
  palette.LineTypes[TSlot(17)] = Plain("LType_17");
  palette.Colors[TSlot(19)].Name = "changed";

  const TPalette drawing = PaletteOfDrawing(doc);
  const std::vector<TSlotRef> changed = ChangedSlots(CompareSlots(palette, drawing, palette.Held));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0], (TSlotRef{TSlotKind::Color, TSlot(19)}));
  EXPECT_EQ(DifferingSlots(palette, drawing, TSlotKind::Color), std::vector<TSlot>{TSlot(19)});
  EXPECT_TRUE(DifferingSlots(palette, drawing, TSlotKind::LineType).empty());
  EXPECT_EQ(ApplyPalette(palette, palette.Held, doc), 1);
  EXPECT_EQ(ApplyPalette(palette, palette.Held, doc), 0);
}

TEST(SettledName, TakesEveryCaretMAtOnce) {
  const std::string deep = std::string(100000, '^') + std::string(100000, 'm');
  EXPECT_EQ(SettledName(deep), "");
  EXPECT_EQ(SettledName("a^^mmb"), "ab");
  EXPECT_EQ(SettledName("\x81^m"), "\x81^m");  // the caret is a second byte
  EXPECT_EQ(SettledName("^\x81\x40m"), "^\x81\x40m");
}

}  // namespace
}  // namespace pennatran::testing
