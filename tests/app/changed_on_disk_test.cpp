// A save over the destination's own file that someone else wrote after the window read it
// asks first: reload, overwrite, or cancel.
#include <QFile>
#include <fstream>
#include <sstream>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

std::string ReadFile(const QString& path) {
  std::ifstream in(ToFsPath(path), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ChangedOnDiskTest : public WindowTest {
 protected:
  // Both halves open, the source's line types copied into the destination.
  void OpenAndCopy() {
    CreateWindow();
    OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
    Destination = WriteDrawing("destination.jww", DestinationDrawing());
    OpenThroughBrowse("destinationBrowseButton", Destination);
    ClickPanel("selectAllLineTypesButton");
    ClickPanel("copyLineTypesButton");
  }
  // Another program's save: the first colour gets another name.
  std::string WriteElsewhere() {
    TJwwData other = DestinationDrawing();
    other.ColorExNos[17].Name = "elsewhere";
    WriteDrawing("destination.jww", other);
    return ReadFile(Destination);
  }
  void Save(const QString& path) {
    Answers.push_back(path);
    ClickButton("saveButton");
  }
  QString Destination;
};

TEST_F(ChangedOnDiskTest, EachAnswerDoesWhatItSays) {
  const QString question = QStringLiteral(
      "図面ファイル「%1」は、このウィンドウで読み込んだ後にほかで書き換えられて"
      "います。\n再読み込みすると、このウィンドウでコピーした内容は破棄されま"
      "す。上書きすると、ほかで書き換えた内容は失われます。 [再読み込み|上書き]");
  const struct {
    TChangedFileAnswer Answer;
    bool Overwritten;
    bool Reloaded;
  } cases[] = {
      {TChangedFileAnswer::Cancel, false, false},
      {TChangedFileAnswer::Overwrite, true, false},
      {TChangedFileAnswer::Reload, false, true},
  };
  for (const auto& c : cases) {
    OpenAndCopy();
    const std::vector<QString> copied = Lines("destinationLineTypeList");
    const std::string elsewhere = WriteElsewhere();
    ChangedFileQuestions.clear();
    Messages.clear();
    ChangedFileAnswer = c.Answer;
    Save(Destination);
    ASSERT_EQ(ChangedFileQuestions.size(), 1u) << static_cast<int>(c.Answer);
    EXPECT_EQ(ChangedFileQuestions[0], question.arg(Destination));
    EXPECT_EQ(ReadFile(Destination) == elsewhere, !c.Overwritten) << static_cast<int>(c.Answer);
    EXPECT_EQ(Messages.size(), c.Overwritten ? 1u : 0u) << static_cast<int>(c.Answer);
    // A reload shows the file as it is now, without the copies; cancel keeps them.
    EXPECT_EQ(Lines("destinationColorList")[0].contains(QStringLiteral("elsewhere")), c.Reloaded);
    EXPECT_EQ(Lines("destinationLineTypeList") == copied, !c.Reloaded);
    ThreeWayQuestions.clear();
    CloseWindow();
    EXPECT_EQ(ThreeWayQuestions.size(), c.Answer == TChangedFileAnswer::Cancel ? 1u : 0u);
    Window.reset();
  }
}

// Nothing is asked of a file as the window read or last wrote it, nor of another file.
TEST_F(ChangedOnDiskTest, AnUnchangedFileOrAnotherOneIsSavedWithoutAsking) {
  OpenAndCopy();
  Save(Destination);
  ClickPanel("copyLineTypesButton");
  Save(Destination);
  WriteElsewhere();
  Save(PathIn("other.jww"));
  EXPECT_TRUE(ChangedFileQuestions.empty());
  ASSERT_EQ(Messages.size(), 3u);
  EXPECT_TRUE(QFile::exists(PathIn("other.jww")));
  // Reopened, the file is the one now on disk.
  OpenThroughBrowse("destinationBrowseButton", Destination);
  Save(Destination);
  EXPECT_TRUE(ChangedFileQuestions.empty());
}

}  // namespace
}  // namespace pennatran::testing
