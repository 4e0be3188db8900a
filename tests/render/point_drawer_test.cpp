#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "render/drawers.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::optional<TColor> kNoOverride;

struct TLocalPoint {
  double A, B;
};

TLocalPoint Polar(double r, double t) {
  return {r * std::cos(t), r * std::sin(t)};
}

TEntJwwPoint PointRecord(double x, double y, uint8_t lineType, int32_t code, double angle = 0) {
  TEntJwwPoint p{};
  p.Common.LineType = lineType;
  p.Common.Color = 2;
  p.X = x, p.Y = y;
  p.Code = code, p.Angle = angle, p.Scale = 1;
  return p;
}

// Points of colour 1 (0, 192, 192) at (5, 5), seen at 100 pixels per millimetre.
class PointDrawer : public RenderFixture {
 protected:
  PointDrawer() { SetView(0, 0, 10, 10, 100, 1000, 1000); }

  std::vector<TTracedShape> Draw(int32_t code, double scale = 1, double rotation = 0,
                                 std::optional<TColor> overrideColor = kNoOverride,
                                 int32_t temporary = 0, int32_t width = 0) {
    canvas.Lines.clear();
    TEntJwwPoint point = PointRecord(5, 5, 100, code, rotation);
    point.Common.Color = 1;
    point.Common.Width = static_cast<uint16_t>(width);
    point.Temporary = temporary;
    point.Scale = scale;
    DrawPoint(ctx, canvas, point, nullptr, overrideColor);
    EXPECT_TRUE(ctx.PointBuffer.empty());
    return TracedShapes(Trace());
  }

  // The pixel of a point given in the marker's own axes.
  TPixelPoint Local(TLocalPoint p, double rotation = 0) const {
    return Pixel(ctx, 5 + p.A * std::cos(rotation) - p.B * std::sin(rotation),
                 5 + p.A * std::sin(rotation) + p.B * std::cos(rotation));
  }

  // Radius in pixels of a lone 72-corner circle around the point, or -1.
  int32_t CircleRadius(const std::vector<TTracedShape>& shapes) const {
    if (shapes.size() != 1 || shapes[0].Points.size() != 72) return -1;
    return shapes[0].Points[0].X - Pixel(ctx, 5, 5).X;
  }
};

