// How far one drawing has drifted from a palette.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "palette/drawing_failure.h"
#include "palette/palette_diff.h"

namespace pennatran {

struct TAuditResult {
  bool Readable = false;
  TDrawingFailure Failure;            // why the drawing could not be read completely
  std::vector<TFieldChange> Changes;  // palette → drawing, over the slots the palette holds
};

TAuditResult AuditDrawing(const TPalette& palette, const std::filesystem::path& file);

}  // namespace pennatran
