#include "render/output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "render/geometry.h"
#include "render_fixture.h"
#include "trace_points.h"

namespace pennatran {
namespace {

using Lines = std::vector<std::string>;
using testing::RenderFixture;

struct SegmentRow {
  const char* Name;
  double X1, Y1, X2, Y2;
  Lines Expected;
};

class DrawSegmentTest : public RenderFixture, public ::testing::WithParamInterface<SegmentRow> {};

// The view is 0..100 x 0..50 mm at one pixel per mm, so pixel y = 50 - y.
TEST_P(DrawSegmentTest, ClipsAgainstTheViewWindow) {
  const SegmentRow& r = GetParam();
  DrawSegment(ctx, canvas, r.X1, r.Y1, r.X2, r.Y2);
  EXPECT_EQ(Trace(), r.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, DrawSegmentTest,
    ::testing::Values(
        SegmentRow{"inside", 10, 10, 20, 20, {"moveto 10 40", "lineto 20 30"}},
        SegmentRow{"on_right_border", 100, 10, 100, 20, {}},
        SegmentRow{"on_bottom_border", 10, 0, 90, 0, {}},
        SegmentRow{"to_far_outside", 50, 25, 1e6, 25, {"moveto 50 25", "lineto 100 25"}},
        SegmentRow{"across_whole_window", -50, 25, 150, 25, {"moveto 0 25", "lineto 100 25"}},
        SegmentRow{
            "border_point_rounds_half_up", 50, 25, 150, 26, {"moveto 50 25", "lineto 100 24"}},
        SegmentRow{"past_top_left_corner", -10, 40, 10, 70, {}},
        SegmentRow{"past_bottom_right_corner", 90, -20, 120, 10, {}},
        SegmentRow{"vertical_across_bottom", 30, -10, 30, 20, {"moveto 30 50", "lineto 30 30"}},
        SegmentRow{"vertical_left_of_window", -5, -10, -5, 20, {}},
        SegmentRow{
            "diagonal_through_two_corners", -10, -5, 110, 55, {"moveto 0 50", "lineto 100 0"}},
        SegmentRow{
            "both_ends_clipped_vertical", 70, -100, 70, 100, {"moveto 70 50", "lineto 70 0"}}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST_F(RenderFixture, OutCodeCountsBordersAsOutside) {
  EXPECT_EQ(OutCode(ctx, 50, 25), 0);
  EXPECT_EQ(OutCode(ctx, 0, 25), 1);
  EXPECT_EQ(OutCode(ctx, 100, 50), 2 | 8);
  EXPECT_EQ(OutCode(ctx, -1, -1), 1 | 4);
  EXPECT_EQ(OutCode(ctx, 1e-11, 25), 0);
}

TEST_F(RenderFixture, PolylineRunsBreakAtTheBorder) {
  SetPoints({{10, 10}, {20, 10}, {30, 20}, {150, 20}, {20, 20}});
  OutputPolyline(ctx, canvas);
  EXPECT_EQ(Trace(), (Lines{"polyline 4 10 40 20 40 30 30 100 30", "polyline 2 100 30 20 30"}));
  EXPECT_TRUE(ctx.PointBuffer.empty());
  EXPECT_TRUE(ctx.PixelBuffer.empty());
}

TEST_F(RenderFixture, PolylineWhoseLastSegmentEntersStillDrawsIt) {
  SetPoints({{-30, 10}, {-20, 10}, {-10, 10}, {10, 10}});
  OutputPolyline(ctx, canvas);
  EXPECT_EQ(Trace(), (Lines{"polyline 2 0 40 10 40"}));
}

// A point that is no number breaks the line there; one beyond the window with the rest
// still leaves nothing to draw.
TEST_F(RenderFixture, PolylineRunsBreakAtAPointThatIsNoNumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  SetPoints({{10, 10}, {20, 10}, {nan, 10}, {30, 20}, {40, 20}});
  OutputPolyline(ctx, canvas);
  SetPoints({{10, 60}, {nan, 70}, {50, 80}, {20, 90}});
  OutputPolyline(ctx, canvas);
  SetPoints({{10, 10}, {20, nan}, {30, 20}});
  OutputPolygon(ctx, canvas);
  EXPECT_EQ(Trace(), (Lines{"polyline 2 10 40 20 40", "polyline 2 30 30 40 30"}));
  EXPECT_TRUE(ctx.PointBuffer.empty());
}

TEST_F(RenderFixture, ShapesWhollyBeyondOneSideOrTooSmallDrawNothing) {
  SetPoints({{10, 60}, {90, 70}, {50, 80}});
  OutputPolyline(ctx, canvas);
  SetPoints({{10, 60}, {90, 70}, {50, 80}});
  OutputPolygon(ctx, canvas);
  SetPoints({{10, 10}});
  OutputPolyline(ctx, canvas);
  SetPoints({{10, 10}, {20, 20}});
  OutputPolygon(ctx, canvas);
  EXPECT_TRUE(Trace().empty());
  EXPECT_TRUE(ctx.PointBuffer.empty());
}

TEST_F(RenderFixture, PolygonIsConvertedWithoutClipping) {
  SetPoints({{10, 10}, {120, 10}, {20.5, -20.5}});
  OutputPolygon(ctx, canvas);
  EXPECT_EQ(Trace(), (Lines{"polygon 3 10 40 120 40 21 71"}));
  EXPECT_TRUE(ctx.PointBuffer.empty());
}

TEST_F(RenderFixture, PolygonWithAHugeFirstEdgeFallsBackToAClippedOutline) {
  SetPoints({{-10000, 10}, {10000, 10}, {0, 40}});
  OutputPolygon(ctx, canvas);
  EXPECT_EQ(Trace(), (Lines{"polyline 2 0 40 100 40", "polyline 2 100 10 0 10"}));

  // The same shape at a scale where its first edge is 8000 pixels is filled.
  canvas.Lines.clear();
  SetView(0, 0, 250, 125, 0.4, 100, 50);
  SetPoints({{-10000, 10}, {10000, 10}, {0, 40}});
  OutputPolygon(ctx, canvas);
  ASSERT_EQ(Trace().size(), 1u);
  EXPECT_TRUE(testing::StartsWith(Trace()[0], "polygon "));
}

TEST_F(RenderFixture, PixelConversionClampsInsteadOfOverflowing) {
  // The fit of a drawing that is a single point: about 3e16 pixels per mm.
  SetView(-5e-15, -5e-15, 5e-15, 5e-15, 3e16, 300, 300);
  EXPECT_EQ(PixelX(ctx, 1e8), kPixelLimit);
  EXPECT_EQ(PixelY(ctx, -1e8), 300 + kPixelLimit);
  // A polygon reaching that far is cut to the guard, one view size around the view.
  SetPoints({{-1, -1}, {-1 + 1e-13, -1}, {1e8, 1e8}});
  OutputPolygon(ctx, canvas);
  ASSERT_EQ(Trace().size(), 1u);
  for (const TPixelPoint& p : testing::TracePoints(Trace()[0])) {
    EXPECT_TRUE(p.X >= -300 && p.X <= 600 && p.Y >= -300 && p.Y <= 600) << p.X << " " << p.Y;
  }
}

// A polygon far larger than the view is cut to a guard around it before its points become
// pixels, so its edges keep their directions instead of bending at the pixel limit.
TEST_F(RenderFixture, HugePolygonKeepsItsDirections) {
  const double turn = 10 * std::numbers::pi / 180;
  const double far = 1e9;
  SetPoints({{10, 10},
             {10, 11},
             {10 + far * std::cos(turn), 11 + far * std::sin(turn)},
             {10 + far * std::cos(turn), 10 + far * std::sin(turn)}});
  OutputPolygon(ctx, canvas);
  ASSERT_EQ(Trace().size(), 1u);
  ASSERT_TRUE(testing::StartsWith(Trace()[0], "polygon "));
  const std::vector<TPixelPoint> points = testing::TracePoints(Trace()[0]);
  const TPixelPoint start = points[0];
  EXPECT_EQ(start, (TPixelPoint{10, 40}));
  for (const TPixelPoint& p : points) {
    EXPECT_LE(std::abs(p.X), 1000);
    EXPECT_LE(std::abs(p.Y), 1000);
    if (p.X - start.X < 50) continue;
    // Pixels run downwards: the edge climbs 10 degrees to the right.
    EXPECT_NEAR(std::atan2(start.Y - p.Y, p.X - start.X), turn, 0.02) << p.X << " " << p.Y;
  }
}

TEST_F(RenderFixture, CorruptCoordinatesDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  DrawSegment(ctx, canvas, nan, 10, 20, 20);
  DrawSegment(ctx, canvas, inf, 10, 50, 10);
  DrawSegment(ctx, canvas, 1e300, -1e300, -1e300, 1e300);
  SetPoints({{10, 10}, {20, 10}, {nan, 20}});
  OutputPolygon(ctx, canvas);
  EXPECT_TRUE(Trace().empty());
  // Only the corrupt segments of a polyline are left out.
  SetPoints({{10, 10}, {20, 10}, {nan, 20}, {30, 30}, {40, 30}});
  OutputPolyline(ctx, canvas);
  EXPECT_EQ(Trace(), (Lines{"polyline 2 10 40 20 40", "polyline 2 30 20 40 20"}));
}

TEST_F(RenderFixture, EntityPenFollowsLayerStateAndLineType) {
  att.SetLayer(5, 2);
  att.SetLayer(6, 3);
  SetEntityPen(ctx, canvas, 0, 2, 1);
  SetEntityPen(ctx, canvas, 0, 1, 31);
  SetEntityPen(ctx, canvas, 5, 2, 2);
  SetEntityPen(ctx, canvas, 6, 2, 9);
  SetEntityPen(ctx, canvas, 0, 10, 32);
  SetEntityPen(ctx, canvas, 300, 102, 0);
  EXPECT_EQ(Trace(), (Lines{"brush FFFFFF clear", "pen 000000 0 solid",  //
                            "brush FFFFFF clear", "pen 00C0C0 0 solid",  //
                            "brush FFFFFF clear", "pen 808080 0 dot",    //
                            "brush FFFFFF clear", "pen FFFFFF 0 dot",    //
                            "brush FFFFFF clear", "pen FFFFFF 0 dot",    //
                            "brush FFFFFF clear", "pen FF0000 0 dot"}));
}

TEST_F(RenderFixture, EntityBrushStylesByFillNumber) {
  const TBrushStyle expected[] = {
      TBrushStyle::Clear,    TBrushStyle::Solid,     TBrushStyle::Horizontal,
      TBrushStyle::Vertical, TBrushStyle::FDiagonal, TBrushStyle::BDiagonal,
      TBrushStyle::Cross,    TBrushStyle::DiagCross, TBrushStyle::Clear};
  for (int32_t fill = 0; fill <= 8; ++fill) {
    SetEntityBrush(ctx, canvas, 0, 6, fill);
    EXPECT_EQ(canvas.BrushStyleValue, expected[fill]) << fill;
    EXPECT_EQ(canvas.Brush, MakeColor(0, 0, 255));
  }
  SetEntityBrush(ctx, canvas, -1, -1, 1);
  EXPECT_EQ(Trace().back(), "brush FFFFFF solid");
}

}  // namespace
}  // namespace pennatran
