// Solids: filled quadrilaterals and the arc-solid shapes (full ellipses, sectors, segments,
// tangent corners, ring sectors and stroked arcs).
#include <cmath>
#include <numbers>

#include "attributes/preview_attributes.h"
#include "render/drawers.h"
#include "render/output.h"
#include "render/solids.h"

namespace pennatran {

namespace {

constexpr int32_t kSolidOwnColor = 10;

constexpr int32_t kArcSolid = 101;
constexpr int32_t kRingSolid = 105;
constexpr int32_t kEvenRingSolid = 106;
constexpr int32_t kStrokedArcSolid = 111;

constexpr int32_t kArcSteps = 72;
constexpr double kFullEllipseStep = std::numbers::pi / 36;
constexpr double kFormTolerance = 1e-14;
constexpr double kFormFullEllipse = 100;
constexpr double kFormSector = 0;
constexpr double kFormSegment = 5;

bool IsForm(double value, double form) {
  return std::fabs(value - form) <= kFormTolerance;
}

// Collects shape points in the point buffer, mapped through the block placement if any.
class TShapeBuilder {
 public:
  TShapeBuilder(TRenderContext& ctx, const TPlacement* placement)
      : ctx_(ctx), placement_(placement) {
    ctx_.PointBuffer.clear();
  }

  void Add(TDrawPoint p) {
    if (placement_ != nullptr) {
      p = {placement_->MapX(p.X, p.Y), placement_->MapY(p.X, p.Y)};
    }
    ctx_.PointBuffer.push_back(p);
  }

  // The 73 points from s to s + w, the parameter advanced step by step.
  void AddArc(const TEllipse& e, double s, double w) {
    double t = s;
    const double step = w / kArcSteps;
    for (int32_t i = 0; i <= kArcSteps; ++i) {
      Add(e.Place(e.Local(t)));
      t += step;
    }
  }

  // count points of the whole ellipse every 5 degrees from parameter 0.
  void AddFullEllipse(const TEllipse& e, int32_t count) {
    double t = 0;
    for (int32_t i = 0; i < count; ++i) {
      Add(e.Place(e.Local(t)));
      t += kFullEllipseStep;
    }
  }

  // The 73 points from s + w back to s.
  void AddArcBackwards(const TEllipse& e, double s, double w) {
    for (int32_t j = 0; j <= kArcSteps; ++j) {
      Add(e.Place(e.Local(s + w - j * w / kArcSteps)));
    }
  }

  void Polygon(TCanvas& canvas) {
    OutputPolygon(ctx_, canvas);
    ctx_.PointBuffer.clear();
  }
  void Polyline(TCanvas& canvas) {
    OutputPolyline(ctx_, canvas);
    ctx_.PointBuffer.clear();
  }

 private:
  TRenderContext& ctx_;
  const TPlacement* placement_;
};

// The inner flatness that keeps a ring equally wide along both axes. A zero inner radius
// puts every inner point on the centre whatever the flatness, so the outer one is kept
// rather than dividing by zero.
double EvenRingFlatness(double r, double f, double innerR) {
  if (innerR == 0) return f;
  return (f * r - r) / innerR + 1;
}

void BuildArcSolid(TRenderContext& ctx, TCanvas& canvas, const TPlacement* placement,
                   int32_t lineType, double cx, double cy, double r, double f, double theta,
                   double s, double w, double v) {
  const TEllipse outer(cx, cy, r, f, theta);
  TShapeBuilder shape(ctx, placement);
  switch (lineType) {
    case kArcSolid:
      if (IsForm(v, kFormFullEllipse)) {
        shape.AddFullEllipse(outer, kArcSteps);
      } else {
        shape.AddArc(outer, s, w);
        if (IsForm(v, kFormSector)) {
          shape.Add({cx, cy});
        } else if (!IsForm(v, kFormSegment)) {
          shape.Add(ArcTangentApex(outer, s, w));
        }
      }
      shape.Polygon(canvas);
      return;
    case kStrokedArcSolid:
      if (IsForm(v, kFormFullEllipse)) {
        shape.AddFullEllipse(outer, kArcSteps + 1);
      } else {
        shape.AddArc(outer, s, w);
      }
      shape.Polyline(canvas);
      return;
    case kRingSolid:
    case kEvenRingSolid: {
      const double innerF = lineType == kRingSolid ? f : EvenRingFlatness(r, f, v);
      shape.AddArc(outer, s, w);
      shape.AddArcBackwards(TEllipse(cx, cy, v, innerF, theta), s, w);
      shape.Polygon(canvas);
      return;
    }
    default:
      return;
  }
}

// A difference counts as zero when it truncates to 0 in units of 1e-12 after adding half a
// unit, so slightly negative differences count as zero further out than positive ones.
bool CountsAsZero(double d) {
  return std::trunc(d / 1e-12 + 0.5) == 0;
}

struct TLine {
  double X1, Y1, X2, Y2;

