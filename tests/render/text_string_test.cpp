// The common core of text drawing: legibility, rounding, mirrored widths, trailing marks,
// vertical faces and the visibility of single glyphs.
#include <cmath>
#include <numbers>

#include "render/drawers.h"
#include "render/text_string.h"
#include "text_fixture.h"

namespace pennatran::testing {
namespace {

constexpr TColor kPen1 = MakeColor(0x12, 0x34, 0x56);

class TextStringTest : public TextFixture {
 protected:
  TextStringTest() { att.SetPen(1, kPen1, 0.18, 0.2); }
};

struct TLegibilityCase {
  double Scale;
  double SizeY;
  double EndX;
  bool Stroke;
};

class TextLegibilityTest : public TextStringTest,
                           public ::testing::WithParamInterface<TLegibilityCase> {};

// A 20 mm base line from (10, 10) with 2.5 mm characters, at several scales and sizes.
TEST_P(TextLegibilityTest, ThinOrHugeTextsBecomeAThickStroke) {
  const TLegibilityCase c = GetParam();
  SetScale(c.Scale);
  DrawText(ctx, canvas, Text("AB", 10, 10, c.EndX, 10, 2.5, c.SizeY));
  const std::vector<std::string> strokes = Lines({"pen", "moveto", "lineto"});
  if (c.Stroke) {
    const int32_t y = ctx.Mapping.PixelHeight - static_cast<int32_t>(std::lround(10 * c.Scale));
    EXPECT_EQ(
        strokes,
        TLines(
            {"pen 123456 0 solid", "pen 123456 3 solid",
             "moveto " + std::to_string(std::lround(10 * c.Scale)) + ' ' + std::to_string(y),
             "lineto " + std::to_string(std::lround(c.EndX * c.Scale)) + ' ' + std::to_string(y)}));
    EXPECT_TRUE(Texts().empty());
  } else {
    EXPECT_EQ(Texts().size(), 2u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, TextLegibilityTest,
    ::testing::Values(TLegibilityCase{2, 2.5, 30, true},     // 5 pixels high
                      TLegibilityCase{3, 2.5, 30, false},    // 7.5 pixels high
                      TLegibilityCase{2, 3, 30, false},      // exactly 6 pixels
                      TLegibilityCase{10, 100, 30, false},   // exactly 1000 pixels
                      TLegibilityCase{10, 100.1, 30, true},  // over 1000 pixels
                      TLegibilityCase{10, 2.5, 10.5, true},  // base line 5 pixels long
                      TLegibilityCase{10, 2.5, 10, true}));  // no base line at all

TEST_F(TextStringTest, FontHeightAndPositionsRoundHalvesToEven) {
  SetScale(3);  // 2.5 mm gives 7.5 pixels: 8 high, 3.75 -> 4 wide
  DrawText(ctx, canvas, Text("AB", 10, 10, 30, 10));
  EXPECT_EQ(Fonts(), TLines({"font 8 4 0 400 0 0 0 ＭＳ ゴシック"}));

  canvas.Lines.clear();
  SetScale(10);  // 12.5 pixels wide gives 12; B starts at 112.5 and lands on 112
  DrawText(ctx, canvas, Text("ABC", 10, 10, 30, 10));
  EXPECT_EQ(Fonts(), TLines({"font 25 12 0 400 0 0 0 ＭＳ ゴシック"}));
  EXPECT_EQ(Texts(), TLines({"text 100 875 A", "text 112 875 B", "text 125 875 C"}));
  EXPECT_EQ(Lines({"fontcolor"}), TLines({"fontcolor 123456"}));
}

TEST_F(TextStringTest, FullWidthCharactersStepByWidthPlusSpacing) {
  // Full-width steps W + S = 3, half-width (W + S) / 2 = 1.5.
  DrawText(ctx, canvas, Text("あAい", 10, 10, 30, 10, 2.5, 2.5, 0.5));
  EXPECT_EQ(Texts(), TLines({"text 100 875 あ", "text 130 875 A", "text 145 875 い"}));
}

TEST_F(TextStringTest, TurnedTextCarriesItsEscapement) {
  DrawText(ctx, canvas, Text("AB", 50, 50, 50, 80));
  EXPECT_EQ(Fonts(), TLines({"font 25 12 900 400 0 0 0 ＭＳ ゴシック"}));
  // The cell's top-left lies H to the left of the base point; B is 1.25 mm further up.
  EXPECT_EQ(Texts(), TLines({"text 475 500 A", "text 475 488 B"}));
}

TEST_F(TextStringTest, MirroredWidthRunsBackFromTheEndPoint) {
  DrawText(ctx, canvas, Text("AB", 10, 10, 30, 10, -2.5, 2.5, -1));
  EXPECT_EQ(Fonts(), TLines({"font 25 12 1800 400 0 0 0 ＭＳ ゴシック"}));
  // Turned half a turn, the cell hangs below the base line; the step keeps (2.5 + 1) / 2.
  EXPECT_EQ(Texts(), TLines({"text 300 925 A", "text 282 925 B"}));
}

TEST_F(TextStringTest, NegativeHeightHangsTheCellBelowTheBaseLine) {
  DrawText(ctx, canvas, Text("A", 10, 10, 30, 10, 2.5, -2.5));
  EXPECT_EQ(Texts(), TLines({"text 100 900 A"}));
}

struct TMarkCase {
  const char* Content;
  double W;
  double S;
  std::vector<std::string> Texts;
  const char* Font;
};

class TextMarkTest : public TextStringTest, public ::testing::WithParamInterface<TMarkCase> {};

TEST_P(TextMarkTest, TrailingMarksSpreadOrCompressTheText) {
  const TMarkCase& c = GetParam();
  DrawText(ctx, canvas, Text(c.Content, 10, 10, 30, 10, c.W, 2.5, c.S));
  EXPECT_EQ(Texts(), c.Texts);
  EXPECT_EQ(Fonts(), TLines({std::string("font 25 ") + c.Font + " 0 400 0 0 0 ＭＳ ゴシック"}));
}

INSTANTIATE_TEST_SUITE_P(
    Marks, TextMarkTest,
    ::testing::Values(
        // "abc･" is 4 columns of 1 mm: without the dot, a, b, c keep that length.
        TMarkCase{"abc･", 2, 0, {"text 100 875 a", "text 115 875 b", "text 130 875 c"}, "10"},
        // With spacing 0.4 the gaps were 3 x 0.2: the same length again.
        TMarkCase{"abc･", 2, 0.4, {"text 100 875 a", "text 118 875 b", "text 136 875 c"}, "10"},
        // A dot inside the text is an ordinary character.
        TMarkCase{"a･b", 2, 0, {"text 100 875 a", "text 110 875 ･", "text 120 875 b"}, "10"},
        // Two "・" marks: a and b spread over 6 mm.
        TMarkCase{"ab・・", 2, 0, {"text 100 875 a", "text 150 875 b"}, "10"},
        // A "・" followed by other text is kept.
        TMarkCase{"a・b", 2, 0, {"text 100 875 a", "text 110 875 ・", "text 130 875 b"}, "10"},
        // Ten characters squeezed into eight columns: width 1.6, step 0.8.
        TMarkCase{"abcdefghij^2",
                  2,
                  0,
                  {"text 100 875 a", "text 108 875 b", "text 116 875 c", "text 124 875 d",
                   "text 132 875 e", "text 140 875 f", "text 148 875 g", "text 156 875 h",
                   "text 164 875 i", "text 172 875 j"},
                  "8"},
        // One character and "^2": the mark goes, nothing is compressed.
        TMarkCase{"a^2", 2, 0, {"text 100 875 a"}, "10"},
        // Dots followed by a final "^" are text, as is the "^".
        TMarkCase{"a・^", 2, 0, {"text 100 875 a", "text 110 875 ・", "text 130 875 ^"}, "10"},
        // "^0" is not a compression mark; it stays as text.
        TMarkCase{"ab^0",
                  2,
                  0,
                  {"text 100 875 a", "text 110 875 b", "text 120 875 ^", "text 130 875 0"},
                  "10"}));

TEST_F(TextStringTest, VerticalTextUsesTheVerticalFaceWithExchangedSizes) {
  TEntJwwText text = Text("縦書", 50, 90, 50, 50, 4, 2);
  text.Common.Flags = 0x20;
  DrawText(ctx, canvas, text);
  // Height 4 and width 2 after the exchange; the column runs down the page.
  EXPECT_EQ(Fonts(), TLines({"font 40 10 2700 400 0 0 0 @ＭＳ ゴシック"}));
  EXPECT_EQ(Texts(), TLines({"text 540 100 縦", "text 540 120 書"}));
}

TEST_F(TextStringTest, VerticalFaceOfAVerticalFontTurnsEachGlyphInItsCell) {
  TEntJwwText text = Text("縦", 50, 90, 50, 50, 4, 2);
  text.Common.Flags = 0x20;
  text.FontName.Assign(Utf8ToSjis("@ＭＳ 明朝"));
  DrawText(ctx, canvas, text);
  // "@@" drops both marks and turns half a turn; the reference point moves to the far
  // corner of the cell: W along the column and H to the right of it.
  EXPECT_EQ(Fonts(), TLines({"font 40 10 900 400 0 0 0 ＭＳ 明朝"}));
  EXPECT_EQ(Texts(), TLines({"text 500 120 縦"}));
}

TEST_F(TextStringTest, StyleCodesFollowTheTextKind) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0, "400 0"}, {9999, "400 0"}, {10000, "400 1"}, {20000, "700 0"}, {30000, "700 1"}};
  for (const auto& [kind, expected] : cases) {
    canvas.Lines.clear();
    TEntJwwText text = Text("A", 10, 10, 30, 10);
    text.TextKind = kind;
    DrawText(ctx, canvas, text);
    EXPECT_EQ(Fonts(), TLines({std::string("font 25 12 0 ") + expected + " 0 0 ＭＳ ゴシック"}))
        << kind;
  }
}

TEST_F(TextStringTest, OverrideColourReplacesPenAndFontColour) {
  DrawText(ctx, canvas, Text("A", 10, 10, 30, 10), nullptr, false, MakeColor(0xAA, 0xBB, 0xCC));
  EXPECT_EQ(Lines({"fontcolor"}), TLines({"fontcolor AABBCC", "fontcolor AABBCC"}));
  EXPECT_EQ(canvas.Pen, MakeColor(0xAA, 0xBB, 0xCC));
}

TEST_F(TextStringTest, ImageReferencesAreLeftToTheImageDrawer) {
  DrawText(ctx, canvas, Text("^@BMa.bmp,10,10", 10, 10, 30, 10));
  EXPECT_TRUE(canvas.Lines.empty());
  // Without a comma it is ordinary text; "^@" is no control and stays.
  DrawText(ctx, canvas, Text("^@BM", 10, 10, 30, 10));
  EXPECT_EQ(Texts().size(), 4u);
}

// A glyph is written when one corner of its cell is inside the window.
TEST_F(TextStringTest, GlyphsNeedOneCornerInsideTheWindow) {
  DrawGlyph(ctx, canvas, -1, 50, 4, 4, 0, Utf8ToSjis("あ"));
  EXPECT_EQ(Texts(), TLines({"text -10 460 あ"}));

  canvas.Lines.clear();
  DrawGlyph(ctx, canvas, -5, 50, 4, 4, 0, Utf8ToSjis("あ"));
  EXPECT_TRUE(Texts().empty());

  // A diamond centred on the window's corner: all four corners outside although the cell
  // covers the corner.
  DrawGlyph(ctx, canvas, 0, -2 * std::numbers::sqrt2, 4, 4, std::numbers::pi / 4, Utf8ToSjis("あ"));
  EXPECT_TRUE(Texts().empty());

  // A half-width glyph is half as wide: its right corners miss the window.
  DrawGlyph(ctx, canvas, -2.5, 50, 4, 4, 0, "A");
  EXPECT_TRUE(Texts().empty());
  DrawGlyph(ctx, canvas, -2.5, 50, 4, 4, 0, Utf8ToSjis("あ"));
  EXPECT_EQ(Texts(), TLines({"text -25 460 あ"}));
}

}  // namespace
}  // namespace pennatran::testing
