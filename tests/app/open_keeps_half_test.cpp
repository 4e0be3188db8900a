// Opening a file into a half: one that is no drawing leaves the half as it was, and the
// destination's copies not saved are settled first.
#include <QFile>
#include <fstream>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class OpenKeepsHalfTest : public WindowTest {
 protected:
  void OpenBoth() {
    CreateWindow();
    Source = WriteDrawing("source.jww", SourceDrawing());
    Destination = WriteDrawing("destination.jww", DestinationDrawing());
    OpenThroughBrowse("sourceBrowseButton", Source);
    OpenThroughBrowse("destinationBrowseButton", Destination);
  }
  QString Source, Destination;
};

TEST_F(OpenKeepsHalfTest, AFileThatIsNoDrawingLeavesEitherHalfAsItWas) {
  OpenBoth();
  ClickPanel("selectAllColorsButton");
  ClickPanel("copyColorsButton");
  const QString notes = PathIn("notes.jww");
  std::ofstream(ToFsPath(notes), std::ios::binary) << "meeting notes";
  for (const char* half : {"source", "destination"}) {
    const std::string name(half);
    const std::vector<QString> colors = Lines((name + "ColorList").c_str());
    const QString caption = Caption((name + "PathPanel").c_str());
    Messages.clear();
    ThreeWayQuestions.clear();
    ThreeWayAnswer = TAnswer::No;
    OpenThroughBrowse((name + "BrowseButton").c_str(), notes);
    ASSERT_EQ(Messages.size(), 1u) << half;
    EXPECT_EQ(Messages[0].Text,
              QStringLiteral("「%1」は Jw_cad の図面ファイルではありません。").arg(notes));
    EXPECT_EQ(Lines((name + "ColorList").c_str()), colors) << half;
    EXPECT_EQ(Caption((name + "PathPanel").c_str()), caption) << half;
  }
  // The copies stay, and a save still writes them.
  ThreeWayQuestions.clear();
  Answers.push_back(PathIn("saved.jww"));
  ClickButton("saveButton");
  EXPECT_TRUE(QFile::exists(PathIn("saved.jww")));
}

TEST_F(OpenKeepsHalfTest, OpeningAnotherDestinationAsksAboutCopiesNotSaved) {
  const struct {
    TAnswer Answer;
    bool Opens;
    bool Saves;
  } cases[] = {
      {TAnswer::Cancel, false, false},
      {TAnswer::No, true, false},
      {TAnswer::Yes, true, true},
  };
  for (const auto& c : cases) {
    OpenBoth();
    ThreeWayQuestions.clear();
    const QString other = WriteDrawing("other.jww", SourceDrawing());
    // Nothing copied: nothing asked.
    OpenThroughBrowse("destinationBrowseButton", Destination);
    EXPECT_TRUE(ThreeWayQuestions.empty());
    ClickPanel("selectAllColorsButton");
    ClickPanel("copyColorsButton");
    ThreeWayAnswer = c.Answer;
    QFile::remove(PathIn("saved.jww"));
    // The open dialog's answer, then the save dialog's after Yes.
    Answers.push_back(other);
    if (c.Answer == TAnswer::Yes) Answers.push_back(PathIn("saved.jww"));
    ClickPanel("destinationBrowseButton");
    ASSERT_EQ(ThreeWayQuestions.size(), 1u) << static_cast<int>(c.Answer);
    EXPECT_EQ(ThreeWayQuestions[0],
              QStringLiteral("コピー先にコピーした内容が保存されていません。保存しますか？"));
    EXPECT_EQ(Caption("destinationPathPanel"), c.Opens ? other : Destination);
    EXPECT_EQ(QFile::exists(PathIn("saved.jww")), c.Saves);
    ThreeWayQuestions.clear();
    ThreeWayAnswer = TAnswer::No;
    CloseWindow();
    EXPECT_EQ(ThreeWayQuestions.size(), c.Opens ? 0u : 1u) << static_cast<int>(c.Answer);
    Window.reset();
  }
}

}  // namespace
}  // namespace pennatran::testing
