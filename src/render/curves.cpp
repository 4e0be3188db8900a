#include "render/curves.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "render/output.h"

namespace pennatran {

namespace {

constexpr int kEllipsePoints = 72;
constexpr int kArcSteps = 72;

// An ellipse of radius r and flatness f turned by theta about its centre (cx, cy); the
// turn's cosine and sine are taken once per curve, not once per point.
struct TEllipse {
  TEllipse(double centreX, double centreY, double radius, double flatness, double theta)
      : Cx(centreX),
        Cy(centreY),
        R(radius),
        F(flatness),
        Cos(std::cos(theta)),
        Sin(std::sin(theta)) {}

  // The point at parameter t: (r cos t, r f sin t) turned, then moved to the centre.
  TDrawPoint At(double t) const { return At(std::cos(t), std::sin(t)); }
  TDrawPoint At(double cosT, double sinT) const {
    const double u = R * cosT;
    const double v = R * F * sinT;
    return {Cx + Cos * u - Sin * v, Cy + Sin * u + Cos * v};
  }

  double Cx, Cy, R, F, Cos, Sin;
};

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
  const double step = w / kArcSteps;
  const TEllipse ellipse(cx, cy, r, f, theta);
  double t = s;
  for (int i = 0; i <= kArcSteps; ++i) {
    const TDrawPoint p = ellipse.At(t);
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
