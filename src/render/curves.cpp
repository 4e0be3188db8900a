#include "render/curves.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "render/output.h"

namespace pennatran {

namespace {

constexpr int kEllipsePoints = 72;

// cos t and sin t at the parameters of a whole ellipse, the same for every ellipse and
// accumulated in the same steps as an arc's, so they are worked out once.
const std::array<std::pair<double, double>, kEllipsePoints>& WholeEllipseParameters() {
  static const auto table = [] {
    std::array<std::pair<double, double>, kEllipsePoints> values{};
    double t = 0.0;
    for (auto& value : values) {
      value = {std::cos(t), std::sin(t)};
      t += std::numbers::pi / 36.0;
    }
    return values;
  }();
  return table;
}

TDrawPoint Mapped(const TPlacement& placement, TDrawPoint p) {
  return {placement.MapX(p.X, p.Y), placement.MapY(p.X, p.Y)};
}

void FillEllipse(TRenderContext& ctx, const TPlacement* placement, double cx, double cy, double r,
                 double f, double theta) {
  ctx.PointBuffer.clear();
  const TEllipse ellipse(cx, cy, r, f, theta);
  for (const auto& [cosT, sinT] : WholeEllipseParameters()) {
    const TDrawPoint p = ellipse.At(cosT, sinT);
    ctx.PointBuffer.push_back(placement != nullptr ? Mapped(*placement, p) : p);
  }
}

void FillArc(TRenderContext& ctx, const TPlacement* placement, double cx, double cy, double r,
             double f, double theta, double s, double w) {
  ctx.PointBuffer.clear();
  const TEllipse ellipse(cx, cy, r, f, theta);
  for (const auto& [cosT, sinT] : ctx.ArcParameters.For(s, w)) {
    const TDrawPoint p = ellipse.At(cosT, sinT);
    ctx.PointBuffer.push_back(placement != nullptr ? Mapped(*placement, p) : p);
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
