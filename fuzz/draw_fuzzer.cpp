// Loads arbitrary bytes as a drawing, then measures and draws what was read on a canvas that
// draws nothing: the extents, the drawers and the text codes meet hostile input.
#include "fuzz/fuzz_input.h"
#include "jww/jww_data.h"
#include "render/draw_preview.h"
#include "render/null_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pennatran::fuzzing::TFuzzInput input(data, size);
  pennatran::TJwwData doc;
  doc.LoadFromBytes(input.Bytes.get(), input.Size, "fuzz.jww");
  pennatran::PreviewAttributes attributes;
  pennatran::TRenderContext ctx;
  pennatran::PreparePreview(
      ctx, attributes, doc, pennatran::BackgroundMode::White,
      [] { return std::optional<int32_t>(600); },
      [] { return pennatran::TLocalDateTime{2026, 12, 7, 9, 30, 0}; });
  pennatran::TNullCanvas canvas;
  pennatran::DrawPreview(ctx, doc, canvas, 64, 48);
  return 0;
}
