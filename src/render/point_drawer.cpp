// Points: dots, temporary points and the marker symbols (arrowheads, ticks, squares,
// circles, crosses) that points and dimensions carry.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <span>

#include "attributes/preview_attributes.h"
#include "render/curves.h"
#include "render/drawers.h"
#include "render/geometry.h"
#include "render/output.h"

namespace pennatran {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int32_t kMarkerLineType = 100;
constexpr double kTemporaryRadiusPixels = 3;
constexpr double kMinScale = 1e-8;

// Marker sizes in units of the marker scale.
constexpr double kHalf = 1.25;
constexpr double kArrowLength = 7.5;

// Marker codes of a point record. "Hollow" markers are filled with the background so that
// what lies under them is hidden; every code not named here draws a filled circle.
enum TMarkerCode : int32_t {
  kDot = 0,          // a filled dot of the pen's point radius
  kHollowArrow = 1,  // arrowhead
  kHollowSquare = 2,
  kHollowCircle = 3,
  kRing = 4,  // circle outline; -2 draws the same
  kRingAlternate = -2,
  kFilledSquare = 5,
  kFilledArrow = 6,
  kWave = 8,       // two quarter arcs
  kOpenArrow = 9,  // two strokes of an arrowhead
  kTick = 10,      // an oblique stroke
  kOutlineArrow = 11,
  kAsterisk = -1,  // three strokes
  kPenDot = -3,    // a filled dot as wide as the pen
  kPlus = -4,
  kSquareOutline = -5,
  kTriangleOutline = -6,
  kCross = -7,
};

struct TLocal {
  double A, B;
};

TLocal Polar(double r, double t) {
  return {r * std::cos(t), r * std::sin(t)};
}

// The length in millimetres that shows as one pixel; 0 without a usable scale.
double OnePixel(const TRenderContext& ctx) {
  const double scale = ctx.Mapping.Scale;
  return std::isfinite(scale) && scale > 0 ? 1 / scale : 0;
}

// Draws one marker: pens and brushes by the point's colour and the override colour, shapes
// in the marker's own axes (x along the rotation) around the point.
class TMarkerPainter {
 public:
  TMarkerPainter(TRenderContext& ctx, TCanvas& canvas, int32_t color, int32_t layerIndex, double x,
                 double y, double rotation, bool mirrored, std::optional<TColor> overrideColor)
      : ctx_(ctx),
        canvas_(canvas),
        color_(color),
        layer_(layerIndex),
        x_(x),
        y_(y),
        rotation_(rotation),
        cos_(std::cos(rotation)),
        sin_(std::sin(rotation)),
        side_(mirrored ? -1 : 1),
        override_(overrideColor) {}

  void Pen() {
    SetEntityPen(ctx_, canvas_, layer_, color_, kSolidLineType);
    if (HasOverride()) canvas_.SetPen(OverrideColor(), 0, TPenStyle::Solid);
  }

  // Filled in the point's colour. SetEntityPen clears the brush, so the pen comes first;
  // the override colour reaches only the brush.
  void Filled() {
    SetEntityPen(ctx_, canvas_, layer_, color_, kSolidLineType);
    SetEntityBrush(ctx_, canvas_, layer_, color_, kSolidFill);
    OverrideBrush();
  }

  // Filled with the background so that what lies under the marker is hidden.
  void BackgroundFilled() {
    SetEntityBrush(ctx_, canvas_, -1, -1, kSolidFill);
    OverrideBrush();
  }

  void Circle(double radius) { OutlineEllipse(ctx_, canvas_, x_, y_, radius, 1, 0); }

  void Polygon(std::span<const TLocal> corners) {
    ctx_.PointBuffer.clear();
    for (const TLocal& c : corners) ctx_.PointBuffer.push_back(Map(c));
    OutputPolygon(ctx_, canvas_);
    ctx_.PointBuffer.clear();
  }

  void Segment(TLocal from, TLocal to) {
    const TDrawPoint p = Map(from);
    const TDrawPoint q = Map(to);
    DrawSegment(ctx_, canvas_, p.X, p.Y, q.X, q.Y);
  }

  // Segments through the corners in order and back to the first.
  void ClosedPath(std::span<const TLocal> corners) {
    for (size_t i = 0; i < corners.size(); ++i) {
      Segment(corners[i], corners[(i + 1) % corners.size()]);
    }
  }

  void QuarterArc(TLocal centre, double radius, double start) {
    const TDrawPoint c = Map(centre);
    // Mirrored, the arc runs over the reflected angles: from -(start + sweep) to -start.
    const double from = side_ > 0 ? start : 3 * kPi / 2 - start;
    OutlineArc(ctx_, canvas_, c.X, c.Y, radius, 1, rotation_, from, kPi / 2);
  }

 private:
  bool HasOverride() const { return override_.has_value(); }
  TColor OverrideColor() const { return *override_; }
  void OverrideBrush() {
    if (HasOverride()) canvas_.SetBrush(OverrideColor(), TBrushStyle::Solid);
  }
  TDrawPoint Map(TLocal p) const {
    const double b = side_ * p.B;
    return {x_ + p.A * cos_ - b * sin_, y_ + p.A * sin_ + b * cos_};
  }

