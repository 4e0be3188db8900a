// Texts of the drawing and of block placements, handed to the common core.
#include "render/drawers.h"
#include "render/text_layout.h"

namespace pennatran {
namespace {

void DrawFrame(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
               const TTextFrame& frame) {
  DrawTextString(ctx, canvas, TextStyleCode(text.TextKind), TextFaceName(text), frame.X1, frame.Y1,
                 frame.X2, frame.Y2, frame.H, frame.W, frame.S, text.Content.View());
}

}  // namespace

void DrawText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
              int64_t overrideColor) {
  if (IsImageReference(text)) return;
  PublishLayerGroupScale(ctx, text.Common.LayerGroup);
  SetTextPen(ctx, canvas, text, overrideColor);
  DrawFrame(ctx, canvas, text, TextFrameOf(text));
}

void DrawText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
              const TPlacement& placement, bool ownScale, int64_t overrideColor) {
  if (IsImageReference(text)) return;
  if (ownScale) PublishLayerGroupScale(ctx, text.Common.LayerGroup);
  SetTextPen(ctx, canvas, text, overrideColor);
  DrawFrame(ctx, canvas, text, MapTextToPlacement(placement, TextFrameOf(text)));
}

}  // namespace pennatran
