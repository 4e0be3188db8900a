#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/drawers.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int64_t kNoOverride = -1;

TEntJwwPoint PointRecord(double x, double y, uint8_t lineType, int32_t code, double angle = 0,
                         double scale = 1) {
  TEntJwwPoint p{};
  p.Common.LineType = lineType;
  p.Common.Color = 2;
  p.X = x, p.Y = y;
  p.Code = code, p.Angle = angle, p.Scale = scale;
  return p;
}

// Radius in pixels of a 72-corner circle around the pixel c, or -1 for any other shape.
int32_t CircleRadius(const std::vector<TTracedShape>& shapes, TPixelPoint c) {
  if (shapes.size() != 1 || shapes[0].Kind != "polygon" || shapes[0].Points.size() != 72) {
    return -1;
  }
  EXPECT_EQ(shapes[0].Points[18].X, c.X);
  return shapes[0].Points[0].X - c.X;
}

using PointDrawer = RenderFixture;

TEST_F(PointDrawer, DotRadiusIsHalfThePenWidthPlusThePointRadiusAndAtLeastOnePixel) {
  const struct {
    int32_t Width;
    double Scale;  // pixels per millimetre
    int32_t Pixels;
  } rows[] = {
      {0, 100, 25},   // colour 1: 0.1 / 2 + 0.2 mm
      {30, 100, 35},  // its own width of 0.3 mm: 0.15 + 0.2 mm
      {0, 1, 1},      // 0.25 mm is less than one pixel
      {0, 2, 1},
  };
  for (const auto& row : rows) {
    SetView(0, 0, 1000 / row.Scale, 1000 / row.Scale, row.Scale, 1000, 1000);
    canvas.Lines.clear();
    const double at = 500 / row.Scale;
    DrawPoint(ctx, canvas, 0, 0, row.Width, 1, 0, 1, 0, at, at, kNoOverride);
    const auto shapes = TracedShapes(Trace());
    EXPECT_EQ(CircleRadius(shapes, {500, 500}), row.Pixels) << row.Width << " at " << row.Scale;
    EXPECT_TRUE(shapes[0].Filled());
  }
}

TEST_F(PointDrawer, TemporaryPointIsAThreePixelCircleAtEveryZoomWhateverItsCode) {
  for (const double scale : {100.0, 0.5}) {
    for (const int32_t code : {0, 1, 6}) {
      SetView(0, 0, 1000 / scale, 1000 / scale, scale, 1000, 1000);
      canvas.Lines.clear();
      DrawPoint(ctx, canvas, 1, code, 0, 3, 0, 1, 0, 500 / scale, 500 / scale, MakeColor(1, 2, 3));
      const auto shapes = TracedShapes(Trace());
      EXPECT_EQ(CircleRadius(shapes, {500, 500}), 3) << scale << " code " << code;
      EXPECT_EQ(shapes[0].Pen, "pen 010203 0 solid");
      EXPECT_FALSE(shapes[0].Filled());
    }
  }
}

TEST_F(PointDrawer, OnlyAnExactOneMakesATemporaryPoint) {
  SetView(0, 0, 10, 10, 100, 1000, 1000);
  DrawPoint(ctx, canvas, 2, 6, 0, 1, 0, 1, 0, 5, 5, kNoOverride);
  const auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Points.size(), 3u);
}

TEST_F(PointDrawer, RecordCarriesItsMarkerOnlyWithLineType100) {
  SetView(0, 0, 20, 20, 50, 1000, 1000);
  DrawPointRecord(ctx, canvas, PointRecord(10, 10, 100, 1, kPi / 2, 0.5), kNoOverride);
  auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Points, (std::vector<TPixelPoint>{Pixel(ctx, 10, 10), Pixel(ctx, 9.375, 6.25),
                                                        Pixel(ctx, 10.625, 6.25)}));

  canvas.Lines.clear();
  DrawPointRecord(ctx, canvas, PointRecord(10, 10, 2, 1, kPi / 2, 0.5), kNoOverride);
  // Colour 2 without a marker: a dot of 0.15 / 2 + 0.3 mm.
  EXPECT_EQ(CircleRadius(TracedShapes(Trace()), {500, 500}), 19);
}

