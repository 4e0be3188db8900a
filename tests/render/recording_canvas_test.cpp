#include "render/recording_canvas.h"

#include <gtest/gtest.h>

#include "jww/text_encoding.h"

namespace pennatran {
namespace {

using Lines = std::vector<std::string>;

TEST(TRecordingCanvas, TraceLinesInCallOrder) {
  TRecordingCanvas canvas;
  canvas.SetPen(MakeColor(0x12, 0x34, 0x56), 0, TPenStyle::Dot);
  canvas.SetBrush(MakeColor(0xAB, 0xCD, 0xEF), TBrushStyle::BDiagonal);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.MoveTo(-1, 2);
  canvas.LineTo(3, 4);
  const TPixelPoint points[] = {{1, 2}, {3, 4}, {5, 6}};
  canvas.Polyline(points, 2);
  canvas.Polygon(points, 3);
  canvas.Rectangle(0, 0, 10, 20);
  TLogFont font;
  font.Height = 12;
  font.Width = 6;
  font.Escapement = 900;
  font.Weight = 700;
  font.Italic = true;
  font.FaceName = Utf8ToSjis("@ＭＳ ゴシック");
  canvas.SetFont(font);
  canvas.SetFontColor(MakeColor(255, 0, 0));
  canvas.TextOut(7, 8, Utf8ToSjis("寸法 12.5"));
  EXPECT_EQ(
      canvas.Lines,
      (Lines{"pen 123456 0 dot", "brush ABCDEF bdiagonal", "brush ABCDEF clear", "moveto -1 2",
             "lineto 3 4", "polyline 2 1 2 3 4", "polygon 3 1 2 3 4 5 6", "rectangle 0 0 10 20",
             "font 12 6 900 700 1 0 0 @ＭＳ ゴシック", "fontcolor FF0000", "text 7 8 寸法 12.5"}));
  EXPECT_EQ(canvas.PenColor(), MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(canvas.BrushColor(), MakeColor(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(canvas.BrushStyle(), TBrushStyle::Clear);
}

}  // namespace
}  // namespace pennatran
