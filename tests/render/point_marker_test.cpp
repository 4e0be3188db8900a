#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string_view>

#include "render/drawers.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int64_t kNoOverride = -1;
constexpr int32_t kCyan = 1;  // colour number 1 is (0, 192, 192)

struct TLocalPoint {
  double A, B;
};

TLocalPoint Polar(double r, double t) {
  return {r * std::cos(t), r * std::sin(t)};
}

// Markers of colour 1 at (5, 5), seen at 100 pixels per millimetre.
class PointMarker : public RenderFixture {
 protected:
  PointMarker() { SetView(0, 0, 10, 10, 100, 1000, 1000); }

  std::vector<TTracedShape> Draw(int32_t code, double scale = 1, double rotation = 0,
                                 int64_t overrideColor = kNoOverride) {
    canvas.Lines.clear();
    DrawPoint(ctx, canvas, 0, code, 0, kCyan, 0, scale, rotation, 5, 5, overrideColor);
    EXPECT_TRUE(ctx.PointBuffer.empty());
    return TracedShapes(Trace());
  }

  // The pixel of a point given in the marker's own axes.
  TPixelPoint Local(TLocalPoint p, double rotation) const {
    return Pixel(ctx, 5 + p.A * std::cos(rotation) - p.B * std::sin(rotation),
                 5 + p.A * std::sin(rotation) + p.B * std::cos(rotation));
  }

  // Radius in pixels of a 72-corner circle around the point, or -1 for any other shape.
  int32_t CircleRadius(const TTracedShape& shape) const {
    if (shape.Kind != "polygon" || shape.Points.size() != 72) return -1;
    return shape.Points[0].X - Pixel(ctx, 5, 5).X;
  }
};

void ExpectBrush(const TTracedShape& shape, std::string_view brush) {
  if (brush == "clear") {
    EXPECT_TRUE(shape.Brush.ends_with(" clear")) << shape.Brush;
  } else {
    EXPECT_EQ(shape.Brush, brush);
  }
}

TEST_F(PointMarker, FillOfEachCode) {
  const struct {
    int32_t Code;
    const char* Brush;  // in effect when the shape is drawn; the colour of a clear one is moot
  } rows[] = {
      {0, "brush 00C0C0 solid"},
      {5, "brush 00C0C0 solid"},
      {6, "brush 00C0C0 solid"},
      {7, "brush 00C0C0 solid"},
      {-3, "brush 00C0C0 solid"},
      {12, "brush 00C0C0 solid"},
      {-8, "brush 00C0C0 solid"},
      {1, "brush FFFFFF solid"},
      {2, "brush FFFFFF solid"},
      {3, "brush FFFFFF solid"},
      {4, "clear"},
      {-2, "clear"},
      {11, "clear"},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(row.Code);
    ASSERT_EQ(shapes.size(), 1u) << row.Code;
    EXPECT_EQ(shapes[0].Kind, "polygon") << row.Code;
    EXPECT_EQ(shapes[0].Pen, "pen 00C0C0 0 solid") << row.Code;
    ExpectBrush(shapes[0], row.Brush);
  }
}

TEST_F(PointMarker, OverrideColourReachesPenAndBrushExceptThePenOfFilledMarkers) {
  const int64_t red = MakeColor(255, 0, 0);
  const struct {
    int32_t Code;
    const char* Pen;
    const char* Brush;
  } rows[] = {
      {6, "pen 00C0C0 0 solid", "brush FF0000 solid"},
      {1, "pen FF0000 0 solid", "brush FF0000 solid"},
      {4, "pen FF0000 0 solid", "clear"},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(row.Code, 1, 0, red);
    ASSERT_EQ(shapes.size(), 1u) << row.Code;
    EXPECT_EQ(shapes[0].Pen, row.Pen) << row.Code;
    ExpectBrush(shapes[0], row.Brush);
  }
}

TEST_F(PointMarker, BackgroundFillFollowsTheBackground) {
  att.SetBackMode(1);
  for (const int32_t code : {1, 2, 3}) {
    const auto shapes = Draw(code);
    ASSERT_EQ(shapes.size(), 1u) << code;
    EXPECT_EQ(shapes[0].Brush, "brush 000000 solid") << code;
  }
}

