// The preview canvas over a QImage, painted through QPainter.
#pragma once

#include <QBrush>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <tuple>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace pennatran {

// The last few values made for keys, replaced in turn once full.
template <typename Key, typename Value>
class TMadeBefore {
 public:
  template <typename Make>
  const Value& Get(const Key& key, Make make) {
    for (const auto& [known, value] : Entries) {
      if (known == key) return value;
    }
    constexpr size_t kCapacity = 32;
    if (Entries.size() < kCapacity) return Entries.emplace_back(key, make()).second;
    auto& slot = Entries[NextToReplace];
    NextToReplace = (NextToReplace + 1) % kCapacity;
    slot = {key, make()};
    return slot.second;
  }

 private:
  std::vector<std::pair<Key, Value>> Entries;
  size_t NextToReplace = 0;
};

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
  using TPenKey = std::tuple<TColor, int32_t, TPenStyle>;
  // Segments held back with one of their colour's pens. Opaque strokes of one colour
  // leave the same pixels in any order, so the segments of a run of that colour are
  // painted pen by pen: a drawing that goes back and forth between solid and dotted lines
  // then changes QPainter's pen once per run instead of at every segment. Each segment
  // keeps a call of its own, so it is stroked exactly as before.
  struct TLineRun {
    TPenKey Pen;
    std::vector<QLine> Lines;
  };

  void ApplyBrush();
  // Gives QPainter the pen, unless it has it already.
  void UsePen(const TPenKey& pen);
  // Paints the segments held back; every other shape, and a segment of another colour,
  // come after them.
  void DrawPendingLines();
  // The points in Qt's type, in a buffer kept between shapes so that drawing a shape
  // allocates nothing.
  const QPoint* ToQPoints(const TPixelPoint* points, size_t count);

  QPainter Painter;
  QPoint Current;
  TColor PenColorValue = 0;
  int32_t PenWidthValue = 0;
  TPenStyle PenStyleValue = TPenStyle::Solid;
  TPenKey PainterPen{PenColorValue, PenWidthValue, PenStyleValue};
  TColor BrushColorValue = MakeColor(255, 255, 255);
  TBrushStyle BrushStyleValue = TBrushStyle::Solid;
  TLogFont Font;
  TColor FontColor = 0;
  std::vector<QPoint> PointBuffer;
  // The runs in use come first; the others keep their room for the next segments.
  std::vector<TLineRun> LineRuns;
  size_t LineRunsInUse = 0;
  size_t PendingLineCount = 0;
  // Pens and brushes made before, so that switching back and forth between a drawing's
  // few colours does not build a new one each time.
  TMadeBefore<TPenKey, QPen> KnownPens;
  TMadeBefore<std::pair<TColor, TBrushStyle>, QBrush> KnownBrushes;
};

}  // namespace pennatran
