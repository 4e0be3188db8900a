// The preview canvas over a QImage, painted through QPainter.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <vector>

#include "render/canvas.h"

namespace pennatran {

// Paints on the given image from construction to destruction; the image must outlive the
// canvas and holds the finished picture once the canvas is gone. Shapes are not
// antialiased; a pen of width 0 is the cosmetic one-pixel pen.
class TQtCanvas : public TCanvas {
 public:
  explicit TQtCanvas(QImage& image);
  ~TQtCanvas() override;
  TQtCanvas(const TQtCanvas&) = delete;
  TQtCanvas& operator=(const TQtCanvas&) = delete;

  void SetPen(TColor color, int32_t width, TPenStyle style) override;
  void SetBrush(TColor color, TBrushStyle style) override;
  void SetBrushStyle(TBrushStyle style) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const TPixelPoint* points, size_t count) override;
  void Polygon(const TPixelPoint* points, size_t count) override;
  // Like the Windows drawing surface: the right and bottom edges lie outside.
  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void SetFont(const TLogFont& font) override;
  void SetFontColor(TColor color) override;
  void TextOut(int32_t x, int32_t y, std::string_view sjisText) override;
  TColor PenColor() const override { return PenColorValue; }
  TColor BrushColor() const override { return BrushColorValue; }
  TBrushStyle BrushStyle() const override { return BrushStyleValue; }

 private:
  void ApplyBrush();
  // The points in Qt's type, in a buffer kept between shapes so that drawing a shape
  // allocates nothing.
  const QPoint* ToQPoints(const TPixelPoint* points, size_t count);

  QPainter Painter;
  QPoint Current;
  TColor PenColorValue = 0;
  int32_t PenWidthValue = 0;
  TPenStyle PenStyleValue = TPenStyle::Solid;
  TColor BrushColorValue = MakeColor(255, 255, 255);
  TBrushStyle BrushStyleValue = TBrushStyle::Solid;
  TLogFont Font;
  TColor FontColor = 0;
  std::vector<QPoint> PointBuffer;
};

}  // namespace pennatran
