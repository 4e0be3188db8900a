// Closing the window with copies not saved asks whether to save them first.
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <optional>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class CloseQuestionTest : public WindowTest {
 protected:
  void OpenBothAndCopy() {
    CreateWindow();
    OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
    OpenThroughBrowse("destinationBrowseButton",
                      WriteDrawing("destination.jww", DestinationDrawing()));
    ClickPanel("selectAllLineTypesButton");
    ClickPanel("copyLineTypesButton");
  }
};

TEST_F(CloseQuestionTest, YesSavesNoClosesCancelStays) {
  const struct {
    TAnswer Answer;
    bool SaveChosen;  // whether the save dialog after Yes picks a file
    bool Closes;
    bool Saves;
  } cases[] = {
      {TAnswer::Cancel, false, false, false},
      {TAnswer::No, false, true, false},
      {TAnswer::Yes, true, true, true},
      // A save dialog cancelled after Yes keeps the copies and the window.
      {TAnswer::Yes, false, false, false},
  };
  for (const auto& c : cases) {
    OpenBothAndCopy();
    ThreeWayQuestions.clear();
    ThreeWayAnswer = c.Answer;
    const QString saved = PathIn("saved.jww");
    QFile::remove(saved);
    if (c.Answer == TAnswer::Yes) {
      Answers.push_back(c.SaveChosen ? std::optional<QString>(saved) : std::nullopt);
    }
    CloseWindow();
    ASSERT_EQ(ThreeWayQuestions.size(), 1u);
    EXPECT_EQ(ThreeWayQuestions[0],
              QStringLiteral("コピー先にコピーした内容が保存されていません。保存しますか？"));
    EXPECT_EQ(Window->isVisible(), !c.Closes) << static_cast<int>(c.Answer);
    EXPECT_EQ(QFileInfo::exists(saved), c.Saves) << static_cast<int>(c.Answer);
    Window.reset();
  }
}

TEST_F(CloseQuestionTest, NothingIsAskedWithoutUnsavedCopies) {
  const struct {
    const char* Case;
    std::function<void()> Steps;
  } cases[] = {
      {"nothing copied", [this] { ClickPanel("copyLineTypesButton"); }},
      {"copies saved",
       [this] {
         ClickPanel("selectAllLineTypesButton");
         ClickPanel("copyLineTypesButton");
         Answers.push_back(PathIn("saved.jww"));
         ClickButton("saveButton");
       }},
      {"destination opened again",
       [this] {
         ClickPanel("selectAllLineTypesButton");
         ClickPanel("copyLineTypesButton");
         OpenThroughBrowse("destinationBrowseButton", PathIn("destination.jww"));
       }},
  };
  for (const auto& c : cases) {
    CreateWindow();
    OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
    OpenThroughBrowse("destinationBrowseButton",
                      WriteDrawing("destination.jww", DestinationDrawing()));
    c.Steps();
    ThreeWayQuestions.clear();
    CloseWindow();
    EXPECT_TRUE(ThreeWayQuestions.empty()) << c.Case;
    EXPECT_FALSE(Window->isVisible()) << c.Case;
    Window.reset();
  }
}

}  // namespace
}  // namespace pennatran::testing
