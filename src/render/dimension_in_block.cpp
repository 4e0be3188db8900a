// Dimensions of a block definition, drawn through one placement of the block.
#include <cmath>
#include <string>

#include "render/dimension_value.h"
#include "render/drawers.h"
#include "render/output.h"
#include "render/text_layout.h"

namespace pennatran {

namespace {

constexpr uint16_t kAuxiliaryNumber = 9;

bool IsAuxiliaryLine(const TEntJwwLine& line) {
  return line.Common.LineType == kAuxiliaryNumber || line.Common.Color == kAuxiliaryNumber;
}

// A part on a hidden layer is left out, not drawn in the background colour over what
// lies under it.
bool Hidden(const TRenderContext& ctx, const TEntJwwCommon& common) {
  return OnHiddenLayer(ctx, common.LayerIndex());
}

bool IsIdentityMatrix(const TPlacement& p) {
  constexpr double kTolerance = 1e-14;
  return std::fabs(p.M11 - 1) <= kTolerance && std::fabs(p.M12) <= kTolerance &&
         std::fabs(p.M21) <= kTolerance && std::fabs(p.M22 - 1) <= kTolerance;
}

// Scale of a layer group of the drawing; 0 (read as 1 by the formatter) for a group the
// drawing does not have.
double LayerGroupScale(const TRenderContext& ctx, uint16_t layerGroup) {
  return layerGroup < ctx.LayerGroupScales.size() ? ctx.LayerGroupScales[layerGroup] : 0.0;
}

// The stored value text with a new content, drawn the way a text of the block is, except
// that its base line is centred for the new content's length.
void DrawValueText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
                   const std::string& content, const TPlacement& placement, bool ownScale,
                   std::optional<TColor> overrideColor) {
  if (IsImageReference(text)) return;
  if (ownScale) PublishLayerGroupScale(ctx, text.Common.LayerGroup);
  SetTextPen(ctx, canvas, text, overrideColor);
  const TTextFrame f = MapDimensionTextToPlacement(text, content, placement);
  DrawTextString(ctx, canvas, TextStyleCode(text.TextKind), TextFaceName(text), f, content);
}

}  // namespace

void DrawDimensionInBlock(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                          const TPlacement& placement, bool ownScale,
                          std::optional<TColor> overrideColor, bool hideAuxiliary) {
  if (dim.SxfMode != 0) {
    for (const TEntJwwLine* line : {&dim.AuxLine1, &dim.AuxLine2}) {
      if (!(hideAuxiliary && IsAuxiliaryLine(*line)) && !Hidden(ctx, line->Common)) {
        DrawLine(ctx, canvas, *line, &placement);
      }
    }
    // The auxiliary points only carry construction data and are never drawn.
    for (const TEntJwwPoint* point : {&dim.Point1, &dim.Point2}) {
      if (!(hideAuxiliary && point->Common.Color == kAuxiliaryNumber) &&
          !Hidden(ctx, point->Common)) {
        DrawPoint(ctx, canvas, *point, &placement, overrideColor);
      }
    }
  }
  if (!(hideAuxiliary && IsAuxiliaryLine(dim.Line)) && !Hidden(ctx, dim.Line.Common)) {
    DrawLine(ctx, canvas, dim.Line, &placement);
  }

  const TEntJwwText& text = dim.Text;
  if ((hideAuxiliary && text.Common.Color == kAuxiliaryNumber) || Hidden(ctx, text.Common)) return;
  // Only a value generated from the dimension line can follow a scaled, turned or mirrored
  // block; a stored text, or one under a pure translation, is drawn as it was written.
  if (IsIdentityMatrix(placement) || !(text.Common.Width & kDimValueGenerated)) {
    DrawText(ctx, canvas, text, &placement, ownScale, overrideColor);
    return;
  }
  const SjisString value =
      FormatDimensionValue(text.Common.Width, text.Common.Flags, dim.Line,
                           LayerGroupScale(ctx, dim.Line.Common.LayerGroup), placement);
  DrawValueText(ctx, canvas, text, value, placement, ownScale, overrideColor);
}

}  // namespace pennatran
