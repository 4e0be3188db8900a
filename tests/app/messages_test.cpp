// The window's message boxes: the form's font, and the answers their buttons give.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/messages.h"
#include "window_fixture.h"

namespace pennatran::testing {
namespace {

TEST(MessageBoxes, UseTheFontOfTheirWindowAndAnswerWithTheButtonPressed) {
  EnsureApplication();
  QWidget form;
  QFont formFont(QStringLiteral("IPAGothic"));
  formFont.setPixelSize(13);
  form.setFont(formFont);
  TMessageBoxes boxes(&form);
  const struct {
    QMessageBox::StandardButton Pressed;
    TAnswer Expected;
  } cases[] = {{QMessageBox::Yes, TAnswer::Yes},
               {QMessageBox::No, TAnswer::No},
               {QMessageBox::Cancel, TAnswer::Cancel}};
  for (const auto& c : cases) {
    QFont boxFont, buttonFont;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      boxFont = box->font();
      buttonFont = box->button(c.Pressed)->font();
      box->button(c.Pressed)->click();
    });
    EXPECT_EQ(boxes.QuestionWithCancel(QStringLiteral("?")), c.Expected);
    EXPECT_EQ(boxFont.family(), formFont.family());
    EXPECT_EQ(boxFont.pixelSize(), 13);
    EXPECT_EQ(buttonFont.pixelSize(), 13);
  }
}

}  // namespace
}  // namespace pennatran::testing
