#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/drawers.h"
#include "render/solids.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// Solids around the origin, seen at 1000 pixels per millimetre.
class SolidDrawer : public RenderFixture {
 protected:
  SolidDrawer() { SetView(-2, -2, 2, 2, 1000, 4000, 4000); }

  // An arc solid of the ellipse of radius 1 and flatness f around the origin, from angle 0.
  std::vector<TTracedShape> Arc(int32_t lineType, double sweep, double form, double f = 1) {
    canvas.Lines.clear();
    TEntJwwSolid solid{};
    solid.Common.LineType = static_cast<uint8_t>(lineType);
    solid.EndX = 1, solid.EndY = f;
    solid.Point3X = sweep, solid.Point3Y = form;
    FillArcSolid(ctx, canvas, solid);
    EXPECT_TRUE(ctx.PointBuffer.empty());
    return TracedShapes(Trace());
  }
};

TEST_F(SolidDrawer, PenAndBrushFollowTheColourNumberOrTheOwnColourAndLayerState) {
  const struct {
    uint16_t Color;
    int32_t State;
    const char* Rgb;
  } rows[] = {{3, 1, "00C000"}, {10, 1, "112233"}, {10, 2, "808080"}, {10, 3, "FFFFFF"}};
  for (const auto& row : rows) {
    canvas.Lines.clear();
    TEntJwwSolid s{};
    s.Common = {0, 1, row.Color, 0, 5, 2, 0};
    s.StartX = -1, s.StartY = -1, s.EndX = 1, s.EndY = -1, s.Point2X = 1, s.Point2Y = 1;
    s.Point3X = -1, s.Point3Y = 1;
    s.FillColor = MakeColor(0x11, 0x22, 0x33);
    att.SetLayer(2 * 16 + 5, row.State);
    DrawSolid(ctx, canvas, s);
    const auto shapes = TracedShapes(Trace());
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].Pen, std::string("pen ") + row.Rgb + " 0 solid") << row.Color;
    EXPECT_EQ(shapes[0].Brush, std::string("brush ") + row.Rgb + " solid") << row.Color;
    EXPECT_EQ(shapes[0].Points,
              (std::vector<TPixelPoint>{{1000, 3000}, {3000, 3000}, {3000, 1000}, {1000, 1000}}));
  }
}

TEST_F(SolidDrawer, Form101ChoosesFullEllipseSectorSegmentOrTangentCorner) {
  const struct {
    double Form, Sweep;
    size_t Count;
    double LastX, LastY;
  } rows[] = {
      {100, 0, 72, std::cos(71 * kPi / 36), std::sin(71 * kPi / 36)},
      {0, kPi / 2, 74, 0, 0},      // sector: closed through the centre
      {1e-15, kPi / 2, 74, 0, 0},  // within the tolerance of the sector form
      {5, kPi / 2, 73, 0, 1},      // segment: closed by the chord
      {3, kPi / 2, 74, 1, 1},      // the end tangents meet at (1, 1)
      {3, kPi, 74, 0, 0},          // parallel end tangents: the centre
  };
  for (const auto& row : rows) {
    const auto shapes = Arc(101, row.Sweep, row.Form);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].Kind, "polygon");
    ASSERT_EQ(shapes[0].Points.size(), row.Count) << row.Form;
    EXPECT_EQ(shapes[0].Points[0], Pixel(ctx, 1, 0)) << row.Form;
    EXPECT_EQ(shapes[0].Points.back(), Pixel(ctx, row.LastX, row.LastY)) << row.Form;
  }
}

