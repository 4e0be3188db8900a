#include "render/palette_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "render/recording_canvas.h"

namespace pennatran {
namespace {

using Lines = std::vector<std::string>;

TEST(PaletteSheetLayout, BarsBesideTheGridOrBelowItWhicheverGivesLargerCells) {
  const struct {
    int32_t Width, Height;
    int32_t Cell, LineTypeLeft, LineTypeTop, Columns, RowHeight;
  } rows[] = {
      {258, 158, 10, 174, 4, 1, 9},  // 25 x 15 cells: beside
      {168, 208, 10, 4, 164, 2, 5},  // 16 x 20 cells: below
      {300, 168, 10, 174, 4, 1, 9},  // the window's preview: height decides
      {50, 400, 0, 0, 0, 1, 0},      // too narrow for cells of 3 pixels
      {0, 100, 0, 0, 0, 1, 0},
  };
  for (const auto& r : rows) {
    const TPaletteSheetLayout layout = PaletteSheetLayout(r.Width, r.Height);
    const std::string where = std::to_string(r.Width) + "x" + std::to_string(r.Height);
    EXPECT_EQ(layout.Cell, r.Cell) << where;
    EXPECT_EQ(layout.LineTypeLeft, r.LineTypeLeft) << where;
    EXPECT_EQ(layout.LineTypeTop, r.LineTypeTop) << where;
    EXPECT_EQ(layout.LineTypeColumns, r.Columns) << where;
    EXPECT_EQ(layout.RowHeight, r.RowHeight) << where;
  }
}

// The recorded call after the brush (or pen) line that sets colour for it.
std::string AfterPrefix(const Lines& lines, const std::string& first, const std::string& then) {
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] == first && lines[i + 1].rfind(then, 0) == 0) return lines[i + 1];
  }
  return "<none>";
}

TEST(DrawPaletteSheet, HeldSlotsInTheirColoursAndDashesOthersAsGaps) {
  TPalette palette;
  palette.Colors[TSlot(17)].ScreenColor = 0xFF000000u | MakeColor(0x12, 0x34, 0x56);
  palette.Colors[TSlot(256)].ScreenColor = MakeColor(0xAB, 0xCD, 0xEF);
  palette.Held.Colors = {TSlot(17), TSlot(256)};
  palette.LineTypes[TSlot(17)].SegmentCount = 2;
  palette.LineTypes[TSlot(17)].Pitches[0] = 2;
  palette.LineTypes[TSlot(17)].Pitches[1] = 1;
  palette.Held.LineTypes = {TSlot(17)};
  TRecordingCanvas canvas;
  DrawPaletteSheet(canvas, palette, 258, 158);
  const Lines& lines = canvas.Lines;

  EXPECT_EQ(lines.at(2), "rectangle 0 0 258 158");  // cleared to white first
  // Slot 17 at the top left, slot 256 at the bottom right, the flag byte left out.
  EXPECT_EQ(AfterPrefix(lines, "brush 123456 solid", "rectangle"), "rectangle 4 4 13 13");
  EXPECT_EQ(AfterPrefix(lines, "brush ABCDEF solid", "rectangle"), "rectangle 154 144 163 153");
  const auto count = [&](const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  };
  EXPECT_EQ(count("pen 606060"), 2);  // only the held colour cells are outlined dark
  EXPECT_EQ(count("pen D0D0D0"), 238 + 15);
  // Two periods of dash 2, gap 1 along a bar of 70 pixels, two pixels thick.
  EXPECT_EQ(AfterPrefix(lines, "brush 000000 solid", "rectangle"), "rectangle 179 7 202 9");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "rectangle 214 7 237 9"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "lineto 249 16"), lines.end());  // slot 18

  // Nothing falls outside the area.
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::string verb;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    in >> verb;
    if (verb != "rectangle") continue;
    in >> x1 >> y1 >> x2 >> y2;
    EXPECT_TRUE(x1 >= 0 && y1 >= 0 && x2 <= 258 && y2 <= 158) << line;
  }
}

TEST(DrawPaletteSheet, TooSmallAnAreaIsOnlyCleared) {
  const TPalette palette;
  for (const auto& [width, height] : {std::pair{40, 40}, std::pair{0, 40}, std::pair{40, -1}}) {
    TRecordingCanvas canvas;
    DrawPaletteSheet(canvas, palette, width, height);
    EXPECT_LE(canvas.Lines.size(), 3u) << width << "x" << height;
  }
}

}  // namespace
}  // namespace pennatran