  TRenderContext& ctx_;
  TCanvas& canvas_;
  int32_t color_;
  int32_t layer_;
  double x_, y_, rotation_, cos_, sin_;
  double side_;  // -1 flips the marker across its own axis
  std::optional<TColor> override_;
};

void DrawMarker(TMarkerPainter& paint, const PreviewAttributes& attr, int32_t code, int32_t color,
                double penWidth, double u, double onePixel) {
  const double h = kHalf * u;
  const std::array<TLocal, 3> arrow{{{0, 0}, {-kArrowLength * u, h}, {-kArrowLength * u, -h}}};
  const std::array<TLocal, 4> square{{{-h, -h}, {h, -h}, {h, h}, {-h, h}}};
  switch (code) {
    case kDot:
      paint.Filled();
      paint.Circle(std::max(penWidth / 2 + attr.GetPointRadius(color), onePixel));
      return;
    case kHollowArrow:
      paint.BackgroundFilled();
      paint.Polygon(arrow);
      return;
    case kHollowSquare:
      paint.BackgroundFilled();
      paint.Polygon(square);
      return;
    case kHollowCircle:
      paint.BackgroundFilled();
      paint.Circle(h);
      return;
    case kRing:
    case kRingAlternate:
      paint.Circle(h);
      return;
    case kFilledSquare:
      paint.Filled();
      paint.Polygon(square);
      return;
    case kFilledArrow:
      paint.Filled();
      paint.Polygon(arrow);
      return;
    case kWave: {
      const double r = kHalf * std::numbers::sqrt2 * u;
      paint.QuarterArc({r, 0}, r, kPi / 2);
      paint.QuarterArc({-r, 0}, r, 3 * kPi / 2);
      return;
    }
    case kOpenArrow:
      paint.Segment({0, 0}, {-kArrowLength * u, h});
      paint.Segment({0, 0}, {-kArrowLength * u, -h});
      return;
    case kTick:
      paint.Segment(Polar(2 * h, kPi / 4), Polar(2 * h, 5 * kPi / 4));
      return;
    case kOutlineArrow:
      paint.Polygon(arrow);
      return;
    case kAsterisk:
      paint.Segment({0, h}, {0, -h});
      paint.Segment(Polar(h, kPi / 6), Polar(h, 7 * kPi / 6));
      paint.Segment(Polar(h, 5 * kPi / 6), Polar(h, 11 * kPi / 6));
      return;
    case kPenDot:
      paint.Filled();
      paint.Circle(std::max(attr.GetPenWidth(color) * u, onePixel));
      return;
    case kPlus:
      paint.Segment({0, h}, {0, -h});
      paint.Segment({-h, 0}, {h, 0});
      return;
    case kSquareOutline:
      paint.ClosedPath(square);
      return;
    case kTriangleOutline: {
      const double r = 5 * u / 3;
      const std::array<TLocal, 3> triangle{
          {Polar(r, kPi / 2), Polar(r, 7 * kPi / 6), Polar(r, 11 * kPi / 6)}};
      paint.ClosedPath(triangle);
      return;
    }
    case kCross:
      paint.Segment(Polar(h, kPi / 4), Polar(h, 5 * kPi / 4));
      paint.Segment(Polar(h, 3 * kPi / 4), Polar(h, 7 * kPi / 4));
      return;
    default:  // 7 and every code not named
      paint.Filled();
      paint.Circle(h);
      return;
  }
}

struct TMarkerPose {
  double X, Y, Rotation;
  bool Mirrored;
};

void DrawPointAt(TRenderContext& ctx, TCanvas& canvas, const TEntJwwPoint& point, int32_t code,
                 double scale, const TMarkerPose& pose, std::optional<TColor> overrideColor) {
  const PreviewAttributes& attr = *ctx.Attributes;
  const double onePixel = OnePixel(ctx);
  const int32_t color = point.Common.Color;
  TMarkerPainter paint(ctx, canvas, color, point.Common.LayerIndex(), pose.X, pose.Y, pose.Rotation,
                       pose.Mirrored, overrideColor);
  if (point.Temporary == 1) {
    paint.Pen();
    paint.Circle(kTemporaryRadiusPixels * onePixel);
    return;
  }
  const int32_t width = point.Common.Width;
  const double penWidth = width != 0 ? width * 0.01 : attr.GetPenWidth(color);
  paint.Pen();
  // A scale that is tiny, negative or not a number at all draws the marker at its
  // natural size.
  const double u = std::isfinite(scale) && scale > kMinScale ? scale : 1.0;
  DrawMarker(paint, attr, code, color, penWidth, u, onePixel);
}

}  // namespace

void DrawPoint(TRenderContext& ctx, TCanvas& canvas, const TEntJwwPoint& point,
               const TPlacement* placement, std::optional<TColor> overrideColor) {
  if (point.Common.LineType != kMarkerLineType) {
    TMarkerPose pose{point.X, point.Y, 0, false};
    if (placement != nullptr) {
      pose.X = placement->MapX(point.X, point.Y);
      pose.Y = placement->MapY(point.X, point.Y);
    }
    DrawPointAt(ctx, canvas, point, 0, 1.0, pose, overrideColor);
    return;
  }
  if (placement == nullptr) {
    DrawPointAt(ctx, canvas, point, point.Code, point.Scale, {point.X, point.Y, point.Angle, false},
                overrideColor);
    return;
  }
  // The placement moves a marker, turns it the way it turns the marker's own direction and
  // mirrors it with the block, but does not resize it.
  const TPlacement& p = *placement;
  const double c = std::cos(point.Angle), s = std::sin(point.Angle);
  const TMarkerPose pose{p.MapX(point.X, point.Y), p.MapY(point.X, point.Y),
                         DirectionAngle(p.M11 * c + p.M12 * s, p.M21 * c + p.M22 * s),
                         p.M11 * p.M22 - p.M12 * p.M21 < 0};
  DrawPointAt(ctx, canvas, point, point.Code, point.Scale, pose, overrideColor);
}

}  // namespace pennatran
