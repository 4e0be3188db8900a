// The pieces DrawTextString is built from: runs of characters in one font, single glyphs,
// and the interpreter of the control sequences ("^u", "^!", "^$2", ...).
#pragma once

#include <cstdint>
#include <string_view>

#include "render/canvas.h"
#include "render/render_context.h"

namespace pennatran {

// Glyph geometry shared by a run: character height H, full-width character width W and
// spacing S in millimetres, direction theta in radians.
struct TGlyphMetrics {
  double H = 0, W = 0, S = 0;
  double Theta = 0;
};

// Makes the run's font (sizes rounded half to even) the canvas font in the pen colour and
// draws each character of run from (x, y) along theta. A face beginning with "@@" drops
// those characters and draws every character upside down in its own cell.
void DrawGlyphRun(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                  std::string_view faceName, double x, double y, const TGlyphMetrics& metrics,
                  std::string_view run);
// Writes one character whose cell starts at base point (x, y) when at least one corner of
// the cell lies inside the view window.
void DrawGlyph(TRenderContext& ctx, TCanvas& canvas, double x, double y, double h, double w,
               double theta, std::string_view character);
// Draws content that holds "^" codes, starting at (x, y), in the text's own style.
void DrawControlledText(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                        std::string_view faceName, double x, double y, const TGlyphMetrics& metrics,
                        std::string_view content);

}  // namespace pennatran
