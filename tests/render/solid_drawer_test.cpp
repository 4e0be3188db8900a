#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/drawers.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

TEntJwwSolid Quad(uint16_t color, uint32_t fillColor = 0) {
  TEntJwwSolid s{};
  s.Common.LineType = 1;
  s.Common.Color = color;
  s.StartX = 10, s.StartY = 10, s.EndX = 30, s.EndY = 10;
  s.Point2X = 30, s.Point2Y = 20, s.Point3X = 10, s.Point3Y = 20;
  s.FillColor = fillColor;
  return s;
}

using SolidDrawer = RenderFixture;

TEST_F(SolidDrawer, QuadrilateralIsFilledWithThePenColourOfItsColourNumber) {
  DrawSolid(ctx, canvas, Quad(3));
  const auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Kind, "polygon");
  EXPECT_EQ(shapes[0].Pen, "pen 00C000 0 solid");
  EXPECT_EQ(shapes[0].Brush, "brush 00C000 solid");
  EXPECT_EQ(shapes[0].Points, (std::vector<TPixelPoint>{{10, 40}, {30, 40}, {30, 30}, {10, 30}}));
  EXPECT_TRUE(ctx.PointBuffer.empty());
}

TEST_F(SolidDrawer, OwnColourFollowsTheLayerState) {
  const struct {
    int32_t State;
    const char* Pen;
    const char* Brush;
  } rows[] = {
      {1, "pen 112233 0 solid", "brush 112233 solid"},
      {2, "pen 808080 0 solid", "brush 808080 solid"},
      {3, "pen FFFFFF 0 solid", "brush FFFFFF solid"},
  };
  for (const auto& row : rows) {
    canvas.Lines.clear();
    TEntJwwSolid s = Quad(10, MakeColor(0x11, 0x22, 0x33));
    s.Common.LayerGroup = 2;
    s.Common.Layer = 5;
    att.SetLayer(2 * 16 + 5, row.State);
    DrawSolid(ctx, canvas, s);
    const auto shapes = TracedShapes(Trace());
    ASSERT_EQ(shapes.size(), 1u) << row.State;
    EXPECT_EQ(shapes[0].Pen, row.Pen) << row.State;
    EXPECT_EQ(shapes[0].Brush, row.Brush) << row.State;
  }
}

TEST_F(SolidDrawer, PlacementMapsEveryCorner) {
  // Turned by 90 degrees and doubled, then moved to (60, 5).
  const TPlacement turned{60, 5, 0, -2, 2, 0};
  DrawSolid(ctx, canvas, Quad(1), turned);
  const auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Points, (std::vector<TPixelPoint>{Pixel(ctx, 40, 25), Pixel(ctx, 40, 65),
                                                        Pixel(ctx, 20, 65), Pixel(ctx, 20, 25)}));
}

TEST_F(SolidDrawer, ArcSolidInsideAPlacementIsFlattenedFirstThenMapped) {
  // A unit-circle pie stretched to twice its width.
  SetView(-5, -5, 5, 5, 100, 1000, 1000);
  TEntJwwSolid s{};
  s.Common.LineType = 101;
  s.Common.Color = 2;
  s.EndX = 1, s.EndY = 1, s.Point3X = std::numbers::pi / 2;
  DrawSolid(ctx, canvas, s, TPlacement{1, 0, 2, 0, 0, 1});
  const auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 1u);
  ASSERT_EQ(shapes[0].Points.size(), 74u);
  EXPECT_EQ(shapes[0].Points[0], Pixel(ctx, 3, 0));
  EXPECT_EQ(shapes[0].Points[36],
            Pixel(ctx, 1 + 2 * std::cos(std::numbers::pi / 4), std::sin(std::numbers::pi / 4)));
  EXPECT_EQ(shapes[0].Points[72], Pixel(ctx, 1, 1));
  EXPECT_EQ(shapes[0].Points[73], Pixel(ctx, 1, 0));
}

}  // namespace
}  // namespace pennatran::testing
