#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/drawers.h"
#include "render/text_layout.h"
#include "render_fixture.h"

namespace pennatran {
namespace {

// The parts of a dimension in the order they are drawn, as bits of a selection.
enum Part { Aux1 = 1, Aux2 = 2, Mark1 = 4, Mark2 = 8, DimLine = 16, Value = 32, All = 63 };

TEntJwwLine LineOf(uint16_t color, double x1, double y1, double x2, double y2) {
  TEntJwwLine line{};
  line.Common.LineType = 1;
  line.Common.Color = color;
  line.StartX = x1, line.StartY = y1, line.EndX = x2, line.EndY = y2;
  return line;
}

// A 10 mm dimension on layer group 0 (scale 100) with its own colour on every part; its
// stored value "999" (2.5 mm high, 2 mm wide, 0.5 mm spacing) lies on (0, 1)-(10, 1).
TEntJwwDimension MakeDimension(uint16_t formatBits, uint16_t sxfMode) {
  TEntJwwDimension dim{};
  dim.SxfMode = sxfMode;
  dim.Line = LineOf(1, 0, 0, 10, 0);
  dim.AuxLine1 = LineOf(3, 0, -5, 0, 0);
  dim.AuxLine2 = LineOf(4, 10, -5, 10, 0);
  for (TEntJwwPoint* p : {&dim.Point1, &dim.Point2, &dim.AuxPoint1, &dim.AuxPoint2}) {
    p->Common.Color = 5;
    p->X = p == &dim.Point2 ? 10 : 0;
  }
  dim.Text.Common.Color = 2;
  dim.Text.Common.Width = formatBits;
  dim.Text.StartY = 1, dim.Text.EndX = 10, dim.Text.EndY = 1;
  dim.Text.SizeX = 2, dim.Text.SizeY = 2.5, dim.Text.Spacing = 0.5;
  dim.Text.FontName.Assign("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
  dim.Text.Content.Assign("999");
  return dim;
}

class DimensionInBlock : public testing::RenderFixture {
 protected:
  DimensionInBlock() {
    // 10 pixels per millimetre around the origin, so that values are drawn as characters.
    SetView(-50, -25, 50, 25, 10.0, 1000, 500);
    ctx.LayerGroupScales.assign(16, 1.0);
    ctx.LayerGroupScales[0] = 100;
  }

  // What the selected parts give when drawn one by one with the block drawers.
  std::vector<std::string> PartsTrace(const TEntJwwDimension& d, const TPlacement& p, int parts) {
    TRecordingCanvas expected;
    if (parts & Aux1) DrawLine(ctx, expected, d.AuxLine1, &p);
    if (parts & Aux2) DrawLine(ctx, expected, d.AuxLine2, &p);
    if (parts & Mark1) DrawPoint(ctx, expected, d.Point1, &p);
    if (parts & Mark2) DrawPoint(ctx, expected, d.Point2, &p);
    if (parts & DimLine) DrawLine(ctx, expected, d.Line, &p);
    if (parts & Value) DrawText(ctx, expected, d.Text, &p);
    return expected.Lines;
  }

  std::vector<std::string> DimensionTrace(const TEntJwwDimension& d, const TPlacement& p,
                                          bool hideAuxiliary) {
    TRecordingCanvas fresh;
    DrawDimensionInBlock(ctx, fresh, d, p, false, std::nullopt, hideAuxiliary);
    return fresh.Lines;
  }

  // The characters written on the canvas, in order ("text X Y CHARACTER" lines).
  std::string DrawnText(const TEntJwwDimension& d, const TPlacement& p) {
    std::string text;
    for (const std::string& line : DimensionTrace(d, p, true)) {
      if (line.rfind("text ", 0) == 0)
        text += line.substr(line.find(' ', line.find(' ', 5) + 1) + 1);
    }
    return text;
  }

  const TPlacement shifted{3, 4, 1, 0, 0, 1};
  const TPlacement doubled{0, 0, 2, 0, 0, 2};
};

TEST_F(DimensionInBlock, DrawsItsPartsAndLeavesOutAuxiliariesOnlyWhenHidden) {
  const struct {
    const char* Name;
    uint16_t SxfMode;
    void (*Mark)(TEntJwwDimension&);
    int Hidden;  // the parts left out while auxiliaries are hidden
  } rows[] = {
      {"SxfMode 0", 0, [](TEntJwwDimension&) {}, Aux1 | Aux2 | Mark1 | Mark2},
      {"SxfMode 1", 1, [](TEntJwwDimension&) {}, 0},
      {"extension colour", 1, [](TEntJwwDimension& d) { d.AuxLine1.Common.Color = 9; }, Aux1},
      {"extension type", 1, [](TEntJwwDimension& d) { d.AuxLine2.Common.LineType = 9; }, Aux2},
      {"mark colour", 1, [](TEntJwwDimension& d) { d.Point2.Common.Color = 9; }, Mark2},
      {"mark type", 1, [](TEntJwwDimension& d) { d.Point1.Common.LineType = 9; }, 0},
      {"line type", 1, [](TEntJwwDimension& d) { d.Line.Common.LineType = 9; }, DimLine},
      {"text colour", 1, [](TEntJwwDimension& d) { d.Text.Common.Color = 9; }, Value},
  };
  for (const auto& r : rows) {
    TEntJwwDimension dim = MakeDimension(0x0002, r.SxfMode);
    r.Mark(dim);
    const int drawn = r.SxfMode ? All : DimLine | Value;
    EXPECT_EQ(DimensionTrace(dim, shifted, true), PartsTrace(dim, shifted, All & ~r.Hidden))
        << r.Name;
    EXPECT_EQ(DimensionTrace(dim, shifted, false), PartsTrace(dim, shifted, drawn)) << r.Name;
  }
}

TEST_F(DimensionInBlock, PartsOnHiddenLayersAreLeftOutAtTopLevelAndInBlocks) {
  constexpr uint8_t kHiddenLayer = 7;
  att.SetLayer(kHiddenLayer, 3);
  const struct {
    const char* Name;
    TEntJwwCommon& (*Of)(TEntJwwDimension&);
    int Part;
  } rows[] = {
      {"extension", [](TEntJwwDimension& d) -> TEntJwwCommon& { return d.AuxLine2.Common; }, Aux2},
      {"mark", [](TEntJwwDimension& d) -> TEntJwwCommon& { return d.Point1.Common; }, Mark1},
      {"line", [](TEntJwwDimension& d) -> TEntJwwCommon& { return d.Line.Common; }, DimLine},
      {"value", [](TEntJwwDimension& d) -> TEntJwwCommon& { return d.Text.Common; }, Value},
  };
  for (const auto& r : rows) {
    TEntJwwDimension dim = MakeDimension(0x0002, 1);
    r.Of(dim).Layer = kHiddenLayer;
    EXPECT_EQ(DimensionTrace(dim, shifted, false), PartsTrace(dim, shifted, All & ~r.Part))
        << r.Name;

    TRecordingCanvas topLevel, expected;
    DrawDimension(ctx, topLevel, dim, false);
    if (r.Part != Aux1) DrawLine(ctx, expected, dim.AuxLine1);
    if (r.Part != Aux2) DrawLine(ctx, expected, dim.AuxLine2);
    if (r.Part != Mark1) DrawPoint(ctx, expected, dim.Point1);
    if (r.Part != Mark2) DrawPoint(ctx, expected, dim.Point2);
    if (r.Part != DimLine) DrawLine(ctx, expected, dim.Line);
    if (r.Part != Value) DrawText(ctx, expected, dim.Text);
    EXPECT_EQ(topLevel.Lines, expected.Lines) << r.Name;
  }
}

TEST_F(DimensionInBlock, ValueIsMeasuredAgainOnlyWhenGeneratedAndNotMerelyShifted) {
  EXPECT_EQ(DrawnText(MakeDimension(0x0002, 0), shifted), "999");
  EXPECT_EQ(DrawnText(MakeDimension(0x1040, 0), doubled), "999");
  const struct {
    uint16_t Format;
    const char* Drawn;
  } rows[] = {{0x1042, "2,000."}, {0x10C2, "2,000.0"}, {0x0002, "2000"}, {0x0032, "2ｍ"}};
  for (const auto& r : rows) {
    EXPECT_EQ(DrawnText(MakeDimension(r.Format, 0), doubled), r.Drawn) << std::hex << r.Format;
  }
  ctx.LayerGroupScales.clear();  // a drawing without the group: scale 1
  EXPECT_EQ(DrawnText(MakeDimension(0x0002, 0), doubled), "20");
}

TEST_F(DimensionInBlock, QuarterTurnKeepsTheNumberAndCentresItOnTheTurnedBaseLine) {
  const TEntJwwDimension dim = MakeDimension(0x0002, 0);
  const TPlacement turned{0, 0, 0, -1, 1, 0};
  // (0, 1)-(10, 1) turns to (-1, 0)-(-1, 10); "1000" is 4 x 1 + 3 x 0.25 = 4.75 mm long.
  TRecordingCanvas expected;
  DrawLine(ctx, expected, dim.Line, &turned);
  SetTextPen(ctx, expected, dim.Text, std::nullopt);
  DrawTextString(ctx, expected, 0, TextFaceName(dim.Text),
                 {-1, 5 - 2.375, -1, 5 + 2.375, 2.5, 2, 0.5}, "1000");
  EXPECT_EQ(DimensionTrace(dim, turned, true), expected.Lines);
}

TEST_F(DimensionInBlock, OwnScaleFlagPublishesTheTextsLayerGroupScale) {
  TEntJwwDimension dim = MakeDimension(0x0002, 0);
  dim.Text.Common.LayerGroup = 3;
  ctx.LayerGroupScales[3] = 50;
  ctx.CurrentScale = 7;
  DrawDimensionInBlock(ctx, canvas, dim, doubled, false, std::nullopt, true);
  EXPECT_EQ(ctx.CurrentScale, 7);
  DrawDimensionInBlock(ctx, canvas, dim, doubled, true, std::nullopt, true);
  EXPECT_EQ(ctx.CurrentScale, 50);
}

}  // namespace
}  // namespace pennatran
