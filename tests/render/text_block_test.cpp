// Texts drawn through block placements: the mapped frame, and the whole path from a built
// drawing through the reader and the draw pass, where substitution codes read the values
// the load published and the scale of their layer group or placement.
#include <cmath>
#include <numbers>

#include "render/draw_preview.h"
#include "render/drawers.h"
#include "render/text_layout.h"
#include "support/jww_builder.h"
#include "text_fixture.h"

namespace pennatran::testing {
namespace {

// A 20 mm base line from (10, 10) along x; H 2.5, W 2.5, S 0.5.
constexpr TTextFrame kFrame{10, 10, 30, 10, 2.5, 2.5, 0.5};

void ExpectFrame(const TTextFrame& f, const TTextFrame& expected) {
  constexpr double kTol = 1e-9;
  EXPECT_NEAR(f.X1, expected.X1, kTol);
  EXPECT_NEAR(f.Y1, expected.Y1, kTol);
  EXPECT_NEAR(f.X2, expected.X2, kTol);
  EXPECT_NEAR(f.Y2, expected.Y2, kTol);
  EXPECT_NEAR(f.H, expected.H, kTol);
  EXPECT_NEAR(f.W, expected.W, kTol);
  EXPECT_NEAR(f.S, expected.S, kTol);
}

TEST(MapTextToPlacementTest, MeasuresTheMetricsOnTheMappedAxes) {
  const struct {
    const char* Name;
    TPlacement Placement;
    TTextFrame Expected;
  } cases[] = {
      // Stretched across the text: only the height grows.
      {"stretch y", {0, 0, 1, 0, 0, 3}, {10, 30, 30, 30, 7.5, 2.5, 0.5}},
      // Metrics rounded half-up to four decimals.
      {"third",
       {0, 0, 1.0 / 3, 0, 0, 1.0 / 3},
       {10.0 / 3, 10.0 / 3, 10, 10.0 / 3, 0.8333, 0.8333, 0.1667}},
      // Widths and heights never fall below 0.0001; spacing may vanish.
      {"tiny", {0, 0, 1e-6, 0, 0, 1e-6}, {1e-5, 1e-5, 3e-5, 1e-5, 0.0001, 0.0001, 0}},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.Name);
    ExpectFrame(MapTextToPlacement(t.Placement, kFrame), t.Expected);
  }
}

TEST(MapTextToPlacementTest, IdentityKeepsMirroredAndHangingMetrics) {
  const TTextFrame mirrored{10, 10, 30, 10, -2.5, -2.5, -0.5};
  ExpectFrame(MapTextToPlacement({}, mirrored), mirrored);
  ExpectFrame(MapTextToPlacement({}, {0, 0, 1, 0, 1e-7, -1e-7, 0}),
              {0, 0, 1, 0, 0.0001, -0.0001, 0});
}

TEST(MapTextToPlacementTest, NegativeWidthKeepsItsSignThroughTurnsAndScales) {
  const TTextFrame halfTurned{10, 10, 30, 10, 2.5, -2.5, 0.5};
  ExpectFrame(MapTextToPlacement({0, 0, 2, 0, 0, 2}, halfTurned), {20, 20, 60, 20, 5, -5, 1});
  ExpectFrame(MapTextToPlacement({0, 0, 0, -1, 1, 0}, halfTurned),
              {-10, 10, -10, 30, 2.5, -2.5, 0.5});
}

class TextBlockTest : public TextFixture {};

TEST_F(TextBlockTest, ScaledBlockDoublesTheFont) {
  const TPlacement doubled{0, 0, 2, 0, 0, 2};
  DrawText(ctx, canvas, Text("AB", 10, 10, 30, 10), &doubled);
  EXPECT_EQ(Fonts(), TLines({"font 50 25 0 400 0 0 0 ＭＳ ゴシック"}));
  EXPECT_EQ(Texts(), TLines({"text 200 750 A", "text 225 750 B"}));
}

TEST_F(TextBlockTest, TurnedBlockTurnsTheText) {
  const double c = std::cos(std::numbers::pi / 2), s = std::sin(std::numbers::pi / 2);
  const TPlacement turned{50, 0, c, -s, s, c};
  DrawText(ctx, canvas, Text("AB", 10, 10, 30, 10), &turned);
  EXPECT_EQ(Fonts(), TLines({"font 25 12 900 400 0 0 0 ＭＳ ゴシック"}));
  EXPECT_EQ(Texts(), TLines({"text 375 900 A", "text 375 888 B"}));
}

TEST_F(TextBlockTest, MirroringBlockRunsTheTextFromTheMappedEnd) {
  const TPlacement mirrored{100, 0, -1, 0, 0, 1};
  DrawText(ctx, canvas, Text("AB", 10, 10, 30, 10), &mirrored);
  EXPECT_EQ(Texts(), TLines({"text 700 875 A", "text 712 875 B"}));
}

TEST_F(TextBlockTest, OwnScaleFlagChoosesWhoseScaleTheCodesRead) {
  ctx.LayerGroupScales.assign(16, 1.0);
  ctx.LayerGroupScales[4] = 20;
  ctx.CurrentScale = 300;  // set by the pass for the placement
  TEntJwwText text = Text("%ss", 10, 10, 30, 10);
  text.Common.LayerGroup = 4;
  const TPlacement identity{};
  DrawText(ctx, canvas, text, &identity, false);
  EXPECT_EQ(ctx.CurrentScale, 300);
  EXPECT_EQ(Texts().size(), 3u);  // "300"
  canvas.Lines.clear();
  DrawText(ctx, canvas, text, &identity, true);
  EXPECT_EQ(ctx.CurrentScale, 20);
  EXPECT_EQ(Texts().size(), 2u);  // "20"
}

// The characters of each run, in drawing order.
TLines Runs(const TLines& trace) {
  TLines runs;
  for (const std::string& line : trace) {
    if (line.starts_with("font ")) runs.emplace_back();
    if (line.starts_with("text ") && !runs.empty()) {
      runs.back() += line.substr(line.find(' ', line.find(' ', 5) + 1) + 1);
    }
  }
  return runs;
}

TEST_F(TextBlockTest, CodesInADrawingReadTheLoadedValues) {
  TJwwData doc = SampleDocument();  // print scale 2.5, drawing time 3725 s, memo of 2 lines
  for (auto& group : doc.LayerGroups) group.Scale = 100;
  doc.LayerGroups[2].Scale = 200;
  doc.LayerGroups[3].Scale = 50;
  doc.Layers.assign(256, {1, 0, ""});
  doc.LayerGroups[2].State = doc.LayerGroups[3].State = 2;
  Append(doc, MakeText(10, 90, "%SS", MakeCommon(1, 1, 0, 2)));
  Append(doc, MakeText(10, 80, "%SP", MakeCommon(1, 1, 0, 2)));
  Append(doc, MakeText(10, 70, "%m1", MakeCommon(1, 1, 0, 2)));
  Append(doc, MakeText(10, 60, "$T", MakeCommon(1, 1, 0, 2)));
  Append(doc, MakeText(10, 50, "%f", MakeCommon(1, 1, 0, 2)));
  TEntJwwBlockDef def = MakeBlockDef(1, "b");
  Append(def, MakeText(0, 0, "%SS", MakeCommon(1, 1, 0, 0)));
  doc.BlockDefs.push_back(def);
  Append(doc, MakeInsert(1, 10, 30, 1, 1, 0, MakeCommon(1, 1, 0, 3)));

  const std::vector<uint8_t> bytes = TJwwBuilder::Drawing(doc);
  TJwwData loaded;
  ASSERT_TRUE(loaded.LoadFromBytes(bytes.data(), bytes.size(), "/data/図面/plan.jww"));
  ctx.DocInfo = loaded.DocInfo;
  DrawEntities(ctx, loaded, canvas);
  EXPECT_EQ(Runs(canvas.Lines),
            TLines({"1/200", "1/80", "memo line 1", "1 : 02", "plan.jww", "1/50"}));
}

}  // namespace
}  // namespace pennatran::testing
