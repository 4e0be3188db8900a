#include "render/draw_preview.h"
#include "render/system_clock.h"

namespace pennatran {

BackgroundMode PreparePreview(TRenderContext& ctx, PreviewAttributes& attributes, TJwwData& doc,
                              BackgroundMode backMode, const TPrinterResolution& printerResolution,
                              TClock clock) {
  const BackgroundMode keptBackMode = ApplyDocPens(attributes, doc, backMode, printerResolution);
  ApplyLayerStates(attributes, doc);
  ctx.Attributes = &attributes;
  if (doc.DocInfoPublished) ctx.DocInfo = doc.DocInfo;
  ctx.Clock = clock ? std::move(clock) : TClock(SystemNow);
  ComputeExtents(doc, ctx.WorkingBox);
  return keptBackMode;
}

}  // namespace pennatran
