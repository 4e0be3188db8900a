// How a text record becomes the base line, metrics, face and pen that DrawTextString
// draws with, also through a block placement. The dimension drawers share these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "jww/jww_types.h"
#include "render/canvas.h"
#include "render/placement.h"
#include "render/render_context.h"

namespace pennatran {

// Bits of a font style code.
constexpr int32_t kStyleBold = 1;
constexpr int32_t kStyleItalic = 2;
constexpr int32_t kStyleUnderline = 4;
constexpr int32_t kStyleStrikeOut = 8;

// Common flag of a text written in a vertical column.
constexpr uint16_t kTextVerticalFlag = 0x20;

// The base line (x1, y1)-(x2, y2) and the character height H, full-width character width W
// and spacing S, all in millimetres.
struct TTextFrame {
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  double H = 0, W = 0, S = 0;
};

// The part of a text's string that the preview draws: its longest prefix of whole
// characters whose Shift-JIS form takes at most 255 bytes. A drawing keeps and saves every
// text whole at any length; how much of it is drawn is a rule of the preview alone, and this
// is the one place that applies it: every string of a text record reaches the drawers
// through here.
std::string_view DrawnPart(std::string_view stored);
// DrawnPart of the text's content.
std::string_view DrawnContent(const TEntJwwText& text);

// Style code of a text kind: below 10000 regular, then italic, bold, bold italic.
int32_t TextStyleCode(uint32_t textKind);
// The stored base line and metrics; a vertical text exchanges height and width.
TTextFrame TextFrameOf(const TEntJwwText& text);
// FontName, with "@" in front for a vertical text (Shift-JIS).
std::string TextFaceName(const TEntJwwText& text);

// Entity pen of the text (line type 1). An override colour replaces the pen and font colour.
void SetTextPen(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
                std::optional<TColor> overrideColor);
// CurrentScale := the scale of the drawing's layer group; unchanged when the group is
// not one of ctx.LayerGroupScales.
void PublishLayerGroupScale(TRenderContext& ctx, int32_t layerGroup);

// The frame drawn through a placement: the mapped base line, the metrics measured on the
// mapped axes (the identity matrix keeps them), end points exchanged when the placement
// mirrors. Metrics are rounded half-up to 4 decimals; |W| and |H| are at least 0.0001.
TTextFrame MapTextToPlacement(const TPlacement& placement, const TTextFrame& frame);
// The same, always measuring on the mapped axes, even for the identity matrix.
TTextFrame MapTextThroughMatrix(const TPlacement& placement, const TTextFrame& frame);

}  // namespace pennatran
