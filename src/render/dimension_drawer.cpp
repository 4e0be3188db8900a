#include "render/drawers.h"
#include "render/output.h"

namespace pennatran {

namespace {

// Colour and line type number 9 mark auxiliary parts.
bool IsAuxiliaryLine(const TEntJwwLine& line) {
  return line.Common.LineType == 9 || line.Common.Color == 9;
}

// A part on a hidden layer is left out, not drawn in the background colour over what
// lies under it.
bool Hidden(const TRenderContext& ctx, const TEntJwwCommon& common) {
  return OnHiddenLayer(ctx, common.LayerIndex());
}

}  // namespace

void DrawDimension(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                   bool hideAuxiliary, const TPlacement* placement, bool ownScale) {
  if (placement != nullptr) {
    DrawDimensionInBlock(ctx, canvas, dim, *placement, ownScale, std::nullopt, hideAuxiliary);
    return;
  }
  // Each part follows its own layer: a hidden one is skipped, a display-only one is grey.
  if (dim.SxfMode != 0) {
    for (const TEntJwwLine* aux : {&dim.AuxLine1, &dim.AuxLine2}) {
      if (!(hideAuxiliary && IsAuxiliaryLine(*aux)) && !Hidden(ctx, aux->Common)) {
        DrawLine(ctx, canvas, *aux);
      }
    }
    for (const TEntJwwPoint* point : {&dim.Point1, &dim.Point2}) {
      if (!(hideAuxiliary && point->Common.Color == 9) && !Hidden(ctx, point->Common)) {
        DrawPoint(ctx, canvas, *point);
      }
    }
  }
  if (!(hideAuxiliary && IsAuxiliaryLine(dim.Line)) && !Hidden(ctx, dim.Line.Common)) {
    DrawLine(ctx, canvas, dim.Line);
  }
  if (!(hideAuxiliary && dim.Text.Common.Color == 9) && !Hidden(ctx, dim.Text.Common)) {
    DrawText(ctx, canvas, dim.Text);
  }
}

}  // namespace pennatran