TEST(ArcTangentApex, TurnsAndMovesTheCrossingOfTheEndTangents) {
  const double h = std::numbers::sqrt2 / 2;
  const struct {
    double Cx, Cy, F, S, W, Theta, X, Y;
  } rows[] = {
      {5, 7, 1, 0, kPi / 2, 0, 6, 8},            // start tangent vertical
      {0, 0, 1, kPi / 2, kPi / 2, 0, -1, 1},     // end tangent vertical
      {0, 0, 1, kPi / 4, kPi / 2, 0, 0, 2 * h},  // both sloped
      {0, 0, 0.5, 0, kPi / 2, kPi / 2, -0.5, 1},
      {3, 4, 1, kPi / 4, kPi, 0, 3, 4},  // parallel sloped tangents
  };
  for (const auto& r : rows) {
    const TDrawPoint p = ArcTangentApex(TEllipse(r.Cx, r.Cy, 1, r.F, r.Theta), r.S, r.W);
    EXPECT_NEAR(p.X, r.X, 1e-9) << r.S << ' ' << r.Theta;
    EXPECT_NEAR(p.Y, r.Y, 1e-9) << r.S << ' ' << r.Theta;
  }
}

TEST_F(SolidDrawer, RingSectorReturnsAlongItsInnerArc) {
  const struct {
    int32_t LineType;
    double F, Inner;
    double TurnX, TurnY;  // the inner point at the end of the sweep
  } rows[] = {
      {105, 1, 0.5, 0, 0.5},      {106, 1, 0.5, 0, 0.5},  // circles: the same inner arc
      {105, 0.5, 0.75, 0, 0.375},                         // the outer flatness kept
      {106, 0.5, 0.75, 0, 0.25},                          // band 0.25 wide on both axes
      {106, 0.5, 0, 0, 0},                                // no inner radius: the centre
  };
  for (const auto& row : rows) {
    const auto shapes = Arc(row.LineType, kPi / 2, row.Inner, row.F);
    ASSERT_EQ(shapes.size(), 1u);
    const auto& p = shapes[0].Points;
    ASSERT_EQ(p.size(), 146u);
    EXPECT_EQ(p[72], Pixel(ctx, 0, row.F)) << row.LineType;
    EXPECT_EQ(p[73], Pixel(ctx, row.TurnX, row.TurnY)) << row.LineType << ' ' << row.F;
    EXPECT_EQ(p[145], Pixel(ctx, row.Inner, 0)) << row.LineType << ' ' << row.F;
  }
}

TEST_F(SolidDrawer, Form111IsStrokedAndUnknownFormsDrawNothing) {
  const auto arc = Arc(111, kPi / 2, 0);
  ASSERT_EQ(arc.size(), 1u);
  EXPECT_EQ(arc[0].Kind, "polyline");
  EXPECT_EQ(arc[0].Points.size(), 73u);
  const auto full = Arc(111, 0, 100);
  ASSERT_EQ(full.size(), 1u);
  ASSERT_EQ(full[0].Points.size(), 73u);
  EXPECT_EQ(full[0].Points.front(), full[0].Points.back());
  for (const int32_t lineType : {102, 104, 107, 110, 255}) {
    EXPECT_TRUE(Arc(lineType, kPi / 2, 0).empty()) << lineType;
  }
}

TEST_F(SolidDrawer, ArcSolidInsideAPlacementIsFlattenedFirstThenMapped) {
  // A unit-circle pie stretched to twice its width and moved by 1 along x.
  TEntJwwSolid s{};
  s.Common.LineType = 101;
  s.Common.Color = 2;
  s.EndX = 1, s.EndY = 1, s.Point3X = kPi / 2;
  SetView(-5, -5, 5, 5, 100, 1000, 1000);
  const TPlacement stretched{1, 0, 2, 0, 0, 1};
  DrawSolid(ctx, canvas, s, &stretched);
  const auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 1u);
  ASSERT_EQ(shapes[0].Points.size(), 74u);
  EXPECT_EQ(shapes[0].Points[0], Pixel(ctx, 3, 0));
  EXPECT_EQ(shapes[0].Points[36], Pixel(ctx, 1 + std::numbers::sqrt2, std::numbers::sqrt2 / 2));
  EXPECT_EQ(shapes[0].Points[73], Pixel(ctx, 1, 0));
}

}  // namespace
}  // namespace pennatran::testing
