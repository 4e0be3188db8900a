#include "qtcanvas/qt_canvas.h"

#include <gtest/gtest.h>

#include "gui_application.h"
#include "qtcanvas/printer_resolution.h"

namespace pennatran {
namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kBlue = MakeColor(0, 0, 255);
constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kRedPixel = 0xFFFF0000;
constexpr QRgb kBluePixel = 0xFF0000FF;

class QtCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApplication(); }

  QtCanvasTest() : Image(40, 30, QImage::Format_RGB32) { Image.fill(Qt::white); }

  QRgb At(int x, int y) const { return Image.pixel(x, y); }
  int CountOf(QRgb colour) const {
    int n = 0;
    for (int y = 0; y < Image.height(); ++y) {
      for (int x = 0; x < Image.width(); ++x) n += Image.pixel(x, y) == colour ? 1 : 0;
    }
    return n;
  }

  QImage Image;
};

TEST_F(QtCanvasTest, RectangleLeavesItsRightAndBottomEdgesOut) {
  {
    TQtCanvas canvas(Image);
    canvas.SetPen(kRed, 1, TPenStyle::Solid);
    canvas.SetBrush(kRed, TBrushStyle::Solid);
    canvas.Rectangle(0, 0, 10, 5);
  }
  EXPECT_EQ(At(0, 0), kRedPixel);
  EXPECT_EQ(At(9, 4), kRedPixel);
  EXPECT_EQ(At(10, 4), kWhitePixel);
  EXPECT_EQ(At(9, 5), kWhitePixel);
  EXPECT_EQ(CountOf(kRedPixel), 50);
}

TEST_F(QtCanvasTest, ClearBrushOutlinesOnly) {
  {
    TQtCanvas canvas(Image);
    canvas.SetBrush(kRed, TBrushStyle::Clear);
    canvas.SetPen(kBlue, 0, TPenStyle::Solid);
    canvas.Rectangle(0, 0, 39, 29);
  }
  EXPECT_EQ(At(0, 0), kBluePixel);
  EXPECT_EQ(At(38, 28), kBluePixel);
  EXPECT_EQ(At(39, 0), kWhitePixel);
  EXPECT_EQ(At(0, 29), kWhitePixel);
  EXPECT_EQ(At(20, 15), kWhitePixel);
  EXPECT_EQ(CountOf(kRedPixel), 0);
}

TEST_F(QtCanvasTest, LinesAndDottedLines) {
  {
    TQtCanvas canvas(Image);
    canvas.SetPen(kBlue, 0, TPenStyle::Solid);
    canvas.MoveTo(0, 2);
    canvas.LineTo(30, 2);
    canvas.SetPen(kRed, 0, TPenStyle::Dot);
    canvas.MoveTo(0, 10);
    canvas.LineTo(30, 10);
  }
  for (int x = 0; x < 30; ++x) EXPECT_EQ(At(x, 2), kBluePixel) << x;
  int dots = 0;
  for (int x = 0; x <= 30; ++x) dots += At(x, 10) == kRedPixel ? 1 : 0;
  EXPECT_GE(dots, 9);
  EXPECT_LE(dots, 12);
}

TEST_F(QtCanvasTest, PolygonsFillAlternatelyAndPolylinesStayOpen) {
  // Two nested squares as one path: the ring is filled, the hole is not.
  const TPixelPoint ring[] = {{2, 2}, {22, 2}, {22, 22}, {2, 22}, {2, 2},
                              {8, 8}, {16, 8}, {16, 16}, {8, 16}, {8, 8}};
  {
    TQtCanvas canvas(Image);
    canvas.SetPen(kBlue, 0, TPenStyle::Solid);
    canvas.SetBrush(kRed, TBrushStyle::Solid);
    canvas.Polygon(ring, std::size(ring));
    const TPixelPoint open[] = {{25, 5}, {35, 5}, {35, 15}};
    canvas.Polyline(open, std::size(open));
  }
  EXPECT_EQ(At(4, 12), kRedPixel);
  EXPECT_EQ(At(12, 12), kWhitePixel);
  EXPECT_EQ(At(30, 5), kBluePixel);
  EXPECT_EQ(At(35, 10), kBluePixel);
  EXPECT_EQ(At(30, 10), kWhitePixel);  // not closed, not filled
}

// Pens and brushes made earlier are reused; more colours than are kept, and going back to
// ones made long before, must still paint each shape in its own colour.
TEST_F(QtCanvasTest, EveryShapeTakesTheColourLastSetAmongMany) {
  const auto grey = [](int i) { return MakeColor(i * 5, i * 5, i * 5); };
  const auto greyPixel = [](int i) { return qRgb(i * 5, i * 5, i * 5); };
  {
    TQtCanvas canvas(Image);
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < 38; ++i) {
        const int c = pass == 0 ? i : 37 - i;  // the second pass walks back through all
        canvas.SetPen(grey(c), 0, TPenStyle::Solid);
        canvas.MoveTo(i + 1, pass * 10);
        canvas.LineTo(i + 1, pass * 10 + 5);
      }
    }
    for (int i = 0; i < 6; ++i) {
      const TColor fill = i % 2 == 0 ? kRed : kBlue;
      canvas.SetPen(fill, 0, TPenStyle::Solid);
      canvas.SetBrush(fill, TBrushStyle::Solid);
      const TPixelPoint square[] = {{i * 6, 22}, {i * 6 + 4, 22}, {i * 6 + 4, 26}, {i * 6, 26}};
      canvas.Polygon(square, std::size(square));
    }
  }
  for (int i = 0; i < 38; ++i) {
    EXPECT_EQ(At(i + 1, 2), greyPixel(i)) << i;
    EXPECT_EQ(At(i + 1, 12), greyPixel(37 - i)) << i;
  }
  for (int i = 0; i < 6; ++i) EXPECT_EQ(At(i * 6 + 2, 24), i % 2 == 0 ? kRedPixel : kBluePixel);
}

