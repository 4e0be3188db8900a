// A canvas that paints nothing and records every call as numbers, for a front end that
// replays them elsewhere: the page's worker hands them to the page without making text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "render/canvas.h"
#include "render/word_blocks.h"

namespace pennatran {

// Each call is an opcode and its numbers in Words. Colours are 0xRRGGBB; a string is its
// offset and length in Text, in UTF-8. The calls and their numbers follow the recording
// canvas's trace lines, so that a replayer can give that trace back word for word:
//   Pen        colour width style(0 solid, 1 dot)
//   Brush      colour style(TBrushStyle's order)
//   MoveTo     x y
//   LineTo     x y
//   Polyline   n k x1 y1 r1 ... xk yk rk
//   Polygon    n k x1 y1 r1 ... xk yk rk
//   Rectangle  x1 y1 x2 y2
//   Font       height width escapement weight flags(1 italic, 2 underline, 4 strike-out)
//              faceOffset faceLength
//   FontColor  colour
//   Text       x y offset length
// A shape's n points come as k runs of one point given r times in a row: a small curve
// repeats most of its points, and the recording of a big drawing is mostly such points.
enum class TPackedCall : int32_t {
  Pen,
  Brush,
  MoveTo,
  LineTo,
  Polyline,
  Polygon,
  Rectangle,
  Font,
  FontColor,
  Text,
};

class TPackedRecordingCanvas : public TCanvas {
 public:
  void SetPen(TColor color, int32_t width, TPenStyle style) override;
  void SetBrush(TColor color, TBrushStyle style) override;
  void SetBrushStyle(TBrushStyle style) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const TPixelPoint* points, size_t count) override;
  void Polygon(const TPixelPoint* points, size_t count) override;
  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void SetFont(const TLogFont& font) override;
  void SetFontColor(TColor color) override;
  void TextOut(int32_t x, int32_t y, std::string_view sjisText) override;
  TColor PenColor() const override { return Pen; }
  TColor BrushColor() const override { return Brush; }
  TBrushStyle BrushStyle() const override { return BrushStyleValue; }

  // Hands the calls recorded so far to `part` whenever they reach `words` numbers, at the
  // start of the next call, and begins again with empty Words and Text: each part is a
  // recording of its own (its strings in its own Text), and the parts replayed one after the
  // other on one canvas are the whole recording. A front end can paint the first part while
  // the rest is recorded, and need not hold the whole. EndParts hands over the last one.
  using TPartSink = std::function<void(const TWordBlocks& words, const std::string& text)>;
  void HandOverInParts(size_t words, TPartSink part);
  void EndParts();

  TWordBlocks Words;
  std::string Text;

 private:
  void Call(TPackedCall call) {
    if (Part && Words.Size() >= PartWords) HandOverPart();
    Words.Append(static_cast<int32_t>(call));
  }
  void HandOverPart();
  void Points(TPackedCall call, const TPixelPoint* points, size_t count);
  // Appends the Shift-JIS bytes to Text as UTF-8 and records where they lie.
  void String(std::string_view sjis);

  TPartSink Part;
  size_t PartWords = 0;
  TColor Pen = 0;
  TColor Brush = 0xFFFFFF;
  TBrushStyle BrushStyleValue = TBrushStyle::Solid;
};

}  // namespace pennatran
