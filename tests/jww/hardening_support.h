// Helpers shared by the tests of hostile, truncated and fuzzed drawings.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "attributes/preview_attributes.h"
#include "jww/jww_data.h"
#include "render/draw_preview.h"
#include "render/null_canvas.h"
#include "support/jww_builder.h"

namespace pennatran::testing {

// True in a build with AddressSanitizer, which reserves far more address space than any
// memory limit a test would set and runs every load several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

inline std::filesystem::path SourcePath(const std::string& relative) {
  return std::filesystem::path(PENNATRAN_SOURCE_DIR) / relative;
}

// Exactly the file's bytes in an allocation of their own, so that a read past the end is
// an overflow the sanitizer sees.
inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The regular files of a folder, in name order (none when it is missing).
inline std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (!std::filesystem::is_directory(folder)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Measures and draws whatever a load kept, as the preview does, on a canvas that draws
// nothing.
inline void DrawOnNullCanvas(TJwwData& doc) {
  PreviewAttributes attributes;
  TRenderContext ctx;
  ctx.DocInfo = doc.DocInfo;
  PreparePreview(
      ctx, attributes, doc, BackgroundMode::White, [] { return std::optional<int32_t>(600); },
      [] { return TLocalDateTime{2026, 12, 7, 9, 30, 0}; });
  TNullCanvas canvas;
  DrawPreview(ctx, doc, canvas, 320, 200);
}

// Each of 40 levels places the next one ten times: 10^40 placements if nothing bounds
// them, and every level also has lines and a text to draw.
inline std::vector<uint8_t> ExponentialFanOut() {
  TJwwData doc = SampleDocument();
  Append(doc, MakeInsert(0, 0, 0));
  for (uint32_t n = 0; n < 40; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(n, "level" + std::to_string(n));
    for (int i = 0; i < 10; ++i) Append(def, MakeInsert(n + 1, i, 0, 0.5, 0.5));
    for (int i = 0; i < 8; ++i) Append(def, MakeLine(i, 0, i, 3));
    Append(def, MakeText(0, 0, "fan-out"));
    doc.BlockDefs.push_back(def);
  }
  return TJwwBuilder::Drawing(doc);
}

}  // namespace pennatran::testing
