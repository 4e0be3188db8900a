#include "render/curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

#include "render_fixture.h"
#include "trace_points.h"

namespace pennatran {
namespace {

using testing::RenderFixture;
using testing::TracePoints;

constexpr double kPi = std::numbers::pi;

struct TBounds {
  int32_t MinX, MinY, MaxX, MaxY;
};

TBounds BoundsOf(const std::vector<TPixelPoint>& points) {
  TBounds b{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const TPixelPoint& p : points) {
    b.MinX = std::min(b.MinX, p.X);
    b.MaxX = std::max(b.MaxX, p.X);
    b.MinY = std::min(b.MinY, p.Y);
    b.MaxY = std::max(b.MaxY, p.Y);
  }
  return b;
}

class CurvesTest : public RenderFixture {
 protected:
  // 0..20 x 0..10 mm at ten pixels per millimetre.
  CurvesTest() { SetView(0, 0, 20, 10, 10.0, 200, 100); }

  std::vector<TPixelPoint> OnlyShape(const char* kind) {
    EXPECT_EQ(Trace().size(), 1u);
    if (Trace().empty()) return {};
    EXPECT_TRUE(testing::StartsWith(Trace()[0], kind)) << Trace()[0];
    return TracePoints(Trace()[0]);
  }
};

TEST_F(CurvesTest, CircleIsA72GonStartingAtTheTilt) {
  OutlineEllipse(ctx, canvas, 10, 5, 4, 1, kPi / 2);
  const std::vector<TPixelPoint> points = OnlyShape("polygon 72 ");
  ASSERT_EQ(points.size(), 72u);
  EXPECT_EQ(points[0], (TPixelPoint{100, 10}));  // (10, 9): straight up from the centre
  EXPECT_EQ(points[18], (TPixelPoint{60, 50}));  // a quarter turn further: (6, 5)
  EXPECT_TRUE(ctx.PointBuffer.empty());
}

TEST_F(CurvesTest, FlatTiltedEllipseIsTallerThanWide) {
  OutlineEllipse(ctx, canvas, 10, 5, 4, 0.5, kPi / 2);
  const TBounds b = BoundsOf(OnlyShape("polygon 72 "));
  EXPECT_EQ(b.MaxX - b.MinX, 40);
  EXPECT_EQ(b.MaxY - b.MinY, 80);
}

TEST_F(CurvesTest, QuarterArcHas73PointsEndingAtItsSweep) {
  OutlineArc(ctx, canvas, 10, 5, 4, 1, 0, 0, kPi / 2);
  const std::vector<TPixelPoint> points = OnlyShape("polyline 73 ");
  ASSERT_EQ(points.size(), 73u);
  EXPECT_EQ(points.front(), (TPixelPoint{140, 50}));
  EXPECT_EQ(points.back(), (TPixelPoint{100, 10}));
}

TEST_F(CurvesTest, FullSweepArcIsOpenWithLastPointOnTheFirst) {
  OutlineArc(ctx, canvas, 10, 5, 4, 1, 0, kPi / 4, 2 * kPi);
  const std::vector<TPixelPoint> points = OnlyShape("polyline 73 ");
  ASSERT_EQ(points.size(), 73u);
  EXPECT_EQ(points.front(), points.back());
}

TEST_F(CurvesTest, NegativeSweepRunsClockwise) {
  OutlineArc(ctx, canvas, 10, 5, 4, 1, 0, 0, -kPi / 2);
  const std::vector<TPixelPoint> points = OnlyShape("polyline 73 ");
  ASSERT_EQ(points.size(), 73u);
  EXPECT_GT(points[1].Y, points[0].Y);  // moving down the image: below the start
  EXPECT_EQ(points.back(), (TPixelPoint{100, 90}));
}

// The cosines and sines of the last arc are kept: arcs in a row, alike or not, and an arc
// drawn again after another, each get their own points.
TEST_F(CurvesTest, ArcsInARowEachTakeTheirOwnStartAndSweep) {
  struct TArc {
    double Start, Sweep;
  };
  const TArc arcs[] = {{0, kPi / 2}, {0, kPi / 2}, {kPi / 2, kPi / 2},
                       {0, kPi},     {0, kPi / 2}, {-0.0, kPi / 2}};
  std::vector<std::string> together;
  for (const TArc& arc : arcs) OutlineArc(ctx, canvas, 10, 5, 4, 1, 0, arc.Start, arc.Sweep);
  together.swap(canvas.Lines);
  for (const TArc& arc : arcs) {
    TRenderContext fresh = ctx;
    fresh.ArcParameters = TArcParameters{};
    OutlineArc(fresh, canvas, 10, 5, 4, 1, 0, arc.Start, arc.Sweep);
  }
  EXPECT_EQ(together, Trace());
  ASSERT_EQ(together.size(), std::size(arcs));
  EXPECT_EQ(together[0], together[1]);
  EXPECT_NE(together[1], together[2]);
  EXPECT_NE(together[2], together[3]);
  EXPECT_EQ(together[4], together[0]);
}

TEST_F(CurvesTest, PlacementDistortsTheCurveAfterFlattening) {
  const TPlacement stretch{10, 5, 2, 0, 0, 1};
  OutlineEllipse(ctx, canvas, stretch, 0, 0, 1, 1, 0);
  const TBounds b = BoundsOf(OnlyShape("polygon 72 "));
  EXPECT_EQ(b.MaxX - b.MinX, 40);
  EXPECT_EQ(b.MaxY - b.MinY, 20);

  canvas.Lines.clear();
  const TPlacement turn{10, 5, 0, -1, 1, 0};  // a quarter turn
  OutlineArc(ctx, canvas, turn, 0, 0, 4, 1, 0, 0, kPi / 2);
  const std::vector<TPixelPoint> points = OnlyShape("polyline 73 ");
  ASSERT_EQ(points.size(), 73u);
  EXPECT_EQ(points.front(), (TPixelPoint{100, 10}));
  EXPECT_EQ(points.back(), (TPixelPoint{60, 50}));
}

}  // namespace
}  // namespace pennatran