TEST_F(PointDrawer, FillAndPenOfEachCodeWithAndWithoutOverrideColour) {
  const TColor red = MakeColor(255, 0, 0);
  const struct {
    int32_t Code;
    std::optional<TColor> Override;
    const char* Pen;
    const char* Brush;  // "clear" when the colour of the clear brush is moot
  } rows[] = {
      {0, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {5, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {6, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {7, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {-3, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {12, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {-8, kNoOverride, "00C0C0", "brush 00C0C0 solid"},
      {1, kNoOverride, "00C0C0", "brush FFFFFF solid"},
      {2, kNoOverride, "00C0C0", "brush FFFFFF solid"},
      {3, kNoOverride, "00C0C0", "brush FFFFFF solid"},
      {4, kNoOverride, "00C0C0", "clear"},
      {-2, kNoOverride, "00C0C0", "clear"},
      {11, kNoOverride, "00C0C0", "clear"},
      // Filled markers set their pen again without the override colour.
      {6, red, "00C0C0", "brush FF0000 solid"},
      {1, red, "FF0000", "brush FF0000 solid"},
      {4, red, "FF0000", "clear"},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(row.Code, 1, 0, row.Override);
    ASSERT_EQ(shapes.size(), 1u) << row.Code;
    EXPECT_EQ(shapes[0].Kind, "polygon") << row.Code;
    EXPECT_EQ(shapes[0].Pen, std::string("pen ") + row.Pen + " 0 solid") << row.Code;
    if (std::string(row.Brush) == "clear") {
      EXPECT_FALSE(shapes[0].Filled()) << row.Code << ' ' << shapes[0].Brush;
    } else {
      EXPECT_EQ(shapes[0].Brush, row.Brush) << row.Code;
    }
  }
  att.SetBackMode(BackgroundMode::Black);
  EXPECT_EQ(Draw(3)[0].Brush, "brush 000000 solid");
}

TEST_F(PointDrawer, PolygonAndCircleMarkersTurnAndScale) {
  const double rot = kPi / 6;
  const std::vector<TLocalPoint> arrow = {{0, 0}, {-15, 2.5}, {-15, -2.5}};
  const std::vector<TLocalPoint> square = {{-2.5, -2.5}, {2.5, -2.5}, {2.5, 2.5}, {-2.5, 2.5}};
  for (const auto& [code, corners] :
       {std::pair{1, arrow}, std::pair{6, arrow}, std::pair{11, arrow}, std::pair{2, square},
        std::pair{5, square}}) {
    std::vector<TPixelPoint> expected;
    for (const TLocalPoint& c : corners) expected.push_back(Local(c, rot));
    const auto shapes = Draw(code, 2, rot);
    ASSERT_EQ(shapes.size(), 1u) << code;
    EXPECT_EQ(shapes[0].Points, expected) << code;
  }
  for (const int32_t code : {3, 4, 7, -2, 42}) EXPECT_EQ(CircleRadius(Draw(code, 2, rot)), 250);
  // A scale at or below 1e-8 counts as 1.
  for (const double scale : {1e-8, -3.0, std::nan("")}) {
    EXPECT_EQ(CircleRadius(Draw(4, scale)), 125) << scale;
  }
}

TEST_F(PointDrawer, SegmentMarkersTurnAndScale) {
  const double rot = 2 * kPi / 3;
  const double u = 0.5;
  const double h = 1.25 * u;
  const double t = 5 * u / 3;
  const struct {
    int32_t Code;
    std::vector<TLocalPoint> Ends;  // two per segment
  } rows[] = {
      {9, {{0, 0}, {-7.5 * u, h}, {0, 0}, {-7.5 * u, -h}}},
      {10, {Polar(2 * h, kPi / 4), Polar(2 * h, 5 * kPi / 4)}},
      {-1,
       {{0, h},
        {0, -h},
        Polar(h, kPi / 6),
        Polar(h, 7 * kPi / 6),
        Polar(h, 5 * kPi / 6),
        Polar(h, 11 * kPi / 6)}},
      {-4, {{0, h}, {0, -h}, {-h, 0}, {h, 0}}},
      {-5, {{-h, -h}, {h, -h}, {h, -h}, {h, h}, {h, h}, {-h, h}, {-h, h}, {-h, -h}}},
      {-6,
       {Polar(t, kPi / 2), Polar(t, 7 * kPi / 6), Polar(t, 7 * kPi / 6), Polar(t, 11 * kPi / 6),
        Polar(t, 11 * kPi / 6), Polar(t, kPi / 2)}},
      {-7,
       {Polar(h, kPi / 4), Polar(h, 5 * kPi / 4), Polar(h, 3 * kPi / 4), Polar(h, 7 * kPi / 4)}},
  };
  for (const auto& row : rows) {
    std::vector<TPixelPoint> drawn;
    for (const auto& s : Draw(row.Code, u, rot)) {
      EXPECT_EQ(s.Kind, "segment") << row.Code;
      drawn.insert(drawn.end(), s.Points.begin(), s.Points.end());
    }
    std::vector<TPixelPoint> expected;
    for (const TLocalPoint& p : row.Ends) expected.push_back(Local(p, rot));
    EXPECT_EQ(drawn, expected) << row.Code;
  }
}

TEST_F(PointDrawer, CodeEightIsTwoQuarterArcsThroughThePoint) {
  const double r = 1.25 * std::numbers::sqrt2;
  const auto shapes = Draw(8, 1, kPi / 2);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].Points.front(), Local({r, r}, kPi / 2));
  EXPECT_EQ(shapes[1].Points.front(), Local({-r, -r}, kPi / 2));
  for (const auto& s : shapes) {
    EXPECT_EQ(s.Kind, "polyline");
    EXPECT_EQ(s.Points.size(), 73u);
    EXPECT_EQ(s.Points.back(), Pixel(ctx, 5, 5));
  }
}

TEST_F(PointDrawer, DotsAreAtLeastOnePixelAndTemporaryPointsThreePixelsAtEveryZoom) {
  const struct {
    double Scale;  // pixels per millimetre
    int32_t Temporary, Code, Width, Pixels;
  } rows[] = {
      {100, 0, 0, 0, 25},   // colour 1: 0.1 / 2 + 0.2 mm
      {100, 0, 0, 30, 35},  // its own width of 0.3 mm: 0.15 + 0.2 mm
      {2, 0, 0, 0, 1},      // 0.25 mm is less than one pixel
      {100, 0, -3, 0, 10},  // the pen width as radius
      {100, 1, 6, 0, 3},   {0.5, 1, 0, 0, 3},
  };
  for (const auto& row : rows) {
    SetView(5 - 500 / row.Scale, 5 - 500 / row.Scale, 5 + 500 / row.Scale, 5 + 500 / row.Scale,
            row.Scale, 1000, 1000);
    const auto shapes = Draw(row.Code, 1, 0, kNoOverride, row.Temporary, row.Width);
    EXPECT_EQ(CircleRadius(shapes), row.Pixels) << row.Scale << ' ' << row.Code;
    EXPECT_EQ(shapes[0].Filled(), row.Temporary == 0);
  }
}

TEST_F(PointDrawer, RecordsCarryTheirMarkerOnlyWithLineType100) {
  DrawPoint(ctx, canvas, PointRecord(5, 5, 100, 11, kPi / 2));
  DrawPoint(ctx, canvas, PointRecord(5, 5, 2, 11, kPi / 2));
  const auto shapes = TracedShapes(Trace());
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].Points[1], Local({-7.5, 1.25}, kPi / 2));
  EXPECT_EQ(shapes[1].Points.size(), 72u);  // colour 2 dot
}

TEST_F(PointDrawer, DimensionDrawsItsTwoPointsButNotItsAuxiliaryPoints) {
  TEntJwwDimension dim{};
  dim.SxfMode = 1;
  dim.Point1 = PointRecord(1, 1, 100, 6);
  dim.Point2 = PointRecord(9, 1, 100, 6, kPi);
  dim.AuxPoint1 = PointRecord(3, 3, 100, 6);
  dim.AuxPoint2 = PointRecord(7, 3, 100, 6);
  const auto arrowTips = [&](bool hideAuxiliary) {
    canvas.Lines.clear();
    DrawDimension(ctx, canvas, dim, hideAuxiliary);
    std::vector<TPixelPoint> tips;
    for (const auto& s : TracedShapes(Trace())) {
      if (s.Kind == "polygon") tips.push_back(s.Points[0]);
    }
    return tips;
  };
  EXPECT_EQ(arrowTips(true), (std::vector<TPixelPoint>{Pixel(ctx, 1, 1), Pixel(ctx, 9, 1)}));
  dim.Point2.Common.Color = 9;
  EXPECT_EQ(arrowTips(true), (std::vector<TPixelPoint>{Pixel(ctx, 1, 1)}));
  EXPECT_EQ(arrowTips(false), (std::vector<TPixelPoint>{Pixel(ctx, 1, 1), Pixel(ctx, 9, 1)}));
}

TEST_F(PointDrawer, MarkerInAPlacementTurnsAndMirrorsWithItButKeepsItsSize) {
  // An arrowhead at (2, 1) of a block; where its tip and one tail corner land. A mirrored
  // marker has that corner on its other side.
  SetView(-10, -10, 20, 20, 40, 1200, 1200);  // the whole arrowhead in view
  const double c270 = std::cos(3 * kPi / 2);
  const double s270 = std::sin(3 * kPi / 2);
  const double c135 = std::cos(3 * kPi / 4);
  const double s135 = std::sin(3 * kPi / 4);
  const double c91 = std::cos(91 * kPi / 180);
  const double s91 = std::sin(91 * kPi / 180);
  const struct {
    const char* Name;
    TPlacement Placement;
    double Angle, X, Y, Direction;
    bool Mirrored;
  } rows[] = {
      {"quarter turn", {5, 5, 0, -1, 1, 0}, 0, 4, 7, kPi / 2, false},
      {"three quarter turn", {5, 5, c270, -s270, s270, c270}, 0, 6, 3, 3 * kPi / 2, false},
      {"half turn", {5, 5, -1, 0, 0, -1}, 0, 3, 4, kPi, false},
      {"half turn of a turned marker", {5, 5, -1, 0, 0, -1}, kPi / 2, 3, 4, 3 * kPi / 2, false},
      {"135 degrees",
       {0, 0, c135, -s135, s135, c135},
       0,
       2 * c135 - s135,
       2 * s135 + c135,
       3 * kPi / 4,
       false},
      {"91 degrees",
       {0, 0, c91, -s91, s91, c91},
       0,
       2 * c91 - s91,
       2 * s91 + c91,
       91 * kPi / 180,
       false},
      {"mirrored", {5, 5, -1, 0, 0, 1}, 0, 3, 6, kPi, true},
      {"mirrored upside down", {5, 5, 1, 0, 0, -1}, kPi / 2, 7, 4, 3 * kPi / 2, true},
      {"doubled", {1, 1, 2, 0, 0, 2}, 0, 5, 3, 0, false},
      {"stretched", {0, 0, 1, 0, 0, 3}, kPi / 4, 2, 3, std::atan2(3.0, 1.0), false},
  };
  for (const auto& row : rows) {
    canvas.Lines.clear();
    DrawPoint(ctx, canvas, PointRecord(2, 1, 100, 6, row.Angle), &row.Placement);
    const auto shapes = TracedShapes(Trace());
    ASSERT_EQ(shapes.size(), 1u) << row.Name;
    const double c = std::cos(row.Direction);
    const double s = std::sin(row.Direction);
    const double side = row.Mirrored ? -1.25 : 1.25;
    EXPECT_EQ(shapes[0].Points[0], Pixel(ctx, row.X, row.Y)) << row.Name;
    EXPECT_EQ(shapes[0].Points[1],
              Pixel(ctx, row.X - 7.5 * c - side * s, row.Y - 7.5 * s + side * c))
        << row.Name;
  }
  canvas.Lines.clear();
  DrawPoint(ctx, canvas, PointRecord(2, 1, 1, 6), &rows[0].Placement);
  EXPECT_EQ(TracedShapes(Trace())[0].Points.size(), 72u);  // no marker line type: a dot
}

}  // namespace
}  // namespace pennatran::testing
