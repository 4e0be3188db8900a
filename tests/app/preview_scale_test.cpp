// Previews drawn at the screen's device pixel ratio, and drawn again when their control
// changes size or ratio.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QTest>
#include <functional>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class PreviewScaleTest : public WindowTest {
 protected:
  QLabel* Image(const char* name) const {
    return Window->findChild<QLabel*>(QString::fromLatin1(name));
  }
  // Waits until both previews show a picture that passes check.
  bool WaitForPictures(const std::function<bool(const QLabel*)>& check) const {
    return QTest::qWaitFor(
        [&] { return check(Image("sourcePreview")) && check(Image("destinationPreview")); });
  }
  // The box of the pixels that are neither background (as just inside the frame) nor frame.
  static QRect DrawnBox(const QImage& picture) {
    const QColor background = picture.pixelColor(1, 1);
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        if (c != background && c != QColor(0, 0, 255)) box |= QRect(x, y, 1, 1);
      }
    return box;
  }
};

TEST_F(PreviewScaleTest, TheDrawingFillsTheDevicePixelsOfTheControl) {
  const QString source = WriteDrawing("source.jww", SourceDrawing());
  QRect boxes[2];
  const qreal ratios[] = {1, 2};
  for (int i = 0; i < 2; ++i) {
    PixelRatio = ratios[i];
    CreateWindow();
    Window->OpenSource(source);
    const QLabel* image = Image("sourcePreview");
    const QPixmap picture = image->pixmap();
    EXPECT_EQ(picture.size(), image->size() * ratios[i]);
    EXPECT_EQ(picture.devicePixelRatio(), ratios[i]);
    boxes[i] = DrawnBox(picture.toImage());
    ASSERT_FALSE(boxes[i].isEmpty());
    CloseWindow();
    Window.reset();
  }
  // Twice the pixels each way for the same drawing, give or take the rounding of its
  // one-pixel lines.
  EXPECT_NEAR(double(boxes[1].width()) / boxes[0].width(), 2.0, 0.05);
  EXPECT_NEAR(double(boxes[1].height()) / boxes[0].height(), 2.0, 0.05);
}

TEST_F(PreviewScaleTest, APreviewIsDrawnAgainForANewSizeOrRatio) {
  const QString source = WriteDrawing("source.jww", SourceDrawing());
  const QString destination = WriteDrawing("destination.jww", DestinationDrawing());
  CreateWindow();
  Window->OpenSource(source);
  Window->OpenDestination(destination);
  const QImage firstSource = Image("sourcePreview")->pixmap().toImage();

  // As when the window moves to a screen of 150 %: the next paint finds the old ratio.
  PixelRatio = 1.5;
  Window->repaint();
  EXPECT_TRUE(WaitForPictures(
      [](const QLabel* image) { return image->pixmap().devicePixelRatio() == 1.5; }));
  for (const char* name : {"sourcePreview", "destinationPreview"})
    EXPECT_EQ(Image(name)->pixmap().width(), qRound(Image(name)->width() * 1.5)) << name;
  // Back at 100 %, the source, drawn again after the destination was opened, looks as it
  // did when it was opened.
  PixelRatio = 1;
  Window->repaint();
  EXPECT_TRUE(
      WaitForPictures([](const QLabel* image) { return image->pixmap().devicePixelRatio() == 1; }));
  EXPECT_EQ(Image("sourcePreview")->pixmap().toImage(), firstSource);

  Window->resize(Window->width() + 120, Window->height() + 80);
  EXPECT_TRUE(
      WaitForPictures([](const QLabel* image) { return image->pixmap().size() == image->size(); }));
}

// A destination whose background is neither black nor white previews on the background the
// source's open left; its redraws keep it after another source is opened.
TEST_F(PreviewScaleTest, AMidToneDestinationTakesTheBackgroundTheSourceLeft) {
  const auto drawingOn = [this](const char* name, uint32_t background) {
    TJwwData doc = SourceDrawing();
    doc.Pens[0].ScreenColor = background;
    return WriteDrawing(name, doc);
  };
  const auto background = [this](const char* name) {
    return Image(name)->pixmap().toImage().pixelColor(1, 1);
  };
  CreateWindow();
  Window->OpenSource(drawingOn("black.jww", 0x000000));
  Window->OpenDestination(drawingOn("mid.jww", 0x808080));
  EXPECT_EQ(background("sourcePreview"), QColor(Qt::black));
  EXPECT_EQ(background("destinationPreview"), QColor(Qt::black));

  Window->OpenSource(drawingOn("white.jww", 0xFFFFFF));
  Window->resize(Window->width() + 120, Window->height() + 80);
  EXPECT_TRUE(
      WaitForPictures([](const QLabel* image) { return image->pixmap().size() == image->size(); }));
  EXPECT_EQ(background("sourcePreview"), QColor(Qt::white));
  EXPECT_EQ(background("destinationPreview"), QColor(Qt::black));
}

}  // namespace
}  // namespace pennatran::testing
