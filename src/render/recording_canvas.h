// A canvas that paints nothing and records every call as one line of text, in call order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace pennatran {

// Trace lines: "pen RRGGBB WIDTH solid|dot", "brush RRGGBB STYLE", "moveto X Y",
// "lineto X Y", "polyline N X1 Y1 ...", "polygon N X1 Y1 ...", "rectangle X1 Y1 X2 Y2",
// "font HEIGHT WIDTH ESCAPEMENT WEIGHT ITALIC UNDERLINE STRIKEOUT FACE",
// "fontcolor RRGGBB", "text X Y CONTENT" (face and content converted to UTF-8).
class TRecordingCanvas : public TCanvas {
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

  std::vector<std::string> Lines;
  TColor Pen = 0;
  int32_t PenWidth = 1;
  TPenStyle PenStyle = TPenStyle::Solid;
  TColor Brush = 0xFFFFFF;
  TBrushStyle BrushStyleValue = TBrushStyle::Solid;
  TLogFont Font;
  TColor FontColor = 0;

 protected:
  // Takes each line as it is made; kept in Lines unless a subclass sends it elsewhere, as
  // a trace too long to hold in memory must be.
  virtual void Record(std::string line) { Lines.push_back(std::move(line)); }
};

}  // namespace pennatran