  bool Vertical() const { return CountsAsZero(X2 - X1); }
  double Slope() const { return (Y2 - Y1) / (X2 - X1); }
  double Intercept() const { return Y1 - Slope() * X1; }
  double YAt(double x) const { return Slope() * x + Intercept(); }
};

// The intersection of the end tangent and the start tangent, or false when both are
// vertical or their slopes count as equal.
bool IntersectTangents(const TLine& end, const TLine& start, double& x, double& y) {
  const bool endVertical = end.Vertical();
  const bool startVertical = start.Vertical();
  if (endVertical && startVertical) return false;
  if (endVertical) {
    x = end.X1;
    y = start.YAt(x);
    return true;
  }
  if (startVertical) {
    x = start.X1;
    y = end.YAt(x);
    return true;
  }
  const double k1 = end.Slope();
  const double k2 = start.Slope();
  if (CountsAsZero(k2 - k1)) return false;
  x = (end.Intercept() - start.Intercept()) / (k2 - k1);
  y = start.Intercept() + k2 * x;
  return true;
}

void SetSolidPenAndBrush(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid) {
  const int32_t layer = solid.Common.LayerIndex();
  const int32_t color = solid.Common.Color;
  if (color != kSolidOwnColor) {
    SetEntityPen(ctx, canvas, layer, color, kSolidLineType);
    SetEntityBrush(ctx, canvas, layer, color, kSolidFill);
    return;
  }
  TColor own = solid.FillColor & 0xFFFFFFu;
  switch (ctx.Attributes->GetLayerState(layer)) {
    case kLayerDisplayOnly:
      own = ctx.Attributes->GetGrayColor();
      break;
    case kLayerHidden:
      own = ctx.Attributes->GetBackColor();
      break;
    default:
      break;
  }
  canvas.SetPen(own, 0, TPenStyle::Solid);
  canvas.SetBrush(own, TBrushStyle::Solid);
}

}  // namespace

TDrawPoint ArcTangentApex(const TEllipse& ellipse, double s, double w) {
  // Worked out in the ellipse's own frame; tilt and centre are applied to the result.
  constexpr double kQuarter = std::numbers::pi / 2;
  const TDrawPoint from = ellipse.Local(s);
  const TDrawPoint to = ellipse.Local(s + w);
  const TDrawPoint fromAhead = ellipse.Local(s + kQuarter);
  const TDrawPoint toBack = ellipse.Local(s + w - kQuarter);
  const TLine start{from.X, from.Y, from.X + fromAhead.X, from.Y + fromAhead.Y};
  const TLine end{to.X, to.Y, to.X + toBack.X, to.Y + toBack.Y};
  TDrawPoint apex{0, 0};
  if (!IntersectTangents(end, start, apex.X, apex.Y)) apex = {0, 0};
  return ellipse.Place(apex);
}

void FillArcSolid(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid,
                  const TPlacement* placement) {
  BuildArcSolid(ctx, canvas, placement, solid.Common.LineType, solid.StartX, solid.StartY,
                solid.EndX, solid.EndY, solid.Point2X, solid.Point2Y, solid.Point3X, solid.Point3Y);
}

void DrawSolid(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid,
               const TPlacement* placement) {
  SetSolidPenAndBrush(ctx, canvas, solid);
  if (solid.Common.LineType > 100) {
    FillArcSolid(ctx, canvas, solid, placement);
    return;
  }
  TShapeBuilder shape(ctx, placement);
  shape.Add({solid.StartX, solid.StartY});
  shape.Add({solid.EndX, solid.EndY});
  shape.Add({solid.Point2X, solid.Point2Y});
  shape.Add({solid.Point3X, solid.Point3Y});
  shape.Polygon(canvas);
}

}  // namespace pennatran
