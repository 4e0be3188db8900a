// How the lists and path captions show what they hold: row heights, tooltips, elided paths
// and the copied lines brought into view.
#include <QFontMetrics>
#include <QLabel>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class ListDisplayTest : public WindowTest {
 protected:
  void OpenBoth() {
    CreateWindow();
    OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
    OpenThroughBrowse("destinationBrowseButton",
                      WriteDrawing("destination.jww", DestinationDrawing()));
  }
};

TEST_F(ListDisplayTest, RowsAreAsTallAsTheFontAndEachLineIsItsOwnTooltip) {
  OpenBoth();
  for (const char* name : {"sourceColorList", "sourceLineTypeList", "destinationColorList",
                           "destinationLineTypeList"}) {
    QListWidget* list = List(name);
    const int height = list->visualItemRect(list->item(0)).height();
    EXPECT_GE(height, QFontMetrics(list->font()).height()) << name;
    EXPECT_GE(height, 13) << name;
    for (int line : {0, 7, list->count() - 1}) {
      EXPECT_EQ(list->item(line)->toolTip(), list->item(line)->text()) << name << " " << line;
    }
  }
}

TEST_F(ListDisplayTest, ALongPathIsElidedInTheMiddleWithTheWholePathAsTooltip) {
  CreateWindow();
  auto* caption = Window->findChild<QLabel*>(QStringLiteral("sourcePathPanelCaption"));
  ASSERT_NE(caption, nullptr);
  const QString longPath =
      QStringLiteral("/home/user/") + QString(300, QLatin1Char('d')) + QStringLiteral("/plan.jww");
  Window->OpenSource(longPath);
  EXPECT_EQ(Caption("sourcePathPanel"), longPath);
  EXPECT_TRUE(caption->text().startsWith(QStringLiteral("/home"))) << caption->text().toStdString();
  EXPECT_TRUE(caption->text().endsWith(QStringLiteral("plan.jww")))
      << caption->text().toStdString();
  EXPECT_TRUE(caption->text().contains(QChar(0x2026))) << caption->text().toStdString();
  EXPECT_EQ(caption->toolTip(), longPath);

  Window->OpenSource(QStringLiteral("/a.jww"));
  EXPECT_EQ(caption->text(), QStringLiteral("/a.jww"));
  EXPECT_TRUE(caption->toolTip().isEmpty());
}

TEST_F(ListDisplayTest, AfterACopyTheDestinationShowsTheFirstCopiedLine) {
  OpenBoth();
  const struct {
    const char* Source;
    const char* Button;
    const char* Destination;
    int Line;
  } cases[] = {{"sourceColorList", "copyColorsButton", "destinationColorList", 100},
               {"sourceLineTypeList", "copyLineTypesButton", "destinationLineTypeList", 9}};
  for (const auto& c : cases) {
    List(c.Source)->item(c.Line)->setSelected(true);
    List(c.Source)->item(c.Line + 2)->setSelected(true);
    List(c.Destination)->scrollToTop();
    ClickPanel(c.Button);
    QListWidget* destination = List(c.Destination);
    const QRect shown = destination->viewport()->rect();
    EXPECT_TRUE(shown.intersects(destination->visualItemRect(destination->item(c.Line))))
        << c.Destination;
  }
}

}  // namespace
}  // namespace pennatran::testing
