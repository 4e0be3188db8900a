#include "render/curves.h"

#include <cmath>
#include <numbers>

#include "render/output.h"

namespace pennatran {

namespace {

constexpr int kEllipsePoints = 72;
constexpr int kArcSteps = 72;

// The ellipse point at parameter t: (r cos t, r f sin t) turned by theta, moved to the centre.
TDrawPoint EllipsePoint(double cx, double cy, double r, double f, double theta, double t) {
  const double u = r * std::cos(t);
  const double v = r * f * std::sin(t);
  return {cx + std::cos(theta) * u - std::sin(theta) * v,
          cy + std::sin(theta) * u + std::cos(theta) * v};
}

TDrawPoint Mapped(const TPlacement& placement, TDrawPoint p) {
  return {placement.MapX(p.X, p.Y), placement.MapY(p.X, p.Y)};
}

void FillEllipse(TRenderContext& ctx, const TPlacement* placement, double cx, double cy, double r,
                 double f, double theta) {
  ctx.PointBuffer.clear();
  double t = 0.0;
  for (int i = 0; i < kEllipsePoints; ++i) {
    const TDrawPoint p = EllipsePoint(cx, cy, r, f, theta, t);
    ctx.PointBuffer.push_back(placement != nullptr ? Mapped(*placement, p) : p);
    t += std::numbers::pi / 36.0;
  }
}

void FillArc(TRenderContext& ctx, const TPlacement* placement, double cx, double cy, double r,
             double f, double theta, double s, double w) {
  ctx.PointBuffer.clear();
  const double step = w / kArcSteps;
  double t = s;
  for (int i = 0; i <= kArcSteps; ++i) {
    const TDrawPoint p = EllipsePoint(cx, cy, r, f, theta, t);
    ctx.PointBuffer.push_back(placement != nullptr ? Mapped(*placement, p) : p);
    t += step;
  }
}

}  // namespace

void OutlineEllipse(TRenderContext& ctx, TCanvas& canvas, double cx, double cy, double r, double f,
                    double theta) {
  FillEllipse(ctx, nullptr, cx, cy, r, f, theta);
  OutputPolygon(ctx, canvas);
}

void OutlineArc(TRenderContext& ctx, TCanvas& canvas, double cx, double cy, double r, double f,
                double theta, double s, double w) {
  FillArc(ctx, nullptr, cx, cy, r, f, theta, s, w);
  OutputPolyline(ctx, canvas);
}

void OutlineEllipse(TRenderContext& ctx, TCanvas& canvas, const TPlacement& placement, double cx,
                    double cy, double r, double f, double theta) {
  FillEllipse(ctx, &placement, cx, cy, r, f, theta);
  OutputPolygon(ctx, canvas);
}

void OutlineArc(TRenderContext& ctx, TCanvas& canvas, const TPlacement& placement, double cx,
                double cy, double r, double f, double theta, double s, double w) {
  FillArc(ctx, &placement, cx, cy, r, f, theta, s, w);
  OutputPolyline(ctx, canvas);
}

}  // namespace pennatran
