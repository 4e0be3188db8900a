// Control sequences: where and how large the characters after a mode code are drawn, and
// the style, colour and switching codes between runs.
#include "render/drawers.h"
#include "text_fixture.h"

namespace pennatran::testing {
namespace {

constexpr TColor kPen1 = MakeColor(0x12, 0x34, 0x56);

// Font trace line of a run in face "F".
std::string Font(int h, int w, const char* style = "400 0 0 0") {
  return "font " + std::to_string(h) + ' ' + std::to_string(w) + " 0 " + style + " F";
}

// W = H = 2 mm from (10, 10) at 100 pixels per mm: pixel x = 100 x, y = 10000 - 100 y.
class TextControlTest : public TextFixture {
 protected:
  TextControlTest() {
    SetScale(100);
    att.SetPen(1, kPen1, 0.18, 0.2);
    att.SetPen(2, MakeColor(0, 0xAA, 0), 0.18, 0.2);
    att.SetPen(9, MakeColor(0xEE, 0, 0), 0.18, 0.2);
    canvas.SetPen(kPen1, 0, TPenStyle::Solid);
    canvas.Lines.clear();
  }

  TLines Draw(std::string_view sjis, double s = 0, int32_t style = 0) {
    DrawTextString(ctx, canvas, style, "F", {10, 10, 30, 10, 2, 2, s}, sjis);
    return Lines({"font", "text"});
  }
  TLines DrawUtf8(std::string_view utf8, double s = 0) { return Draw(Utf8ToSjis(utf8), s); }
};

struct TModeCase {
  const char* Content;  // UTF-8
  TLines Trace;
};

class TextModeTest : public TextControlTest, public ::testing::WithParamInterface<TModeCase> {};

TEST_P(TextModeTest, ModeCodesPlaceAndSizeTheNextCharacter) {
  EXPECT_EQ(DrawUtf8(GetParam().Content), GetParam().Trace);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TextModeTest,
    ::testing::Values(
        // Raised by half the height at half height; the text goes on half a step later.
        TModeCase{"A^uBC",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 100), "text 1100 8800 B",
                   Font(200, 100), "text 1200 8800 C"}},
        TModeCase{"A^uあC",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 50), "text 1100 8800 あ",
                   Font(200, 100), "text 1200 8800 C"}},
        // On the base line at half height.
        TModeCase{"A^dBC",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 100), "text 1100 8900 B",
                   Font(200, 100), "text 1200 8800 C"}},
        // Raised by a quarter of the height.
        TModeCase{"A^cBC",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 100), "text 1100 8850 B",
                   Font(200, 100), "text 1200 8800 C"}},
        // Overlays: centred small, centred, a quarter and a fifth past the centre; the
        // text then goes on where the overlaid character ended.
        TModeCase{"A^oBC",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 50), "text 1025 8850 B",
                   Font(200, 100), "text 1100 8800 C"}},
        TModeCase{"A^nBC",
                  {Font(200, 100), "text 1000 8800 A", Font(200, 100), "text 1000 8800 B",
                   Font(200, 100), "text 1100 8800 C"}},
        TModeCase{"A^bB", {Font(200, 100), "text 1000 8800 A", Font(200, 100), "text 1025 8800 B"}},
        TModeCase{"A^BB", {Font(200, 100), "text 1000 8800 A", Font(200, 100), "text 1020 8800 B"}},
        TModeCase{"あ^oい",
                  {Font(200, 100), "text 1000 8800 あ", Font(100, 50), "text 1050 8850 い"}},
        TModeCase{"あ^nい",
                  {Font(200, 100), "text 1000 8800 あ", Font(200, 100), "text 1000 8800 い"}},
        TModeCase{"あ^bい",
                  {Font(200, 100), "text 1000 8800 あ", Font(200, 100), "text 1050 8800 い"}},
        TModeCase{"あ^Bい",
                  {Font(200, 100), "text 1000 8800 あ", Font(200, 100), "text 1040 8800 い"}},
        // "^w" overlays a pair of half-width characters, small and without spacing.
        TModeCase{"A^wbcD",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 50), "text 1000 8850 b",
                   "text 1050 8850 c", Font(200, 100), "text 1100 8800 D"}},
        TModeCase{"A^wbあ",
                  {Font(200, 100), "text 1000 8800 A", Font(100, 50), "text 1025 8850 b",
                   Font(200, 100), "text 1100 8800 あ"}},
        // ...but a full-width character after "^w" stays in the text with the code.
        TModeCase{"A^wあ",
                  {Font(200, 100), "text 1000 8800 A", Font(200, 100), "text 1100 8800 ^",
                   "text 1200 8800 w", "text 1300 8800 あ"}}));

