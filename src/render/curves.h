// Circles, ellipses and their arcs, flattened into the point buffer.
#pragma once

#include <cmath>

#include "render/canvas.h"
#include "render/placement.h"
#include "render/render_context.h"

namespace pennatran {

// An ellipse of radius R and flatness F (minor / major radius) turned by theta about its
// centre (Cx, Cy); the turn's cosine and sine are taken once per curve, not once per point.
struct TEllipse {
  TEllipse(double centreX, double centreY, double radius, double flatness, double theta)
      : Cx(centreX),
        Cy(centreY),
        R(radius),
        F(flatness),
        Cos(std::cos(theta)),
        Sin(std::sin(theta)) {}

  // The point at parameter t in the ellipse's own frame: (r cos t, r f sin t).
  TDrawPoint Local(double t) const { return {R * std::cos(t), R * F * std::sin(t)}; }
  // The point at parameter t as outlines and arcs draw it: (r cos t, r f sin t) turned, each
  // term added to the centre in turn.
  TDrawPoint At(double t) const { return At(std::cos(t), std::sin(t)); }
  TDrawPoint At(double cosT, double sinT) const {
    const double u = R * cosT;
    const double v = R * F * sinT;
    return {Cx + Cos * u - Sin * v, Cy + Sin * u + Cos * v};
  }
  // A point of the ellipse's own frame as solids and their apex place it: turned first, the
  // turned offset then added to the centre. The sums round differently from At's, so each
  // kind of shape keeps its own and its pixels stay where they were.
  TDrawPoint Place(TDrawPoint local) const {
    return {Cx + (Cos * local.X - Sin * local.Y), Cy + (Sin * local.X + Cos * local.Y)};
  }

  double Cx, Cy, R, F, Cos, Sin;
};

// Full ellipse (72 points, output as a polygon) of radius r, flatness f, tilt theta.
void OutlineEllipse(TRenderContext& ctx, TCanvas& canvas, double cx, double cy, double r, double f,
                    double theta);
// Open arc (73 points) from start angle s sweeping w.
void OutlineArc(TRenderContext& ctx, TCanvas& canvas, double cx, double cy, double r, double f,
                double theta, double s, double w);
// Block variants: flattened in the definition's coordinates, then mapped.
void OutlineEllipse(TRenderContext& ctx, TCanvas& canvas, const TPlacement& placement, double cx,
                    double cy, double r, double f, double theta);
void OutlineArc(TRenderContext& ctx, TCanvas& canvas, const TPlacement& placement, double cx,
                double cy, double r, double f, double theta, double s, double w);

}  // namespace pennatran
