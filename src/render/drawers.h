// The drawer of each entity kind. The draw pass calls them; each sets its own pen.
// An override colour is an RGB colour value, or negative for none.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "jww/jww_types.h"
#include "render/canvas.h"
#include "render/placement.h"
#include "render/render_context.h"

namespace pennatran {

// Lines, arcs and top-level dimensions (draw pass).
void DrawLine(TRenderContext& ctx, TCanvas& canvas, const TEntJwwLine& line);
void DrawLine(TRenderContext& ctx, TCanvas& canvas, const TEntJwwLine& line,
              const TPlacement& placement);
void DrawArc(TRenderContext& ctx, TCanvas& canvas, const TEntJwwArc& arc);
void DrawArc(TRenderContext& ctx, TCanvas& canvas, const TEntJwwArc& arc,
             const TPlacement& placement);
void DrawDimension(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                   bool hideAuxiliary);

// Image references: a text whose content starts with "^@BM" and holds a comma.
bool IsImageReference(const TEntJwwText& text);
// The four corners of an image reference's frame in drawing coordinates, in drawing order;
// nothing when the text is no image reference.
using TImageCorners = std::array<TDrawPoint, 4>;
std::optional<TImageCorners> ImageFrameCorners(const TEntJwwText& text);
std::optional<TImageCorners> ImageFrameCorners(const TPlacement& placement,
                                               const TEntJwwText& text);
void DrawImageRef(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text);
void DrawImageRef(TRenderContext& ctx, TCanvas& canvas, const TPlacement& placement,
                  const TEntJwwText& text);

// Solids, including the arc-solid forms selected by the line type.
void DrawSolid(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid);
void DrawSolid(TRenderContext& ctx, TCanvas& canvas, const TEntJwwSolid& solid,
               const TPlacement& placement);

// Points and their markers.
void DrawPoint(TRenderContext& ctx, TCanvas& canvas, int32_t temporary, int32_t code, int32_t width,
               int32_t color, int32_t layerIndex, double scale, double rotation, double x, double y,
               int64_t overrideColor);
void DrawPoint(TRenderContext& ctx, TCanvas& canvas, const TEntJwwPoint& point,
               const TPlacement& placement, int64_t overrideColor);
// How the draw pass and the dimension drawer hand a point record to DrawPoint.
void DrawPointRecord(TRenderContext& ctx, TCanvas& canvas, const TEntJwwPoint& point,
                     int64_t overrideColor);

// Texts. ownScale is bit 0x40 of the placement node's common line type.
void DrawText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text, int64_t overrideColor);
void DrawText(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
              const TPlacement& placement, bool ownScale, int64_t overrideColor);
// The common core: draws content along the base line (x1, y1)-(x2, y2); H, W, S in mm.
void DrawTextString(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                    std::string_view faceName, double x1, double y1, double x2, double y2, double h,
                    double w, double s, std::string_view content);

// Dimensions inside a block placement, with the value measured again.
void DrawDimensionInBlock(TRenderContext& ctx, TCanvas& canvas, const TEntJwwDimension& dim,
                          const TPlacement& placement, bool ownScale, int64_t overrideColor,
                          bool hideAuxiliary);

}  // namespace pennatran
