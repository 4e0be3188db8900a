// The drawer of each entity kind. The draw pass calls them; each sets its own pen.
// A drawer taking a placement draws the record inside that block placement, or at top level
// when the placement is null.
// An override colour replaces the pen (and font) colour the layer and entity would give.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "jww/jww_types.h"
#include "render/canvas.h"
#include "render/placement.h"
#include "render/render_context.h"
#include "render/text_layout.h"

namespace pennatran {

// Lines and arcs.
void DrawLine(TRenderContext& ctx, TCanvas& canvas, const TEntJwwLine& line,
              const TPlacement* placement = nullptr);
void DrawArc(TRenderContext& ctx, TCanvas& canvas, const TEntJwwArc& arc,
             const TPlacement* placement = nullptr);

// Image references: a text whose content starts with "^@BM" and holds a comma.
bool IsImageReference(const TEntJwwText& text);
// The four corners of an image reference's frame in drawing coordinates, in drawing order;
// nothing when the text is no image reference.
using TImageCorners = std::array<TDrawPoint, 4>;
std::optional<TImageCorners> ImageFrameCorners(const TEntJwwText& text);
std::optional<TImageCorners> ImageFrameCorners(const TPlacement& placement,
                                               const TEntJwwText& text);
void DrawImageRef(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
                  const TPlacement* placement = nullptr);

// Solids, including the arc-solid forms selected by the line type.
void DrawSolid(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid,
               const TPlacement* placement = nullptr);

// Points and their markers. Only a point whose line type is 100 carries a marker code, scale
// and direction; any other is a dot.
void DrawPoint(TRenderContext& ctx, TCanvas& canvas, const TEntJwwPoint& point,
               const TPlacement* placement = nullptr,
               std::optional<TColor> overrideColor = std::nullopt);

// Texts. ownScale is bit 0x40 of the placement node's common line type; at top level the
// text always reads its own layer group's scale.
void DrawText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
              const TPlacement* placement = nullptr, bool ownScale = false,
              std::optional<TColor> overrideColor = std::nullopt);
// The common core: draws content along the frame's base line with its metrics.
void DrawTextString(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                    std::string_view faceName, const TTextFrame& frame, std::string_view content);

// Dimensions. Each part follows its own layer and auxiliary marks. ownScale is as for texts.
void DrawDimension(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                   bool hideAuxiliary, const TPlacement* placement = nullptr,
                   bool ownScale = false);
// Dimensions inside a block placement, with the value measured again.
void DrawDimensionInBlock(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                          const TPlacement& placement, bool ownScale,
                          std::optional<TColor> overrideColor, bool hideAuxiliary);

}  // namespace pennatran