TEST_F(TextControlTest, OverlayOffsetsIncludeThePreviousSpacing) {
  // With spacing 1, "A" steps 1.5 mm; "^n" still centres B on it.
  EXPECT_EQ(DrawUtf8("A^nB", 1),
            TLines({Font(200, 100), "text 1000 8800 A", Font(200, 100), "text 1000 8800 B"}));
}

TEST_F(TextControlTest, StyleCodesApplyFromTheNextRun) {
  EXPECT_EQ(DrawUtf8("A^!B^/C^#D^_E^-F"),
            TLines({Font(200, 100), "text 1000 8800 A", Font(200, 100, "700 0 0 0"),
                    "text 1100 8800 B", Font(200, 100, "700 1 0 0"), "text 1200 8800 C",
                    Font(200, 100), "text 1300 8800 D", Font(200, 100, "400 0 1 0"),
                    "text 1400 8800 E", Font(200, 100, "400 0 1 1"), "text 1500 8800 F"}));
  canvas.Lines.clear();
  // "^#" returns to the text's own style, here italic.
  EXPECT_EQ(Draw("A^!B^#C", 0, 2),
            TLines({Font(200, 100, "400 1 0 0"), "text 1000 8800 A", Font(200, 100, "700 1 0 0"),
                    "text 1100 8800 B", Font(200, 100, "400 1 0 0"), "text 1200 8800 C"}));
}

TEST_F(TextControlTest, ColourCodesTakeAPenColourFromTheNextRun) {
  Draw("A^$2B^$9C");
  EXPECT_EQ(Lines({"fontcolor", "text"}),
            TLines({"fontcolor 123456", "text 1000 8800 A", "fontcolor 00AA00", "text 1100 8800 B",
                    "fontcolor EE0000", "text 1200 8800 C"}));
}

TEST_F(TextControlTest, UnknownOrIncompleteCodesStayInTheText) {
  const std::pair<const char*, const char*> cases[] = {
      {"A^zB", "A^zB"}, {"A^$xB", "A^$xB"}, {"A^$0B", "A^$0B"}, {"A^$", "A^$"},
      {"A^u", "A^u"},   {"A^", "A^"},       {"A^^B", "A^^B"},
  };
  for (const auto& [content, drawn] : cases) {
    canvas.Lines.clear();
    const TLines trace = Draw(content);
    ASSERT_EQ(trace.size(), std::string_view(drawn).size() + 1) << content;
    EXPECT_EQ(trace[0], Font(200, 100)) << content;
    for (size_t i = 0; i < std::string_view(drawn).size(); ++i) {
      EXPECT_EQ(trace[i + 1], "text " + std::to_string(1000 + 100 * i) + " 8800 " + drawn[i])
          << content;
    }
  }
}

TEST_F(TextControlTest, ModeCodeBeforeAnotherCodeIsText) {
  EXPECT_EQ(Draw("A^u^!B"),
            TLines({Font(200, 100), "text 1000 8800 A", "text 1100 8800 ^", "text 1200 8800 u",
                    Font(200, 100, "700 0 0 0"), "text 1300 8800 B"}));
}

TEST_F(TextControlTest, ControlsCanBeSwitchedOffUntilADoubleCaret) {
  EXPECT_EQ(Draw("A^*^!B^^C^!D"),
            TLines({Font(200, 100), "text 1000 8800 A", Font(200, 100), "text 1100 8800 ^",
                    "text 1200 8800 !", "text 1300 8800 B", Font(200, 100), "text 1400 8800 C",
                    Font(200, 100, "700 0 0 0"), "text 1500 8800 D"}));
}

TEST_F(TextControlTest, RunsAdvanceByTheirByteLength) {
  EXPECT_EQ(DrawUtf8("あ^!B"), TLines({Font(200, 100), "text 1000 8800 あ",
                                       Font(200, 100, "700 0 0 0"), "text 1200 8800 B"}));
}

TEST_F(TextControlTest, TwoByteCharactersAreNeverCutByTheInterpreter) {
  // "タ" is 83 5E: its second byte is "^" and must not start a code.
  EXPECT_EQ(Draw("A^\x83\x5E"
                 "B"),
            TLines({Font(200, 100), "text 1000 8800 A", "text 1100 8800 ^", "text 1200 8800 タ",
                    "text 1400 8800 B"}));
  canvas.Lines.clear();
  // A lone lead byte at the end is dropped.
  EXPECT_EQ(Draw("A^!B\x82"), TLines({Font(200, 100), "text 1000 8800 A",
                                      Font(200, 100, "700 0 0 0"), "text 1100 8800 B"}));
}

TEST_F(TextControlTest, SubstitutedAndPercentTextsAreNotInterpreted) {
  EXPECT_EQ(Draw("%%^u"), TLines({Font(200, 100), "text 1000 8800 %", "text 1100 8800 %",
                                  "text 1200 8800 ^", "text 1300 8800 u"}));
}

}  // namespace
}  // namespace pennatran::testing
