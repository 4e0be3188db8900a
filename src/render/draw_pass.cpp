#include <cstdlib>

#include "attributes/preview_attributes.h"
#include "render/draw_preview.h"
#include "render/drawers.h"
#include "render/output.h"

namespace pennatran {

namespace {

constexpr int32_t kAuxiliary = 9;
constexpr TColor kFrameColor = MakeColor(0, 0, 255);

bool EscapePressed(const TRenderContext& ctx) {
  return ctx.EscapePressed && ctx.EscapePressed();
}

bool OnVisibleLayer(const TRenderContext& ctx, const TEntJwwCommon& common) {
  return !OnHiddenLayer(ctx, common.LayerIndex());
}

// Drawn unless hidden by its layer or, while auxiliaries are hidden, auxiliary by colour
// (and, for lines and arcs, by line type).
bool Visible(const TRenderContext& ctx, const TEntJwwCommon& common, bool showAuxiliary,
             bool lineTypeCounts) {
  if (!OnVisibleLayer(ctx, common)) return false;
  if (showAuxiliary) return true;
  if (common.Color == kAuxiliary) return false;
  return !(lineTypeCounts && common.LineType == kAuxiliary);
}

// Draws the visible entries in array order and polls the Escape key after each drawn entry
// whose index is a multiple of ten. Returns false when the pass must stop.
template <typename TEntity, typename TIsVisible, typename TDraw>
bool DrawList(const TRenderContext& ctx, const TRecordArray<TEntity>& list, TIsVisible isVisible,
              TDraw draw) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (!isVisible(list[i])) continue;
    draw(list[i]);
    if (i % 10 == 0 && EscapePressed(ctx)) return false;
  }
  return true;
}

struct TPassOptions {
  bool ShowAuxiliary = false;
  const TPlacement* Placement = nullptr;  // null at top level
  bool OwnScale = false;
};

// The lists of a drawing or of a block definition, in drawing order: image frames under
// solids, solids under lines, and so on. Returns false when Escape stopped the pass.
bool DrawContents(TRenderContext& ctx, TCanvas& canvas, const TEntityLists& lists,
                  const TPassOptions& options) {
  const bool showAux = options.ShowAuxiliary;
  const TPlacement* placement = options.Placement;
  const auto byColour = [&](const auto& e) { return Visible(ctx, e.Common, showAux, false); };
  const auto byColourOrType = [&](const auto& e) { return Visible(ctx, e.Common, showAux, true); };

  // Dimensions test their auxiliary parts themselves.
  const auto onVisibleLayer = [&](const TEntJwwDimension& d) {
    return OnVisibleLayer(ctx, d.Common);
  };
  // Each list is followed by a look at the Escape key.
  const auto drawAll = [&](const auto& list, auto isVisible, auto draw) {
    return DrawList(ctx, list, isVisible, draw) && !EscapePressed(ctx);
  };
  const auto imageRef = [&](const TEntJwwText& t) { DrawImageRef(ctx, canvas, t, placement); };
  const auto solid = [&](const TEntJwwSolid& s) { DrawSolid(ctx, canvas, s, placement); };
  const auto line = [&](const TEntJwwLine& l) { DrawLine(ctx, canvas, l, placement); };
  const auto arc = [&](const TEntJwwArc& a) { DrawArc(ctx, canvas, a, placement); };
  const auto point = [&](const TEntJwwPoint& p) { DrawPoint(ctx, canvas, p, placement); };
  const auto text = [&](const TEntJwwText& t) {
    DrawText(ctx, canvas, t, placement, options.OwnScale);
  };
  const auto dimension = [&](const TEntJwwDimension& d) {
    DrawDimension(ctx, canvas, d, !showAux, placement, options.OwnScale);
  };
  if (!drawAll(lists.Texts, byColour, imageRef)) return false;
  if (!DrawList(ctx, lists.Solids, byColour, solid)) return false;
  // Everything after the solids is an outline.
  canvas.SetBrushStyle(TBrushStyle::Clear);
  return !EscapePressed(ctx) && drawAll(lists.Lines, byColourOrType, line) &&
         drawAll(lists.Arcs, byColourOrType, arc) && drawAll(lists.Points, byColour, point) &&
         drawAll(lists.Texts, byColour, text) &&
         drawAll(lists.Dimensions, onVisibleLayer, dimension);
}

double LayerGroupScale(const TJwwData& doc, uint16_t layerGroup) {
  return layerGroup < doc.LayerGroups.size() ? doc.LayerGroups[layerGroup].Scale : 1.0;
}

// Outlines (x1, y1)-(x2, y2) with the current pen; too thin a box becomes a line or nothing.
void OutlineRectangle(TCanvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const bool wide = std::abs(x1 - x2) > 2;
  const bool high = std::abs(y1 - y2) > 2;
  if (wide && high) {
    canvas.Rectangle(x1, y1, x2, y2);
  } else if (wide) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y1);
  } else if (high) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x1, y2);
  }
}

}  // namespace

void DrawEntities(TRenderContext& ctx, const TJwwData& doc, TCanvas& canvas) {
  ctx.LayerGroupScales.clear();
  for (const TEntJwwLayerGroup& group : doc.LayerGroups) {
    ctx.LayerGroupScales.push_back(group.Scale);
  }
  TPassOptions options;
  options.ShowAuxiliary = ctx.Attributes->GetShowAuxiliary();
  if (!DrawContents(ctx, canvas, doc, options)) return;
  for (const TEntJwwBlockTree& node : doc.BlockTree) {
    ctx.CurrentScale = LayerGroupScale(doc, node.Common.LayerGroup);
    if (node.BlockIndex < 0 || node.BlockIndex >= doc.BlockDefCount()) continue;
    const TPlacement placement = TPlacement::FromTree(node);
    options.Placement = &placement;
    options.OwnScale = (node.Common.LineType & 0x40) != 0;
    if (!DrawContents(ctx, canvas, doc.BlockDefs[node.BlockIndex], options)) return;
  }
}

void DrawPreview(TRenderContext& ctx, const TJwwData& doc, TCanvas& canvas, int32_t pixelWidth,
                 int32_t pixelHeight) {
  FitPreview(ctx, doc, pixelWidth, pixelHeight);
  const TColor back = ctx.Attributes->GetBackColor();
  canvas.SetPen(back, 1, TPenStyle::Solid);
  canvas.SetBrush(back, TBrushStyle::Solid);
  canvas.Rectangle(0, 0, pixelWidth, pixelHeight);
  // The frame is an outline only: the clear brush stays for it.
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetPen(kFrameColor, 0, TPenStyle::Solid);
  OutlineRectangle(canvas, 0, 0, pixelWidth - 1, pixelHeight - 1);
  DrawEntities(ctx, doc, canvas);
}

}  // namespace pennatran
