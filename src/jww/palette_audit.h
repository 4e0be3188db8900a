// How far one drawing has drifted from a palette.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "jww/palette_diff.h"

namespace pennatran {

struct TAuditResult {
  bool Readable = false;
  std::string Error;                  // why the drawing could not be read completely
  std::vector<TFieldChange> Changes;  // palette → drawing, over the slots the palette holds
};

TAuditResult AuditDrawing(const TPalette& palette, const std::filesystem::path& file);

}  // namespace pennatran
