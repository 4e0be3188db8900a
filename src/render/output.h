// The bottom layer of the preview: pens and brushes for an entity, clipping in drawing
// coordinates, conversion to pixels, and lines and polygons handed to the canvas.
#pragma once

#include <cstdint>

#include "render/canvas.h"
#include "render/render_context.h"

namespace pennatran {

// The line type of a solid pen and the fill style of a solid brush.
constexpr int32_t kSolidLineType = 1;
constexpr int32_t kSolidFill = 1;

// The colour an entity is drawn in: grey on display-only layers, the background on hidden
// ones, otherwise the pen colour of the colour number.
TColor EntityColor(const TRenderContext& ctx, int32_t layerIndex, int32_t colorNumber);
// True when nothing on the layer is shown.
bool OnHiddenLayer(const TRenderContext& ctx, int32_t layerIndex);
// Brush clear, pen colour, width 0, solid for line types 1 and 31, dotted otherwise.
void SetEntityPen(TRenderContext& ctx, TCanvas& canvas, int32_t layerIndex, int32_t colorNumber,
                  int32_t lineType);
// Brush colour and style: 1 solid, 2..7 the hatches, anything else clear.
void SetEntityBrush(TRenderContext& ctx, TCanvas& canvas, int32_t layerIndex, int32_t colorNumber,
                    int32_t fillStyle);

int32_t OutCode(const TRenderContext& ctx, double x, double y);
// Clips in place: 0 inside and unchanged, 1 clipped, 2 rejected (also for a NaN or
// infinite coordinate, which no shape can be drawn through).
int32_t ClipSegment(const TRenderContext& ctx, double& x1, double& y1, double& x2, double& y2);

int32_t PixelX(const TRenderContext& ctx, double x);
int32_t PixelY(const TRenderContext& ctx, double y);

void DrawSegment(TRenderContext& ctx, TCanvas& canvas, double x1, double y1, double x2, double y2);
// Draw ctx.PointBuffer as an open path / a closed filled polygon; the buffer is emptied.
void OutputPolyline(TRenderContext& ctx, TCanvas& canvas);
void OutputPolygon(TRenderContext& ctx, TCanvas& canvas);

}  // namespace pennatran
