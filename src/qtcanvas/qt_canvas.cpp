#include "qtcanvas/qt_canvas.h"

#include <QPen>
#include <QRect>
#include <climits>
#include <tuple>
#include <utility>

#include "qtcanvas/qt_text.h"

namespace pennatran {

namespace {

QColor ToQColor(TColor c) {
  return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
  switch (style) {
    case TBrushStyle::Solid:
      return Qt::SolidPattern;
    case TBrushStyle::Clear:
      return Qt::NoBrush;
    case TBrushStyle::Horizontal:
      return Qt::HorPattern;
    case TBrushStyle::Vertical:
      return Qt::VerPattern;
    case TBrushStyle::FDiagonal:
      return Qt::FDiagPattern;
    case TBrushStyle::BDiagonal:
      return Qt::BDiagPattern;
    case TBrushStyle::Cross:
      return Qt::CrossPattern;
    case TBrushStyle::DiagCross:
      return Qt::DiagCrossPattern;
  }
  return Qt::NoBrush;
}

QPen MakePen(TColor color, int32_t width, TPenStyle style) {
  QPen pen(ToQColor(color));
  pen.setWidth(width);
  // Widths count in device pixels, as on the Windows drawing surface.
  pen.setCosmetic(true);
  pen.setStyle(style == TPenStyle::Solid ? Qt::SolidLine : Qt::DotLine);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

}  // namespace

TQtCanvas::TQtCanvas(QImage& image) : Painter(&image) {
  Painter.setRenderHint(QPainter::Antialiasing, false);
  Painter.setPen(MakePen(PenColorValue, PenWidthValue, PenStyleValue));
  ApplyBrush();
}

TQtCanvas::~TQtCanvas() {
  DrawPendingLines();
  Painter.end();
}

void TQtCanvas::SetPen(TColor color, int32_t width, TPenStyle style) {
  PenColorValue = color;
  PenWidthValue = width;
  PenStyleValue = style;
}

void TQtCanvas::UsePen(const TPenKey& pen) {
  // Drawers set their pen for every entity; most of the time nothing changes.
  if (pen == PainterPen) return;
  PainterPen = pen;
  Painter.setPen(KnownPens.Get(pen, [&] { return std::apply(MakePen, pen); }));
}

void TQtCanvas::SetBrush(TColor color, TBrushStyle style) {
  if (color == BrushColorValue && style == BrushStyleValue) return;
  BrushColorValue = color;
  BrushStyleValue = style;
  ApplyBrush();
}

void TQtCanvas::SetBrushStyle(TBrushStyle style) {
  if (style == BrushStyleValue) return;
  BrushStyleValue = style;
  ApplyBrush();
}

void TQtCanvas::ApplyBrush() {
  Painter.setBrush(KnownBrushes.Get({BrushColorValue, BrushStyleValue}, [&] {
    return QBrush(ToQColor(BrushColorValue), ToQtBrushStyle(BrushStyleValue));
  }));
}

void TQtCanvas::MoveTo(int32_t x, int32_t y) {
  Current = QPoint(x, y);
}

void TQtCanvas::LineTo(int32_t x, int32_t y) {
  if (LineRunsInUse > 0 && std::get<0>(LineRuns[0].Pen) != PenColorValue) DrawPendingLines();
  const TPenKey pen{PenColorValue, PenWidthValue, PenStyleValue};
  size_t run = 0;
  while (run < LineRunsInUse && LineRuns[run].Pen != pen) ++run;
  if (run == LineRunsInUse) {
    if (run == LineRuns.size()) LineRuns.emplace_back();
    LineRuns[run].Pen = pen;
    ++LineRunsInUse;
  }
  const QPoint to(x, y);
  LineRuns[run].Lines.emplace_back(Current, to);
  Current = to;
  // Bounded so that the segments held back stay in the cache.
  constexpr size_t kMostPending = 1024;
  if (++PendingLineCount >= kMostPending) DrawPendingLines();
}

void TQtCanvas::DrawPendingLines() {
  for (size_t run = 0; run < LineRunsInUse; ++run) {
    std::vector<QLine>& lines = LineRuns[run].Lines;
    UsePen(LineRuns[run].Pen);
    // One call each: QPainter strokes the segments of one call as one path, which joins
    // them (a segment drawn upwards then keeps its first pixel).
    for (const QLine& line : lines) Painter.drawLine(line);
    lines.clear();
  }
  LineRunsInUse = 0;
  PendingLineCount = 0;
}

const QPoint* TQtCanvas::ToQPoints(const TPixelPoint* points, size_t count) {
  PointBuffer.resize(count);
  for (size_t i = 0; i < count; ++i) PointBuffer[i] = QPoint(points[i].X, points[i].Y);
  return PointBuffer.data();
}

void TQtCanvas::Polyline(const TPixelPoint* points, size_t count) {
  if (count < 2 || count > static_cast<size_t>(INT_MAX)) return;
  DrawPendingLines();
  UsePen({PenColorValue, PenWidthValue, PenStyleValue});
  Painter.drawPolyline(ToQPoints(points, count), static_cast<int>(count));
}

void TQtCanvas::Polygon(const TPixelPoint* points, size_t count) {
  if (count < 2 || count > static_cast<size_t>(INT_MAX)) return;
  DrawPendingLines();
  UsePen({PenColorValue, PenWidthValue, PenStyleValue});
  Painter.drawPolygon(ToQPoints(points, count), static_cast<int>(count), Qt::OddEvenFill);
}

void TQtCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  DrawPendingLines();
  UsePen({PenColorValue, PenWidthValue, PenStyleValue});
  // A cosmetic pen outlines QRect(x, y, w, h) over w + 1 pixels; the box must end one
  // pixel before x2 and y2.
  Painter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TQtCanvas::SetFont(const TLogFont& font) {
  Font = font;
}

void TQtCanvas::SetFontColor(TColor color) {
  FontColor = color;
}

void TQtCanvas::TextOut(int32_t x, int32_t y, std::string_view sjisText) {
  DrawPendingLines();
  DrawSjisText(Painter, Font, FontColor, x, y, sjisText);
}

}  // namespace pennatran
