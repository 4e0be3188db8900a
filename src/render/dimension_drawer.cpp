#include "render/drawers.h"

namespace pennatran {

namespace {

// Colour and line type number 9 mark auxiliary parts.
bool IsAuxiliaryLine(const TEntJwwLine& line) {
  return line.Common.LineType == 9 || line.Common.Color == 9;
}

constexpr int64_t kNoOverride = -1;

}  // namespace

void DrawDimension(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                   bool hideAuxiliary) {
  // The parts are not tested against layer states: each pen follows its own layer.
  if (dim.SxfMode != 0) {
    for (const TEntJwwLine* aux : {&dim.AuxLine1, &dim.AuxLine2}) {
      if (!(hideAuxiliary && IsAuxiliaryLine(*aux))) DrawLine(ctx, canvas, *aux);
    }
    for (const TEntJwwPoint* point : {&dim.Point1, &dim.Point2}) {
      if (!(hideAuxiliary && point->Common.Color == 9)) {
        DrawPointRecord(ctx, canvas, *point, kNoOverride);
      }
    }
  }
  if (!(hideAuxiliary && IsAuxiliaryLine(dim.Line))) DrawLine(ctx, canvas, dim.Line);
  if (!(hideAuxiliary && dim.Text.Common.Color == 9)) {
    DrawText(ctx, canvas, dim.Text, kNoOverride);
  }
}

}  // namespace pennatran
