#include "render/packed_recording_canvas.h"

#include <utility>

#include "jww/text_encoding.h"

namespace pennatran {
namespace {

int32_t Rgb(TColor c) {
  return ColorRed(c) << 16 | ColorGreen(c) << 8 | ColorBlue(c);
}

}  // namespace

void TPackedRecordingCanvas::HandOverInParts(size_t words, TPartSink part) {
  PartWords = words;
  Part = std::move(part);
}

void TPackedRecordingCanvas::EndParts() {
  if (Part && Words.Size() > 0) HandOverPart();
}

void TPackedRecordingCanvas::HandOverPart() {
  Part(Words, Text);
  Words = {};
  Text.clear();
}

void TPackedRecordingCanvas::SetPen(TColor color, int32_t width, TPenStyle style) {
  Pen = color;
  Call(TPackedCall::Pen);
  Words.Append({Rgb(color), width, style == TPenStyle::Solid ? 0 : 1});
}

void TPackedRecordingCanvas::SetBrush(TColor color, TBrushStyle style) {
  Brush = color;
  SetBrushStyle(style);
}

void TPackedRecordingCanvas::SetBrushStyle(TBrushStyle style) {
  BrushStyleValue = style;
  Call(TPackedCall::Brush);
  Words.Append({Rgb(Brush), static_cast<int32_t>(style)});
}

void TPackedRecordingCanvas::MoveTo(int32_t x, int32_t y) {
  Call(TPackedCall::MoveTo);
  Words.Append({x, y});
}

void TPackedRecordingCanvas::LineTo(int32_t x, int32_t y) {
  Call(TPackedCall::LineTo);
  Words.Append({x, y});
}

void TPackedRecordingCanvas::Points(TPackedCall call, const TPixelPoint* points, size_t count) {
  Call(call);
  int32_t runs = count > 0 ? 1 : 0;
  for (size_t i = 1; i < count; ++i) {
    if (!(points[i] == points[i - 1])) ++runs;
  }
  Words.Append({static_cast<int32_t>(count), runs});
  for (size_t i = 0; i < count;) {
    size_t next = i + 1;
    while (next < count && points[next] == points[i]) ++next;
    Words.Append({points[i].X, points[i].Y, static_cast<int32_t>(next - i)});
    i = next;
  }
}

void TPackedRecordingCanvas::Polyline(const TPixelPoint* points, size_t count) {
  Points(TPackedCall::Polyline, points, count);
}

void TPackedRecordingCanvas::Polygon(const TPixelPoint* points, size_t count) {
  Points(TPackedCall::Polygon, points, count);
}

void TPackedRecordingCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Call(TPackedCall::Rectangle);
  Words.Append({x1, y1, x2, y2});
}

void TPackedRecordingCanvas::SetFont(const TLogFont& font) {
  Call(TPackedCall::Font);
  const int32_t flags = (font.Italic ? 1 : 0) | (font.Underline ? 2 : 0) | (font.StrikeOut ? 4 : 0);
  Words.Append({font.Height, font.Width, font.Escapement, font.Weight, flags});
  String(font.FaceName);
}

void TPackedRecordingCanvas::SetFontColor(TColor color) {
  Call(TPackedCall::FontColor);
  Words.Append(Rgb(color));
}

void TPackedRecordingCanvas::TextOut(int32_t x, int32_t y, std::string_view sjisText) {
  Call(TPackedCall::Text);
  Words.Append({x, y});
  String(sjisText);
}

void TPackedRecordingCanvas::String(std::string_view sjis) {
  const std::string utf8 = SjisToUtf8(sjis);
  Words.Append({static_cast<int32_t>(Text.size()), static_cast<int32_t>(utf8.size())});
  Text += utf8;
}

}  // namespace pennatran
