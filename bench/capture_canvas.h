// Captures the shapes a draw pass hands to the canvas, already in pixels, so that they can
// be drawn again with QPainter alone as the baseline of the preview's speed.
#pragma once

#include <QPainter>
#include <vector>

#include "render/canvas.h"

namespace pennatran::bench {

class TCaptureCanvas : public TCanvas {
 public:
  void SetPen(TColor color, int32_t, TPenStyle) override { Pen = color; }
  void SetBrush(TColor color, TBrushStyle style) override {
    Brush = color;
    Style = style;
  }
  void SetBrushStyle(TBrushStyle style) override { Style = style; }
  void MoveTo(int32_t x, int32_t y) override { Current = QPoint(x, y); }
  void LineTo(int32_t x, int32_t y) override {
    Segments.emplace_back(Current, QPoint(x, y));
    Current = QPoint(x, y);
  }
  void Polyline(const TPixelPoint* points, size_t count) override {
    Polylines.emplace_back(ToPolygon(points, count));
  }
  void Polygon(const TPixelPoint* points, size_t count) override {
    Polygons.emplace_back(ToPolygon(points, count));
  }
  void Rectangle(int32_t, int32_t, int32_t, int32_t) override {}
  void SetFont(const TLogFont&) override {}
  void SetFontColor(TColor) override {}
  void TextOut(int32_t, int32_t, std::string_view) override {}
  TColor PenColor() const override { return Pen; }
  TColor BrushColor() const override { return Brush; }
  TBrushStyle BrushStyle() const override { return Style; }

  // Draws everything captured with one pen and no brush.
  void Replay(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    for (const auto& [a, b] : Segments) painter.drawLine(a, b);
    for (const QPolygon& p : Polylines) painter.drawPolyline(p);
    for (const QPolygon& p : Polygons) painter.drawPolygon(p, Qt::OddEvenFill);
  }

  std::vector<std::pair<QPoint, QPoint>> Segments;
  std::vector<QPolygon> Polylines;
  std::vector<QPolygon> Polygons;

 private:
  static QPolygon ToPolygon(const TPixelPoint* points, size_t count) {
    QPolygon polygon(static_cast<int>(count));
    for (size_t i = 0; i < count; ++i)
      polygon[static_cast<int>(i)] = QPoint(points[i].X, points[i].Y);
    return polygon;
  }

  QPoint Current;
  TColor Pen = 0;
  TColor Brush = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::Solid;
};

}  // namespace pennatran::bench
