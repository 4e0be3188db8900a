// Arc solids: the filled (or stroked) ellipse shapes a solid describes when its line type is
// above 100, and the tangent apex one of those shapes needs.
#pragma once

#include <cstdint>

#include "jww/jww_types.h"
#include "render/canvas.h"
#include "render/curves.h"
#include "render/placement.h"
#include "render/render_context.h"

namespace pennatran {

// Builds the shape of an arc solid from its eight values in record order (centre, radius,
// flatness, tilt, start, sweep, form value) and outputs it with the current pen and brush.
// Line types 101, 105, 106 and 111 draw; every other line type draws nothing. Inside a block
// placement the shape is computed in the definition's coordinates, then mapped.
void FillArcSolid(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid,
                  const TPlacement* placement = nullptr);

// Where the tangents at the two ends of the arc (start s, sweep w) of the ellipse meet, in
// drawing coordinates; the centre when the tangents are parallel.
TDrawPoint ArcTangentApex(const TEllipse& ellipse, double s, double w);

}  // namespace pennatran