TEST_F(PointDrawer, DimensionDrawsItsTwoPointsButNotItsAuxiliaryPoints) {
  SetView(0, 0, 100, 50, 10, 1000, 500);
  TEntJwwDimension dim{};
  dim.SxfMode = 1;
  dim.Point1 = PointRecord(10, 10, 100, 6);
  dim.Point2 = PointRecord(40, 10, 100, 6, kPi);
  dim.AuxPoint1 = PointRecord(20, 20, 100, 6);
  dim.AuxPoint2 = PointRecord(30, 20, 100, 6);
  const auto arrowTips = [&](bool hideAuxiliary) {
    canvas.Lines.clear();
    DrawDimension(ctx, canvas, dim, hideAuxiliary);
    std::vector<TPixelPoint> tips;
    for (const auto& shape : TracedShapes(Trace())) {
      if (shape.Kind == "polygon") tips.push_back(shape.Points[0]);
    }
    return tips;
  };
  EXPECT_EQ(arrowTips(true), (std::vector<TPixelPoint>{Pixel(ctx, 10, 10), Pixel(ctx, 40, 10)}));
  dim.Point2.Common.Color = 9;
  EXPECT_EQ(arrowTips(true), (std::vector<TPixelPoint>{Pixel(ctx, 10, 10)}));
  EXPECT_EQ(arrowTips(false), (std::vector<TPixelPoint>{Pixel(ctx, 10, 10), Pixel(ctx, 40, 10)}));
}

// An arrowhead (code 6) at (2, 1) of a block drawn through a placement at (10, 10).
class PointInPlacement : public RenderFixture {
 protected:
  PointInPlacement() { SetView(0, 0, 20, 20, 50, 1000, 1000); }

  std::vector<TPixelPoint> Arrow(const TPlacement& placement, uint8_t lineType = 100) {
    canvas.Lines.clear();
    DrawPoint(ctx, canvas, PointRecord(2, 1, lineType, 6), placement, kNoOverride);
    const auto shapes = TracedShapes(Trace());
    return shapes.size() == 1 ? shapes[0].Points : std::vector<TPixelPoint>{};
  }

  // Tip at (x, y), pointing in direction a, 7.5 long and 2.5 wide.
  std::vector<TPixelPoint> Expected(double x, double y, double a) const {
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {Pixel(ctx, x, y), Pixel(ctx, x - 7.5 * c - 1.25 * s, y - 7.5 * s + 1.25 * c),
            Pixel(ctx, x - 7.5 * c + 1.25 * s, y - 7.5 * s - 1.25 * c)};
  }
};

TEST_F(PointInPlacement, MarkerFollowsTurnsButNotScaleOrHalfTurns) {
  const double c270 = std::cos(3 * kPi / 2);
  const double s270 = std::sin(3 * kPi / 2);
  const struct {
    const char* Name;
    TPlacement Placement;
    double X, Y, Direction;
  } rows[] = {
      {"unchanged", {10, 10, 1, 0, 0, 1}, 12, 11, 0},
      {"quarter turn", {10, 10, 0, -1, 1, 0}, 9, 12, kPi / 2},
      {"three quarter turn", {10, 10, c270, -s270, s270, c270}, 11, 8, 3 * kPi / 2},
      {"half turn", {10, 10, -1, 0, 0, -1}, 8, 9, 0},
      {"mirrored", {10, 10, -1, 0, 0, 1}, 8, 11, 0},
      {"doubled", {4, 4, 2, 0, 0, 2}, 8, 6, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Arrow(row.Placement), Expected(row.X, row.Y, row.Direction)) << row.Name;
  }
}

TEST_F(PointInPlacement, WithoutMarkerLineTypeItIsADotAtTheMappedPosition) {
  const auto dot = Arrow({10, 10, 0, -1, 1, 0}, 1);
  ASSERT_EQ(dot.size(), 72u);
  EXPECT_EQ(dot[18].X, Pixel(ctx, 9, 12).X);
}

}  // namespace
}  // namespace pennatran::testing
