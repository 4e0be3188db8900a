// The window's layout beyond the first start: a larger window, lines wider than a list, a
// drawing opened over a scrolled list, a saved size larger than the screen, the icon.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QWindow>
#include <filesystem>
#include <fstream>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class WindowLayoutTest : public WindowTest {
 protected:
  QList<int> Sizes(const char* splitter) const {
    return Window->findChild<QSplitter*>(QString::fromLatin1(splitter))->sizes();
  }
};

TEST_F(WindowLayoutTest, AnEnlargedWindowGrowsBothHalvesAndTheColourLists) {
  CreateWindow();
  const QList<int> halves = Sizes("halvesSplitter");
  const QList<int> lists = Sizes("sourceListsSplitter");
  Window->resize(1400, 900);
  Settle();
  const QList<int> grownHalves = Sizes("halvesSplitter");
  EXPECT_EQ(grownHalves[0] - halves[0], 400);
  EXPECT_EQ(grownHalves[1] - halves[1], 400);
  for (const char* splitter : {"sourceListsSplitter", "destinationListsSplitter"}) {
    const QList<int> grown = Sizes(splitter);
    // The colour list takes two thirds of the new height, the 16 line types the rest.
    EXPECT_NEAR(grown[0] - lists[0], 200, 1) << splitter;
    EXPECT_NEAR(grown[1] - lists[1], 100, 1) << splitter;
  }
}

TEST_F(WindowLayoutTest, ALineWiderThanItsListIsScrolledTo) {
  CreateWindow();
  Window->OpenSource(WriteDrawing("source.jww", SourceDrawing()));
  Window->findChild<QSplitter*>(QStringLiteral("halvesSplitter"))->setSizes({120, 480});
  Settle();
  for (const char* name : {"sourceColorList", "sourceLineTypeList"}) {
    const QScrollBar* bar = List(name)->horizontalScrollBar();
    EXPECT_TRUE(bar->isVisible()) << name;
    EXPECT_GT(bar->maximum(), 0) << name;
  }
}

TEST_F(WindowLayoutTest, AnOpenedDrawingIsListedFromItsFirstLine) {
  const QString first = WriteDrawing("first.jww", SourceDrawing());
  const QString second = WriteDrawing("second.jww", DestinationDrawing());
  CreateWindow();
  for (const char* half : {"source", "destination"}) {
    const bool source = half == std::string("source");
    const auto open = [&](const QString& path) {
      source ? Window->OpenSource(path) : Window->OpenDestination(path);
      Settle();
    };
    open(first);
    QListWidget* colors = List(source ? "sourceColorList" : "destinationColorList");
    QListWidget* lineTypes = List(source ? "sourceLineTypeList" : "destinationLineTypeList");
    colors->scrollToBottom();
    lineTypes->scrollToBottom();
    Settle();
    ASSERT_GT(colors->verticalScrollBar()->value(), 0) << half;
    open(second);
    EXPECT_EQ(colors->verticalScrollBar()->value(), 0) << half;
    EXPECT_EQ(lineTypes->verticalScrollBar()->value(), 0) << half;
    EXPECT_EQ(colors->indexAt(QPoint(1, 1)).row(), 0) << half;
  }
}

// The test screen is 800 by 600: a window saved larger comes back inside it.
TEST_F(WindowLayoutTest, ASavedSizeLargerThanTheScreenIsShrunkOntoIt) {
  std::filesystem::create_directories(Folders.SettingsPath.parent_path());
  std::ofstream(Folders.SettingsPath, std::ios::binary) << "24\r\n24\r\n1200\r\n1200\r\n";
  CreateWindow();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(Window->frameGeometry())) << screen.width() << "x" << screen.height();
  EXPECT_EQ(Window->size(), screen.size().shrunkBy(Window->windowHandle()->frameMargins()));
}

TEST_F(WindowLayoutTest, TheWindowCarriesItsIcon) {
  CreateWindow();
  const QList<QSize> sizes = Window->windowIcon().availableSizes();
  for (const QSize size : {QSize(16, 16), QSize(48, 48), QSize(256, 256)})
    EXPECT_TRUE(sizes.contains(size)) << size.width();
}

}  // namespace
}  // namespace pennatran::testing
