// Several drawings or a folder dropped on the destination half: the source's slots go into
// each good drawing in place; the others are reported and left as they were.
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <fstream>
#include <sstream>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const QString& path) {
  std::ifstream in(ToFsPath(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class BatchDropTest : public WindowTest {
 protected:
  // A folder with a good drawing, a cut one below it, a file named like a drawing that is
  // none, and a text file that the search passes over.
  void WriteFolder() {
    fs::create_directories(ToFsPath(PathIn("office/sub")));
    Good = WriteDrawing("office/a_good.jww", DestinationDrawing());
    Broken = WriteDrawing("office/sub/b_broken.jww", DestinationDrawing());
    fs::resize_file(ToFsPath(Broken), fs::file_size(ToFsPath(Broken)) - 40);
    NotADrawing = PathIn("office/c_notes.jww");
    std::ofstream(ToFsPath(NotADrawing)) << "minutes of the meeting";
    std::ofstream(ToFsPath(PathIn("office/readme.txt"))) << "not searched";
    for (const QString& path : {Good, Broken, NotADrawing}) Before.push_back(Bytes(path));
  }

  void Drop(const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths) urls.push_back(QUrl::fromLocalFile(path));
    mime.setUrls(urls);
    auto* half = Window->findChild<QWidget*>(QStringLiteral("destinationHalf"));
    const QPoint at = half->mapTo(Window.get(), half->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Window.get(), &drop);
    Settle();
  }

  QString Good, Broken, NotADrawing;
  std::vector<std::string> Before;
};

TEST_F(BatchDropTest, AFolderGetsTheSourceSlotsAndEveryFileIsReported) {
  WriteFolder();
  const TJwwData source = SourceDrawing();
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", source));
  OpenThroughBrowse("destinationBrowseButton", Good);
  List("sourceColorList")->item(4)->setSelected(true);
  QuestionAnswer = true;
  Drop({PathIn("office")});

  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].Question);
  EXPECT_TRUE(Messages[0].Text.contains(QStringLiteral("（1 個）を 3 個の図面ファイル")))
      << Messages[0].Text.toStdString();
  EXPECT_EQ(ProgressShown, (std::vector<int>{0, 1, 2, 3}));
  ASSERT_EQ(ResultLines.size(), 3);
  EXPECT_TRUE(ResultLines[0].startsWith(QStringLiteral("保存しました：") + Good))
      << ResultLines[0].toStdString();
  // In name order, the folder below after the files beside it.
  EXPECT_TRUE(ResultLines[1].contains(NotADrawing) &&
              ResultLines[1].contains(QStringLiteral("Jw_cad の図面ファイルではありません")))
      << ResultLines[1].toStdString();
  EXPECT_TRUE(ResultLines[2].contains(Broken) &&
              ResultLines[2].contains(QStringLiteral("スキップ")) &&
              ResultLines[2].contains(QStringLiteral("完全には読み込めませんでした（オフセット ")))
      << ResultLines[2].toStdString();
  EXPECT_TRUE(
      ResultSummary.startsWith(QStringLiteral("3 個の図面ファイル：保存 1、変更なし 0、"
                                              "スキップ 2、失敗 0")))
      << ResultSummary.toStdString();
  // The good drawing was open on the destination half, which still shows the old slots.
  EXPECT_TRUE(ResultSummary.contains(QStringLiteral("開き直すと")));
  EXPECT_EQ(Window->DestinationDocument()->ColorExNos[21].Name, "dst21");

  TJwwData saved;
  saved.ImageFolder = ToFsPath(Dir->path());
  ASSERT_TRUE(saved.LoadFromFile(ToFsPath(Good)));
  EXPECT_EQ(saved.ColorExNos[21].Name, source.ColorExNos[21].Name);  // the selected line 4
  EXPECT_EQ(saved.ColorExNos[22].Name, "dst22");
  EXPECT_EQ(Bytes(Broken), Before[1]);
  EXPECT_EQ(Bytes(NotADrawing), Before[2]);
}

TEST_F(BatchDropTest, CancellingStopsBeforeTheNextFile) {
  WriteFolder();
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
  QuestionAnswer = true;
  CancelAtProgress = 1;
  Drop({Good, NotADrawing, Broken});
  EXPECT_EQ(ProgressShown, (std::vector<int>{0, 1}));
  ASSERT_EQ(ResultLines.size(), 3);
  EXPECT_TRUE(ResultLines[0].startsWith(QStringLiteral("保存しました")));  // all lines: 256 slots
  EXPECT_TRUE(ResultLines[1].startsWith(QStringLiteral("中止したため未処理")));
  EXPECT_TRUE(ResultSummary.contains(QStringLiteral("中止で未処理 2")));
  EXPECT_NE(Bytes(Good), Before[0]);
}

TEST_F(BatchDropTest, NothingIsWrittenWithoutASourceOrWithoutAYes) {
  WriteFolder();
  CreateWindow();
  Drop({PathIn("office")});
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_FALSE(Messages[0].Question);
  EXPECT_TRUE(Messages[0].Text.contains(QStringLiteral("先にコピー元")));

  OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", SourceDrawing()));
  Messages.clear();
  QuestionAnswer = false;
  Drop({Good, Broken});
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].Question);
  EXPECT_TRUE(ProgressShown.empty());
  EXPECT_EQ(Bytes(Good), Before[0]);

  // A source read only in part is not spread over many drawings.
  OpenThroughBrowse("sourceBrowseButton", Broken);
  Messages.clear();
  QuestionAnswer = true;
  Drop({Good, NotADrawing});
  ASSERT_FALSE(Messages.empty());
  EXPECT_TRUE(Messages.back().Text.contains(QStringLiteral("一部しか読み込めなかった")));
  EXPECT_TRUE(ProgressShown.empty());
  EXPECT_EQ(Bytes(Good), Before[0]);
}

}  // namespace
}  // namespace pennatran::testing
