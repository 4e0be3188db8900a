// The picture of a palette file where a drawing would show its preview: every user colour
// slot as a cell of a grid and every user line type slot as a bar of its dashes, each at
// the place of its slot, so that the slots a palette leaves out show as gaps.
#pragma once

#include <cstdint>

#include "palette/palette_file.h"
#include "render/canvas.h"

namespace pennatran {

// The layout of the sheet in an area of the given size: cells of Cell pixels, the colour
// grid (16 columns of 15 rows, slot 17 at the top left) at ColorLeft/ColorTop, and the line
// type bars in LineTypeColumns columns of 16 / LineTypeColumns rows, each RowHeight pixels
// tall and ColumnWidth wide, from LineTypeLeft/LineTypeTop. The bars go beside the grid
// when that gives larger cells, else below it. Cell is 0 when the area is too small.
struct TPaletteSheetLayout {
  int32_t Cell = 0;
  int32_t ColorLeft = 0;
  int32_t ColorTop = 0;
  int32_t LineTypeLeft = 0;
  int32_t LineTypeTop = 0;
  int32_t LineTypeColumns = 1;
  int32_t ColumnWidth = 0;
  int32_t RowHeight = 0;
};
TPaletteSheetLayout PaletteSheetLayout(int32_t width, int32_t height);

// Clears the area to white and draws the sheet: a held colour slot filled with its screen
// colour, a held line type slot as black dashes; a slot the palette does not hold is an
// empty outline or a faint line.
void DrawPaletteSheet(TCanvas& canvas, const TPalette& palette, int32_t width, int32_t height);

}  // namespace pennatran
