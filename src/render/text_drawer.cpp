// Texts of the drawing and of block placements, handed to the common core.
#include "render/drawers.h"
#include "render/text_layout.h"

namespace pennatran {
namespace {

void DrawFrame(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
               const TTextFrame& frame) {
  DrawTextString(ctx, canvas, TextStyleCode(text.TextKind), TextFaceName(text), frame,
                 DrawnContent(text));
}

}  // namespace

void DrawText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
              const TPlacement* placement, bool ownScale, std::optional<TColor> overrideColor) {
  if (IsImageReference(text)) return;
  if (placement == nullptr || ownScale) PublishLayerGroupScale(ctx, text.Common.LayerGroup);
  SetTextPen(ctx, canvas, text, overrideColor);
  const TTextFrame frame = TextFrameOf(text);
  DrawFrame(ctx, canvas, text,
            placement != nullptr ? MapTextToPlacement(*placement, frame) : frame);
}

}  // namespace pennatran
