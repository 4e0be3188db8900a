#include "render/recording_canvas.h"

#include <cstdio>

#include "jww/text_encoding.h"

namespace pennatran {

namespace {

std::string Hex(TColor c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", ColorRed(c), ColorGreen(c), ColorBlue(c));
  return buf;
}

const char* BrushStyleName(TBrushStyle style) {
  switch (style) {
    case TBrushStyle::Solid:
      return "solid";
    case TBrushStyle::Clear:
      return "clear";
    case TBrushStyle::Horizontal:
      return "horizontal";
    case TBrushStyle::Vertical:
      return "vertical";
    case TBrushStyle::FDiagonal:
      return "fdiagonal";
    case TBrushStyle::BDiagonal:
      return "bdiagonal";
    case TBrushStyle::Cross:
      return "cross";
    case TBrushStyle::DiagCross:
      return "diagcross";
  }
  return "clear";
}

std::string Points(const char* name, const TPixelPoint* points, size_t count) {
  std::string line = name;
  line += ' ' + std::to_string(count);
  for (size_t i = 0; i < count; ++i) {
    line += ' ' + std::to_string(points[i].X) + ' ' + std::to_string(points[i].Y);
  }
  return line;
}

}  // namespace

void TRecordingCanvas::SetPen(TColor color, int32_t width, TPenStyle style) {
  Pen = color;
  PenWidth = width;
  PenStyle = style;
  Record("pen " + Hex(color) + ' ' + std::to_string(width) +
         (style == TPenStyle::Solid ? " solid" : " dot"));
}

void TRecordingCanvas::SetBrush(TColor color, TBrushStyle style) {
  Brush = color;
  BrushStyleValue = style;
  Record("brush " + Hex(color) + ' ' + BrushStyleName(style));
}

void TRecordingCanvas::SetBrushStyle(TBrushStyle style) {
  BrushStyleValue = style;
  Record("brush " + Hex(Brush) + ' ' + BrushStyleName(style));
}

void TRecordingCanvas::MoveTo(int32_t x, int32_t y) {
  Record("moveto " + std::to_string(x) + ' ' + std::to_string(y));
}

void TRecordingCanvas::LineTo(int32_t x, int32_t y) {
  Record("lineto " + std::to_string(x) + ' ' + std::to_string(y));
}

void TRecordingCanvas::Polyline(const TPixelPoint* points, size_t count) {
  Record(Points("polyline", points, count));
}

void TRecordingCanvas::Polygon(const TPixelPoint* points, size_t count) {
  Record(Points("polygon", points, count));
}

void TRecordingCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Record("rectangle " + std::to_string(x1) + ' ' + std::to_string(y1) + ' ' + std::to_string(x2) +
         ' ' + std::to_string(y2));
}

void TRecordingCanvas::SetFont(const TLogFont& font) {
  Font = font;
  Record("font " + std::to_string(font.Height) + ' ' + std::to_string(font.Width) + ' ' +
         std::to_string(font.Escapement) + ' ' + std::to_string(font.Weight) + ' ' +
         (font.Italic ? '1' : '0') + ' ' + (font.Underline ? '1' : '0') + ' ' +
         (font.StrikeOut ? '1' : '0') + ' ' + SjisToUtf8(font.FaceName));
}

void TRecordingCanvas::SetFontColor(TColor color) {
  FontColor = color;
  Record("fontcolor " + Hex(color));
}

void TRecordingCanvas::TextOut(int32_t x, int32_t y, std::string_view sjisText) {
  Record("text " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + SjisToUtf8(sjisText));
}

}  // namespace pennatran