TEST_F(PointMarker, PolygonsAndCirclesTurnAndScale) {
  const double rot = kPi / 6;
  const std::vector<TLocalPoint> arrow = {{0, 0}, {-15, 2.5}, {-15, -2.5}};
  const std::vector<TLocalPoint> square = {{-2.5, -2.5}, {2.5, -2.5}, {2.5, 2.5}, {-2.5, 2.5}};
  for (const auto& [code, corners] :
       {std::pair{1, arrow}, std::pair{6, arrow}, std::pair{11, arrow}, std::pair{2, square},
        std::pair{5, square}}) {
    const auto shapes = Draw(code, 2, rot);
    ASSERT_EQ(shapes.size(), 1u) << code;
    std::vector<TPixelPoint> expected;
    for (const TLocalPoint& c : corners) expected.push_back(Local(c, rot));
    EXPECT_EQ(shapes[0].Points, expected) << code;
  }
  for (const int32_t code : {3, 4, 7, -2, 42}) {
    const auto shapes = Draw(code, 2, rot);
    ASSERT_EQ(shapes.size(), 1u) << code;
    EXPECT_EQ(CircleRadius(shapes[0]), 250) << code;
  }
}

TEST_F(PointMarker, SegmentMarkersTurnAndScale) {
  const double rot = 2 * kPi / 3;
  const double u = 0.5;
  const double h = 1.25 * u;
  const double t = 5 * u / 3;
  const struct {
    int32_t Code;
    std::vector<std::pair<TLocalPoint, TLocalPoint>> Segments;
  } rows[] = {
      {9, {{{0, 0}, {-7.5 * u, h}}, {{0, 0}, {-7.5 * u, -h}}}},
      {10, {{Polar(2 * h, kPi / 4), Polar(2 * h, 5 * kPi / 4)}}},
      {-1,
       {{{0, h}, {0, -h}},
        {Polar(h, kPi / 6), Polar(h, 7 * kPi / 6)},
        {Polar(h, 5 * kPi / 6), Polar(h, 11 * kPi / 6)}}},
      {-4, {{{0, h}, {0, -h}}, {{-h, 0}, {h, 0}}}},
      {-5, {{{-h, -h}, {h, -h}}, {{h, -h}, {h, h}}, {{h, h}, {-h, h}}, {{-h, h}, {-h, -h}}}},
      {-6,
       {{Polar(t, kPi / 2), Polar(t, 7 * kPi / 6)},
        {Polar(t, 7 * kPi / 6), Polar(t, 11 * kPi / 6)},
        {Polar(t, 11 * kPi / 6), Polar(t, kPi / 2)}}},
      {-7,
       {{Polar(h, kPi / 4), Polar(h, 5 * kPi / 4)},
        {Polar(h, 3 * kPi / 4), Polar(h, 7 * kPi / 4)}}},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(row.Code, u, rot);
    ASSERT_EQ(shapes.size(), row.Segments.size()) << row.Code;
    for (size_t i = 0; i < shapes.size(); ++i) {
      EXPECT_EQ(shapes[i].Kind, "segment") << row.Code;
      EXPECT_EQ(shapes[i].Points, (std::vector<TPixelPoint>{Local(row.Segments[i].first, rot),
                                                            Local(row.Segments[i].second, rot)}))
          << row.Code << " segment " << i;
    }
  }
}

TEST_F(PointMarker, CodeEightIsTwoQuarterArcsThroughThePoint) {
  const double r = 1.25 * std::numbers::sqrt2;
  const double rot = kPi / 2;
  const auto shapes = Draw(8, 1, rot);
  ASSERT_EQ(shapes.size(), 2u);
  for (const auto& s : shapes) {
    EXPECT_EQ(s.Kind, "polyline");
    ASSERT_EQ(s.Points.size(), 73u);
    EXPECT_EQ(s.Points.back(), Pixel(ctx, 5, 5));
  }
  EXPECT_EQ(shapes[0].Points.front(), Local({r, r}, rot));
  EXPECT_EQ(shapes[1].Points.front(), Local({-r, -r}, rot));
  EXPECT_EQ(shapes[0].Points[36], Local({r - r * std::sqrt(0.5), r * std::sqrt(0.5)}, rot));
}

TEST_F(PointMarker, ScaleAtOrBelowTheLimitCountsAsOne) {
  for (const double scale : {1e-8, 0.0, -3.0, std::nan("")}) {
    const auto shapes = Draw(2, scale);
    ASSERT_EQ(shapes.size(), 1u) << scale;
    EXPECT_EQ(shapes[0].Points[0], Local({-1.25, -1.25}, 0)) << scale;
  }
}

}  // namespace
}  // namespace pennatran::testing
