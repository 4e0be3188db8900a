#include "render/palette_sheet.h"

#include <algorithm>

#include "palette/palette.h"
#include "render/line_type_swatch.h"

namespace pennatran {

namespace {

constexpr int32_t kColorLineCount = UserSlotCount(TSlotKind::Color);
constexpr int32_t kLineTypeLineCount = UserSlotCount(TSlotKind::LineType);
constexpr int32_t kGridColumns = 16;
constexpr int32_t kGridRows = kColorLineCount / kGridColumns;
// Bars beside the grid take half its width after a gap of one cell.
constexpr int32_t kBarCells = kGridColumns / 2;
constexpr int32_t kMargin = 4;
// Below that a cell shows no colour inside its outline.
constexpr int32_t kSmallestCell = 3;

constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kInk = MakeColor(0, 0, 0);
constexpr TColor kHeldOutline = MakeColor(96, 96, 96);
constexpr TColor kEmptyOutline = MakeColor(208, 208, 208);
// The colour words keep flags above the 24 colour bits.
constexpr TColor kColorBits = 0xFFFFFF;

void DrawColorCells(TCanvas& canvas, const TPalette& palette, const TPaletteSheetLayout& layout) {
  const int32_t cell = layout.Cell;
  for (int32_t line = 0; line < kColorLineCount; ++line) {
    const int32_t x = layout.ColorLeft + line % kGridColumns * cell;
    const int32_t y = layout.ColorTop + line / kGridColumns * cell;
    if (Holds(palette.Held.Colors, SlotOfListLine(line))) {
      canvas.SetPen(kHeldOutline, 0, TPenStyle::Solid);
      const TColor color = palette.Colors[SlotOfListLine(line)].ScreenColor;
      canvas.SetBrush(color & kColorBits, TBrushStyle::Solid);
    } else {
      canvas.SetPen(kEmptyOutline, 0, TPenStyle::Solid);
      canvas.SetBrush(kWhite, TBrushStyle::Solid);
    }
    // One pixel of white between neighbours.
    canvas.Rectangle(x, y, x + cell - 1, y + cell - 1);
  }
}

void DrawLineTypeBars(TCanvas& canvas, const TPalette& palette, const TPaletteSheetLayout& layout) {
  const int32_t rows = kLineTypeLineCount / layout.LineTypeColumns;
  const int32_t inset = layout.Cell / 2;
  const int32_t barWidth = layout.ColumnWidth - 2 * inset;
  const int32_t thickness = std::max(1, layout.RowHeight / 4);
  for (int32_t line = 0; line < kLineTypeLineCount; ++line) {
    const int32_t x = layout.LineTypeLeft + line / rows * layout.ColumnWidth + inset;
    const int32_t top =
        layout.LineTypeTop + line % rows * layout.RowHeight + (layout.RowHeight - thickness) / 2;
    if (!Holds(palette.Held.LineTypes, SlotOfListLine(line))) {
      canvas.SetPen(kEmptyOutline, 0, TPenStyle::Solid);
      canvas.MoveTo(x, top);
      canvas.LineTo(x + barWidth, top);
      continue;
    }
    canvas.SetPen(kInk, 0, TPenStyle::Solid);
    canvas.SetBrush(kInk, TBrushStyle::Solid);
    const TEntJwwLineTypeExNo& entry = palette.LineTypes[SlotOfListLine(line)];
    for (const TSwatchDash& dash : LineTypeSwatchDashes(entry, barWidth)) {
      canvas.Rectangle(x + dash.Start, top, x + dash.Start + dash.Length, top + thickness);
    }
  }
}

}  // namespace

TPaletteSheetLayout PaletteSheetLayout(int32_t width, int32_t height) {
  TPaletteSheetLayout layout;
  const int32_t w = width - 2 * kMargin;
  const int32_t h = height - 2 * kMargin;
  if (w <= 0 || h <= 0) return layout;
  // Beside: 16 + 1 + 8 cells wide, 15 tall. Below: 16 wide; 15 + 1 cells and then two
  // columns of 8 bars half a cell tall.
  const int32_t beside = std::min(w / (kGridColumns + 1 + kBarCells), h / kGridRows);
  const int32_t below = std::min(w / kGridColumns, h / (kGridRows + 1 + kBarCells / 2));
  const int32_t cell = std::max(beside, below);
  if (cell < kSmallestCell) return layout;
  layout.Cell = cell;
  layout.ColorLeft = kMargin;
  layout.ColorTop = kMargin;
  layout.ColumnWidth = kBarCells * cell;
  if (beside >= below) {
    layout.LineTypeLeft = kMargin + (kGridColumns + 1) * cell;
    layout.LineTypeTop = kMargin;
    layout.LineTypeColumns = 1;
    layout.RowHeight = kGridRows * cell / kLineTypeLineCount;
  } else {
    layout.LineTypeLeft = kMargin;
    layout.LineTypeTop = kMargin + (kGridRows + 1) * cell;
    layout.LineTypeColumns = 2;
    layout.RowHeight = cell / 2;
  }
  return layout;
}

void DrawPaletteSheet(TCanvas& canvas, const TPalette& palette, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  canvas.SetPen(kWhite, 0, TPenStyle::Solid);
  canvas.SetBrush(kWhite, TBrushStyle::Solid);
  canvas.Rectangle(0, 0, width, height);
  const TPaletteSheetLayout layout = PaletteSheetLayout(width, height);
  if (layout.Cell == 0) return;
  DrawColorCells(canvas, palette, layout);
  DrawLineTypeBars(canvas, palette, layout);
}

}  // namespace pennatran