// Segments are held back and painted pen by pen while their colour stays the same; the
// picture must be the one painting every call in turn gives.
TEST_F(QtCanvasTest, SegmentsHeldBackPaintAsEachCallInTurn) {
  struct TStep {
    TColor Color;
    int32_t Width;
    TPenStyle Style;
    QLine Line;  // a null line stands for the filled square below
  };
  const TStep steps[] = {
      {kRed, 0, TPenStyle::Solid, {0, 5, 39, 5}},
      {kRed, 0, TPenStyle::Dot, {0, 5, 39, 25}},
      {kBlue, 0, TPenStyle::Solid, {10, 0, 10, 29}},
      {kRed, 0, TPenStyle::Solid, {0, 10, 39, 10}},
      {kRed, 0, TPenStyle::Dot, {5, 0, 5, 29}},
      {kRed, 3, TPenStyle::Solid, {0, 20, 39, 20}},
      {kBlue, 0, TPenStyle::Solid, {}},
      {kRed, 0, TPenStyle::Dot, {0, 22, 39, 22}},
      {kRed, 1, TPenStyle::Solid, {12, 0, 12, 29}},
      {kRed, 0, TPenStyle::Solid, {33, 2, 33, 12}},
      {kRed, 0, TPenStyle::Solid, {35, 28, 35, 20}},  // drawn upwards
      {kRed, 0, TPenStyle::Solid, {37, 28, 37, 20}},
      {kBlue, 0, TPenStyle::Dot, {0, 0, 39, 29}},
  };
  const TPixelPoint square[] = {{20, 15}, {30, 15}, {30, 25}, {20, 25}};
  {
    TQtCanvas canvas(Image);
    canvas.SetBrush(kBlue, TBrushStyle::Solid);
    for (const TStep& step : steps) {
      canvas.SetPen(step.Color, step.Width, step.Style);
      if (step.Line.isNull()) {
        canvas.Polygon(square, std::size(square));
        continue;
      }
      canvas.MoveTo(step.Line.x1(), step.Line.y1());
      canvas.LineTo(step.Line.x2(), step.Line.y2());
    }
  }
  QImage expected(Image.size(), QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    QPainter painter(&expected);
    painter.setBrush(QColor(0, 0, 255));
    for (const TStep& step : steps) {
      QPen pen(QColor(ColorRed(step.Color), ColorGreen(step.Color), ColorBlue(step.Color)));
      pen.setWidth(step.Width);
      pen.setCosmetic(true);
      pen.setStyle(step.Style == TPenStyle::Solid ? Qt::SolidLine : Qt::DotLine);
      pen.setCapStyle(Qt::FlatCap);
      pen.setJoinStyle(Qt::MiterJoin);
      painter.setPen(pen);
      if (step.Line.isNull()) {
        const QPoint corners[] = {{20, 15}, {30, 15}, {30, 25}, {20, 25}};
        painter.drawPolygon(corners, 4, Qt::OddEvenFill);
      } else {
        painter.drawLine(step.Line);
      }
    }
  }
  EXPECT_EQ(Image, expected);
  EXPECT_EQ(At(10, 5), kBluePixel);  // the blue line crossed the red one before it
  EXPECT_EQ(At(10, 10), kRedPixel);  // and lies under the red one after it
  int dotsOnSquare = 0;              // the dotted line after the square lies on it
  for (int x = 21; x < 30; ++x) dotsOnSquare += At(x, 22) == kRedPixel ? 1 : 0;
  EXPECT_GE(dotsOnSquare, 2);
  EXPECT_EQ(At(25, 20), kBluePixel);  // the square covers the thick line before it
}

TEST_F(QtCanvasTest, HatchBrushIsTransparentBetweenItsLines) {
  {
    TQtCanvas canvas(Image);
    canvas.SetPen(kBlue, 0, TPenStyle::Solid);
    canvas.SetBrush(kRed, TBrushStyle::BDiagonal);
    canvas.Rectangle(0, 0, 40, 30);
  }
  const int red = CountOf(kRedPixel);
  EXPECT_GT(red, 50);
  EXPECT_GT(CountOf(kWhitePixel), 3 * red);
}

TEST_F(QtCanvasTest, HugeCoordinatesStillFill) {
  const TPixelPoint huge[] = {{-(1 << 28), -(1 << 28)}, {1 << 28, -(1 << 28)}, {0, 1 << 28}};
  {
    TQtCanvas canvas(Image);
    canvas.SetPen(kRed, 0, TPenStyle::Solid);
    canvas.SetBrush(kRed, TBrushStyle::Solid);
    canvas.Polygon(huge, std::size(huge));
  }
  EXPECT_EQ(CountOf(kRedPixel), 40 * 30);
}

TEST_F(QtCanvasTest, PrinterResolutionIsAbsentOrPositive) {
  const std::optional<int32_t> dpi = DefaultPrinterResolution();
  EXPECT_TRUE(!dpi || *dpi > 0);
}

}  // namespace
}  // namespace pennatran
