// Loads arbitrary bytes as a drawing, then measures, draws and saves what was read, so that
// the reader, the block tree, the drawers and the writer all meet hostile input.
#include <cstdint>
#include <cstring>
#include <memory>

#include "attributes/gra_attribute.h"
#include "jww/jww_data.h"
#include "jww/jww_writer.h"
#include "render/draw_preview.h"
#include "render/null_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A private copy, so that AddressSanitizer sees any read past the input's end.
  std::unique_ptr<uint8_t[]> copy(new uint8_t[size ? size : 1]);
  if (size) std::memcpy(copy.get(), data, size);

  pennatran::TJwwData doc;  // no image folder: images are listed but never written
  doc.LoadFromBytes(copy.get(), size, "fuzz.jww");

  pennatran::TgraAttribute attributes;
  pennatran::ApplyDocPens(attributes, doc, 0, [] { return std::optional<int32_t>(600); });
  pennatran::ApplyLayerStates(attributes, doc);
  pennatran::TRenderContext ctx;
  ctx.GraAttribute = &attributes;
  ctx.DocInfo = doc.DocInfo;
  ctx.Clock = [] { return pennatran::TLocalDateTime{2026, 12, 7, 9, 30, 0}; };
  pennatran::ComputeExtents(doc, ctx.WorkingBox);
  pennatran::TNullCanvas canvas;
  pennatran::DrawPreview(ctx, doc, canvas, 64, 48);

  pennatran::TStringSink saved;
  try {
    pennatran::WriteJww(doc, saved, 700);
  } catch (const pennatran::TWriteError&) {
    // A value with no encoding refuses the save; that is an answer, not a fault.
  }
  return 0;
}
