// Circles, ellipses and their arcs, flattened into the point buffer.
#pragma once

#include "render/canvas.h"
#include "render/placement.h"
#include "render/render_context.h"

namespace pennatran {

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
