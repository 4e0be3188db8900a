// Fitting a drawing into a preview image and drawing it there.
#pragma once

#include <cstdint>

#include "jww/jww_data.h"
#include "render/canvas.h"
#include "render/render_context.h"

namespace pennatran {

// The start state before anything is drawn: scale 1, a window of the image's size centred
// on the origin.
void ResetPreviewMapping(TRenderContext& ctx, int32_t pixelWidth, int32_t pixelHeight);
// Fills ctx.WorkingBox from the document's entities and copies it into the document's
// extents. A drawing without entities keeps the box of the previous computation.
void ComputeExtents(TJwwData& doc, TWorkingBox& box);
// Chooses scale and view window so the extents fill 90 % of the image and are centred.
void FitPreview(TRenderContext& ctx, const TJwwData& doc, int32_t pixelWidth,
                int32_t pixelHeight);
// FitPreview, then clear the image, frame it and draw the document's entities.
void DrawPreview(TRenderContext& ctx, const TJwwData& doc, TCanvas& canvas, int32_t pixelWidth,
                 int32_t pixelHeight);
// Draws the whole document with the current attributes and mapping; stops early, silently,
// when ctx.EscapePressed reports the Escape key at a poll point.
void DrawEntities(TRenderContext& ctx, const TJwwData& doc, TCanvas& canvas);

}  // namespace pennatran
