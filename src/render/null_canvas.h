// A canvas that draws nothing: for measuring the draw pass alone and for fuzzing.
#pragma once

#include "render/canvas.h"

namespace pennatran {

class TNullCanvas : public TCanvas {
 public:
  void SetPen(TColor color, int32_t, TPenStyle) override { Pen = color; }
  void SetBrush(TColor color, TBrushStyle style) override {
    Brush = color;
    Style = style;
  }
  void SetBrushStyle(TBrushStyle style) override { Style = style; }
  void MoveTo(int32_t, int32_t) override {}
  void LineTo(int32_t, int32_t) override {}
  void Polyline(const TPixelPoint*, size_t) override {}
  void Polygon(const TPixelPoint*, size_t) override {}
  void Rectangle(int32_t, int32_t, int32_t, int32_t) override {}
  void SetFont(const TLogFont&) override {}
  void SetFontColor(TColor) override {}
  void TextOut(int32_t, int32_t, std::string_view) override {}
  TColor PenColor() const override { return Pen; }
  TColor BrushColor() const override { return Brush; }
  TBrushStyle BrushStyle() const override { return Style; }

 private:
  TColor Pen = 0;
  TColor Brush = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::Solid;
};

}  // namespace pennatran
