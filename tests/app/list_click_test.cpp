// Clicking list lines: the hint and the colour labels of the button bar.
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <vector>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class ListClickTest : public WindowTest {
 protected:
  QColor SwatchColor(const char* name) const {
    return Window->findChild<QLabel*>(QString::fromLatin1(name))->palette().color(QPalette::Window);
  }
};

TEST_F(ListClickTest, ClicksBeforeOpeningChangeNothing) {
  CreateWindow();
  const QColor before = SwatchColor("screenColorSwatch");
  ClickPanel("selectAllColorsButton");
  for (const char* name : {"sourceColorList", "destinationColorList"}) {
    QListWidget* list = List(name);
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    EXPECT_TRUE(list->toolTip().isEmpty()) << name;
  }
  EXPECT_EQ(LabelText("screenColorLabel"), QStringLiteral("画面線色："));
  EXPECT_EQ(SwatchColor("screenColorSwatch"), before);
}

TEST_F(ListClickTest, ColourLinesShowTheirEntryAndLineTypesOnlyTheHint) {
  TJwwData source = SourceDrawing();
  source.ColorExNos[17].ScreenColor = 0x0000FF;  // red in the low byte
  source.ColorExNos[17].PrintColor = 0xFFFFFFFF;
  CreateWindow();
  Window->OpenSource(WriteDrawing("s.jww", source));
  Window->OpenDestination(WriteDrawing("d.jww", DestinationDrawing()));

  ClickLine(List("sourceColorList"), 0);
  EXPECT_EQ(List("sourceColorList")->toolTip(), List("sourceColorList")->item(0)->text());
  EXPECT_EQ(LabelText("screenColorLabel"), QStringLiteral("画面線色：0000FF"));
  EXPECT_EQ(LabelText("printColorLabel"), QStringLiteral("印刷線色：FFFFFFFF"));
  EXPECT_EQ(SwatchColor("screenColorSwatch"), QColor(255, 0, 0));
  EXPECT_EQ(SwatchColor("printColorSwatch"), QColor(255, 255, 255));

  ClickLine(List("destinationColorList"), 239);
  EXPECT_EQ(LabelText("screenColorLabel"), QStringLiteral("画面線色：A00100"));
  EXPECT_EQ(SwatchColor("screenColorSwatch"), QColor(0x00, 0x01, 0xA0));
  EXPECT_EQ(List("destinationColorList")->toolTip(),
            List("destinationColorList")->item(239)->text());

  ClickLine(List("sourceLineTypeList"), 3);
  EXPECT_EQ(List("sourceLineTypeList")->toolTip(),
            QStringLiteral("No.20 [ltype20] F0F0F0F0 2 [1.00,0.50]"));
  EXPECT_EQ(LabelText("screenColorLabel"), QStringLiteral("画面線色：A00100"));

  // A refill keeps the hint and the labels.
  ClickPanel("copyColorsButton");
  EXPECT_EQ(List("destinationColorList")->toolTip(),
            List("destinationColorList")->item(239)->text());
  EXPECT_EQ(LabelText("screenColorLabel"), QStringLiteral("画面線色：A00100"));
}

TEST_F(ListClickTest, ColourLinesCarryASwatchOfTheirScreenColour) {
  CreateWindow();
  Window->OpenSource(WriteDrawing("s.jww", SourceDrawing()));
  const QListWidget* list = List("sourceColorList");
  const QImage swatch = list->item(100)->icon().pixmap(list->iconSize()).toImage();
  ASSERT_FALSE(swatch.isNull());
  // Entry 117 has the screen colour 117 (red 117).
  EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(117, 0, 0));
}

TEST_F(ListClickTest, LineTypeLinesCarryASwatchOfTheirDashes) {
  TJwwData source = SourceDrawing();
  TEntJwwLineTypeExNo& dashed = source.LineTypeExNos[17];
  dashed.SegmentCount = 2;
  dashed.Pitches[0] = 3;
  dashed.Pitches[1] = 1;
  source.LineTypeExNos[18].SegmentCount = 0;
  source.LineTypeExNos[18].Pattern = 0;
  CreateWindow();
  Window->OpenSource(WriteDrawing("s.jww", source));
  const QListWidget* list = List("sourceLineTypeList");
  const auto inked = [&](int line) {
    const QImage swatch = list->item(line)->icon().pixmap(list->iconSize()).toImage();
    std::vector<bool> row;
    for (int x = 0; x < swatch.width(); ++x) {
      row.push_back(qGray(swatch.pixel(x, swatch.height() / 2)) < 128);
    }
    return row;
  };
  // 36 pixels, two periods of 18: dashes of 13.5 pixels, rounded to 14, and gaps of 4.
  const std::vector<bool> dashes = inked(0);
  ASSERT_EQ(dashes.size(), 36u);
  EXPECT_EQ(std::count(dashes.begin(), dashes.end(), true), 28);
  EXPECT_TRUE(dashes[0] && dashes[12] && !dashes[15] && dashes[19] && !dashes[34]);
  const std::vector<bool> blank = inked(1);
  EXPECT_EQ(std::count(blank.begin(), blank.end(), true), 0);
}

}  // namespace
}  // namespace pennatran::testing
