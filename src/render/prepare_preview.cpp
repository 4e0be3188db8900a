#include "render/draw_preview.h"
#include "render/system_clock.h"

namespace pennatran {

int32_t PreparePreview(TRenderContext& ctx, TgraAttribute& attributes, TJwwData& doc,
                       int32_t backMode, const TPrinterResolution& printerResolution,
                       TClock clock) {
  const int32_t keptBackMode = ApplyDocPens(attributes, doc, backMode, printerResolution);
  ApplyLayerStates(attributes, doc);
  ctx.GraAttribute = &attributes;
  if (doc.DocInfoPublished) ctx.DocInfo = doc.DocInfo;
  ctx.Clock = clock ? std::move(clock) : TClock(SystemNow);
  ComputeExtents(doc, ctx.WorkingBox);
  return keptBackMode;
}

}  // namespace pennatran
