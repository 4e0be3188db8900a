#include "palette/palette_audit.h"

namespace pennatran {

TAuditResult AuditDrawing(const TPalette& palette, const std::filesystem::path& file) {
  TAuditResult result;
  TJwwData doc;  // no image folder: an audit extracts nothing
  if (!doc.LoadFromFile(file)) {
    result.Failure = LoadFailureOf(doc);
    return result;
  }
  result.Readable = true;
  result.Changes = CompareSlots(palette, PaletteOfDrawing(doc), palette.Held);
  return result;
}

}  // namespace pennatran
