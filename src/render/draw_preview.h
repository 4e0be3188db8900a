// Fitting a drawing into a preview image and drawing it there.
#pragma once

#include <cstdint>

#include "attributes/preview_attributes.h"
#include "jww/jww_data.h"
#include "render/canvas.h"
#include "render/render_context.h"

namespace pennatran {

// What every preview of a freshly loaded drawing needs before it is drawn: the drawing's
// pens and SXF colours in attributes (the background mode to keep is returned), its layer
// states, its document information when the load published one, the clock (the system's
// when none is given) and its extents. ctx.Attributes is set to attributes.
BackgroundMode PreparePreview(TRenderContext& ctx, PreviewAttributes& attributes, TJwwData& doc,
                              BackgroundMode backMode, const TPrinterResolution& printerResolution,
                              TClock clock = {});

// The start state before anything is drawn: scale 1, a window of the image's size centred
// on the origin.
void ResetPreviewMapping(TRenderContext& ctx, int32_t pixelWidth, int32_t pixelHeight);
// Fills ctx.WorkingBox from the document's entities and copies it into the document's
// extents. A drawing without entities keeps the box of the previous computation.
void ComputeExtents(TJwwData& doc, TWorkingBox& box);
// Chooses scale and view window so the extents fill 90 % of the image and are centred.
void FitPreview(TRenderContext& ctx, const TJwwData& doc, int32_t pixelWidth, int32_t pixelHeight);
// FitPreview, then clear the image, frame it and draw the document's entities.
void DrawPreview(TRenderContext& ctx, const TJwwData& doc, TCanvas& canvas, int32_t pixelWidth,
                 int32_t pixelHeight);
// Draws the whole document with the current attributes and mapping; stops early, silently,
// when ctx.EscapePressed reports the Escape key at a poll point.
void DrawEntities(TRenderContext& ctx, const TJwwData& doc, TCanvas& canvas);

}  // namespace pennatran
