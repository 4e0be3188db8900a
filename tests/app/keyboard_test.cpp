// Every action of the window from the keyboard: Tab through the controls, the panels
// pressed with Space and Enter, and the standard shortcuts.
#include <QApplication>
#include <QFileInfo>
#include <QTest>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class KeyboardTest : public WindowTest {
 protected:
  void OpenBoth() {
    CreateWindow();
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
    OpenThroughBrowse("destinationBrowseButton",
                      WriteDrawing("destination.jww", DestinationDrawing()));
  }
  QWidget* Child(const char* name) const {
    return Window->findChild<QWidget*>(QString::fromLatin1(name));
  }
  void Focus(const char* name) const {
    Child(name)->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
  }
  QString Focused() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused->objectName() : QStringLiteral("<none>");
  }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                           : static_cast<QWidget*>(Window.get()),
                    static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
  }
};

TEST_F(KeyboardTest, TabWalksEachHalfFromItsPathDownThenTheButtons) {
  OpenBoth();
  const QStringList order = {QStringLiteral("sourceBrowseButton"),
                             QStringLiteral("selectAllColorsButton"),
                             QStringLiteral("copyColorsButton"),
                             QStringLiteral("sourceColorList"),
                             QStringLiteral("selectAllLineTypesButton"),
                             QStringLiteral("copyLineTypesButton"),
                             QStringLiteral("sourceLineTypeList"),
                             QStringLiteral("destinationBrowseButton"),
                             QStringLiteral("destinationColorList"),
                             QStringLiteral("destinationLineTypeList"),
                             QStringLiteral("saveButton"),
                             QStringLiteral("exitButton")};
  Focus("sourceBrowseButton");
  for (qsizetype i = 1; i < order.size(); ++i) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), order.at(i)) << "after " << order.at(i - 1).toStdString();
  }
}

TEST_F(KeyboardTest, PanelsArePressedWithSpaceAndEnter) {
  OpenBoth();
  const struct {
    const char* Panel;
    int Key;
    const char* List;
  } cases[] = {{"selectAllColorsButton", Qt::Key_Space, "sourceColorList"},
               {"selectAllLineTypesButton", Qt::Key_Return, "sourceLineTypeList"}};
  for (const auto& c : cases) {
    Focus(c.Panel);
    Press(c.Key);
    EXPECT_EQ(List(c.List)->selectedItems().size(), List(c.List)->count()) << c.Panel;
  }
  Focus("copyColorsButton");
  Press(Qt::Key_Enter);
  EXPECT_EQ(Lines("destinationColorList"), Lines("sourceColorList"));
  Focus("copyLineTypesButton");
  Press(Qt::Key_Space);
  EXPECT_EQ(Lines("destinationLineTypeList"), Lines("sourceLineTypeList"));
}

TEST_F(KeyboardTest, CtrlAAndCtrlRightSelectAndCopyTheFocusedSourceList) {
  OpenBoth();
  const struct {
    const char* Source;
    const char* Destination;
  } cases[] = {{"sourceColorList", "destinationColorList"},
               {"sourceLineTypeList", "destinationLineTypeList"}};
  for (const auto& c : cases) {
    const std::vector<QString> before = Lines(c.Destination);
    Focus(c.Source);
    Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(List(c.Source)->selectedItems().size(), List(c.Source)->count()) << c.Source;
    EXPECT_EQ(Lines(c.Destination), before) << "selecting copies nothing";
    Press(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Lines(c.Destination), Lines(c.Source)) << c.Source;
  }
  EXPECT_TRUE(Messages.empty());
}

TEST_F(KeyboardTest, CtrlOOpensTheFocusedHalfAndCtrlSSavesTheDestination) {
  OpenBoth();
  const QString other = WriteDrawing("other.jww", SourceDrawing());
  const struct {
    const char* Focus;
    const char* PathPanel;
  } cases[] = {{nullptr, "sourcePathPanel"},
               {"sourceLineTypeList", "sourcePathPanel"},
               {"destinationColorList", "destinationPathPanel"},
               {"destinationBrowseButton", "destinationPathPanel"}};
  for (const auto& c : cases) {
    if (c.Focus != nullptr) {
      Focus(c.Focus);
    } else if (QApplication::focusWidget() != nullptr) {
      QApplication::focusWidget()->clearFocus();
    }
    const QString unchanged = Caption(
        c.PathPanel == std::string("sourcePathPanel") ? "destinationPathPanel" : "sourcePathPanel");
    Answers.push_back(other);
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Caption(c.PathPanel), other) << (c.Focus ? c.Focus : "no focus");
    EXPECT_EQ(Caption(c.PathPanel == std::string("sourcePathPanel") ? "destinationPathPanel"
                                                                    : "sourcePathPanel"),
              unchanged);
  }

  const QString saved = PathIn("saved.jww");
  Answers.push_back(saved);
  Press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_FALSE(Requests.empty());
  EXPECT_TRUE(Requests.back().Save);
  EXPECT_TRUE(QFileInfo::exists(saved));
}

}  // namespace
}  // namespace pennatran::testing
