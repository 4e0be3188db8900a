// Opening both halves, copying selected and all slots, saving and reading the result back.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "window_fixture.h"

namespace pennatran::testing {
namespace {

QString Utf8Line(const SjisString& line) {
  return QString::fromStdString(SjisToUtf8(line));
}

// A user colour slot as a saved file holds it: the writer stores the screen colour of slots
// 17..256 as their print colour too.
TEntJwwColorExNo AsWritten(TEntJwwColorExNo entry) {
  entry.PrintColor = entry.ScreenColor;
  return entry;
}

class CopyAndSaveTest : public WindowTest {
 protected:
  void OpenBoth() {
    SourcePath = WriteDrawing("source.jww", SourceDrawing());
    DestinationPath = WriteDrawing("destination.jww", DestinationDrawing());
    CreateWindow();
    OpenThroughBrowse("sourceBrowseButton", SourcePath);
    OpenThroughBrowse("destinationBrowseButton", DestinationPath);
  }

  TJwwData Reload(const QString& path) {
    TJwwData doc;
    doc.ImageFolder = ToFsPath(Dir->path());
    EXPECT_TRUE(doc.LoadFromFile(ToFsPath(path))) << LoadErrorText(doc.LoadError);
    return doc;
  }

  QString SourcePath;
  QString DestinationPath;
};

TEST_F(CopyAndSaveTest, OpeningFillsPathListsAndPreview) {
  OpenBoth();
  EXPECT_EQ(Caption("sourcePathPanel"), SourcePath);
  EXPECT_EQ(Caption("destinationPathPanel"), DestinationPath);
  ASSERT_EQ(Lines("sourceColorList").size(), 240u);
  ASSERT_EQ(Lines("sourceLineTypeList").size(), 16u);
  ASSERT_EQ(Lines("destinationColorList").size(), 240u);
  ASSERT_EQ(Lines("destinationLineTypeList").size(), 16u);
  EXPECT_EQ(Lines("sourceColorList")[0],
            QStringLiteral("No.17 [colour17] 000011 幅:1 001100 幅:3 点半径:0.50"));
  EXPECT_EQ(Lines("destinationColorList")[239],
            QStringLiteral("No.256 [dst256] A00100 幅:7 010000 幅:3 点半径:0.50"));
  EXPECT_EQ(Lines("sourceLineTypeList")[15],
            QStringLiteral("No.32 [ltype32] F0F0F0F0 2 [1.00,0.50]"));
  EXPECT_TRUE(Messages.empty());
  // Both dialogs started empty: nothing had been opened and there was no settings file.
  ASSERT_EQ(Requests.size(), 2u);
  EXPECT_EQ(Requests[0].Folder, QString());
  EXPECT_EQ(Requests[0].FileName, QString());

  for (const char* name : {"sourcePreview", "destinationPreview"}) {
    auto* image = Window->findChild<QLabel*>(QString::fromLatin1(name));
    const QImage picture = image->pixmap().toImage();
    ASSERT_FALSE(picture.isNull()) << name;
    EXPECT_EQ(picture.size(), image->size()) << name;
    // The blue frame is drawn first, before any entity.
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 255)) << name;
  }
}

// Counts the pixels that are neither background (as just inside the frame) nor frame.
int DrawnPixels(const QImage& picture) {
  const QColor background = picture.pixelColor(1, 1);
  int drawn = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (c != background && c != QColor(0, 0, 255)) ++drawn;
    }
  }
  return drawn;
}

TEST_F(CopyAndSaveTest, EscapeHeldDownStopsThePreviewAfterTheFrame) {
  const QString source = WriteDrawing("source.jww", SourceDrawing());
  CreateWindow();
  auto* image = Window->findChild<QLabel*>(QStringLiteral("sourcePreview"));
  Window->OpenSource(source);
  EXPECT_GT(DrawnPixels(image->pixmap().toImage()), 0);
  EscapeHeld = true;
  Window->OpenSource(source);
  EXPECT_EQ(DrawnPixels(image->pixmap().toImage()), 0);
  EXPECT_EQ(List("sourceColorList")->count(), 240);
}

TEST_F(CopyAndSaveTest, CopiesSelectedColoursAndAllLineTypesIntoTheSavedFile) {
  OpenBoth();
  QListWidget* sourceColors = List("sourceColorList");
  sourceColors->item(3)->setSelected(true);    // slot 20
  sourceColors->item(239)->setSelected(true);  // slot 256
  ClickPanel("copyColorsButton");
  const std::vector<QString> afterCopy = Lines("destinationColorList");
  EXPECT_EQ(afterCopy[3], Lines("sourceColorList")[3]);
  EXPECT_EQ(afterCopy[239], Lines("sourceColorList")[239]);
  EXPECT_EQ(afterCopy[4], Utf8Line(ListLine(DestinationDrawing().ColorExNos[21], TSlot(21),
                                            JapaneseColorLabels())));
  // The source keeps its selection for another copy.
  EXPECT_EQ(sourceColors->selectedItems().size(), 2);

  ClickPanel("selectAllLineTypesButton");
  EXPECT_EQ(List("sourceLineTypeList")->selectedItems().size(), 16);
  ClickPanel("copyLineTypesButton");
  EXPECT_EQ(Lines("destinationLineTypeList"), Lines("sourceLineTypeList"));

  const QString saved = PathIn("saved.jww");
  Answers.push_back(saved);
  ClickButton("saveButton");
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].Text,
            QStringLiteral("図面ファイル「") + saved + QStringLiteral("」を保存しました。"));
  // The dialog proposed the destination that was opened.
  ASSERT_EQ(Requests.size(), 3u);
  EXPECT_TRUE(Requests[2].Save);
  EXPECT_EQ(Requests[2].Folder, QFileInfo(DestinationPath).path());
  EXPECT_EQ(Requests[2].FileName, QStringLiteral("destination.jww"));

  const TJwwData source = SourceDrawing();
  const TJwwData destination = DestinationDrawing();
  const TJwwData result = Reload(saved);
  EXPECT_EQ(result.Header.Version, 700);
  for (int slot = 17; slot <= 256; ++slot) {
    const bool copied = slot == 20 || slot == 256;
    EXPECT_EQ(result.ColorExNos[slot],
              AsWritten(copied ? source.ColorExNos[slot] : destination.ColorExNos[slot]))
        << "slot " << slot;
  }
  for (int slot = 17; slot <= 32; ++slot) {
    EXPECT_EQ(result.LineTypeExNos[slot], source.LineTypeExNos[slot]) << "slot " << slot;
  }
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(+result.Lines[0].StartX, -10.0);
  // The path panel keeps the destination that was opened, not the file saved to.
  EXPECT_EQ(Caption("destinationPathPanel"), DestinationPath);
}

TEST_F(CopyAndSaveTest, CopyRefillsTheDestinationListAndRepeatingChangesNothing) {
  OpenBoth();
  QListWidget* destination = List("destinationColorList");
  destination->setCurrentRow(5);
  const std::vector<QString> before = Lines("destinationColorList");
  ClickPanel("copyColorsButton");  // nothing selected: nothing copied, but the list is refilled
  EXPECT_EQ(destination->currentRow(), -1);
  EXPECT_EQ(Lines("destinationColorList"), before);
  ClickPanel("selectAllColorsButton");
  ClickPanel("copyColorsButton");
  const std::vector<QString> once = Lines("destinationColorList");
  EXPECT_EQ(once, Lines("sourceColorList"));
  ClickPanel("copyColorsButton");
  EXPECT_EQ(Lines("destinationColorList"), once);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(CopyAndSaveTest, OlderDestinationIsSavedAsVersion700) {
  SourcePath = WriteDrawing("source.jww", SourceDrawing());
  TJwwData old = DestinationDrawing();
  DestinationPath = WriteDrawing("old.jww", old, 351);
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", SourcePath);
  OpenThroughBrowse("destinationBrowseButton", DestinationPath);
  // A file without user tables lists zero entries.
  EXPECT_EQ(Lines("destinationColorList")[0],
            QStringLiteral("No.17 [] 000000 幅:0 000000 幅:0 点半径:0.00"));
  EXPECT_EQ(Lines("destinationLineTypeList")[0], QStringLiteral("No.17 [] 00000000 0 []"));
  List("sourceColorList")->item(0)->setSelected(true);
  ClickPanel("copyColorsButton");
  const QString saved = PathIn("old-saved.jww");
  Answers.push_back(saved);
  ClickButton("saveButton");
  const TJwwData result = Reload(saved);
  EXPECT_EQ(result.Header.Version, 700);
  EXPECT_EQ(result.ColorExNos[17], AsWritten(SourceDrawing().ColorExNos[17]));
}

// Scratch folders emptied by someone else: the destination's images are saved all the same,
// from what its load kept.
TEST_F(CopyAndSaveTest, ImagesSurviveTheirExtractedFilesBeingDeleted) {
  SourcePath = WriteDrawing("source.jww", SourceDrawing());
  TJwwData withImage = DestinationDrawing();
  Append(withImage, MakeText(0, 0, "^@BM%temp%photo.bmp,40,30"));
  DestinationPath = WriteDrawing("image.jww", withImage, 700, {{"photo.bmp", "BM photo"}});
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", SourcePath);
  OpenThroughBrowse("destinationBrowseButton", DestinationPath);
  for (const std::filesystem::path& folder : ScratchFolders()) std::filesystem::remove_all(folder);
  const QString saved = PathIn("saved.jww");
  Answers.push_back(saved);
  ClickButton("saveButton");
  const TJwwData result = Reload(saved);
  ASSERT_EQ(result.ImageList.size(), 1u);
  EXPECT_EQ(result.ImageList[0].Bytes, "BM photo");
}

TEST_F(CopyAndSaveTest, CancelledDialogsChangeNothing) {
  OpenBoth();
  const std::vector<QString> before = Lines("sourceColorList");
  ClickPanel("sourceBrowseButton");  // no answer queued: cancelled
  EXPECT_EQ(Caption("sourcePathPanel"), SourcePath);
  EXPECT_EQ(Lines("sourceColorList"), before);
  ClickButton("saveButton");
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(Requests.size(), 4u);
}

TEST_F(CopyAndSaveTest, SaveThatFailsSaysSo) {
  OpenBoth();
  const QString unreachable = PathIn("missing-folder/out.jww");
  Answers.push_back(unreachable);
  ClickButton("saveButton");
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].Text,
            QStringLiteral("図面ファイル「") + unreachable +
                QStringLiteral("」の保存に失敗しました。\n保存先のフォルダがありません。"));
  EXPECT_FALSE(QFileInfo::exists(unreachable));

  const QString protectedPath = WriteDrawing("protected.jww", DestinationDrawing());
  QFile::setPermissions(protectedPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  const qint64 size = QFileInfo(protectedPath).size();
  Answers.push_back(protectedPath);
  ClickButton("saveButton");
  ASSERT_EQ(Messages.size(), 2u);
  EXPECT_EQ(Messages[1].Text,
            QStringLiteral("図面ファイル「") + protectedPath +
                QStringLiteral("」の保存に失敗しました。\n保存先は読み取り専用です。"));
  EXPECT_EQ(QFileInfo(protectedPath).size(), size);
}

// Copying or saving without both sides open: the source is checked first.
struct TRefusalCase {
  bool OpenSource;
  bool OpenDestination;
  const char* Control;
  const char* Message;
};

class RefusalTest : public CopyAndSaveTest, public ::testing::WithParamInterface<TRefusalCase> {};

TEST_P(RefusalTest, ShowsTheMessageAndChangesNothing) {
  const TRefusalCase& c = GetParam();
  SourcePath = WriteDrawing("source.jww", SourceDrawing());
  DestinationPath = WriteDrawing("destination.jww", DestinationDrawing());
  CreateWindow();
  if (c.OpenSource) OpenThroughBrowse("sourceBrowseButton", SourcePath);
  if (c.OpenDestination) OpenThroughBrowse("destinationBrowseButton", DestinationPath);
  const size_t requests = Requests.size();
  ClickPanel("selectAllColorsButton");
  ClickPanel("selectAllLineTypesButton");
  const std::vector<QString> destinationColors = Lines("destinationColorList");
  if (std::string(c.Control) == "saveButton") {
    ClickButton("saveButton");
  } else {
    ClickPanel(c.Control);
  }
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], (TRecordedMessage{false, QString::fromUtf8(c.Message)}));
  EXPECT_EQ(Requests.size(), requests);
  EXPECT_EQ(Lines("destinationColorList"), destinationColors);
}

INSTANTIATE_TEST_SUITE_P(
    Window, RefusalTest,
    ::testing::Values(
        TRefusalCase{false, false, "copyColorsButton", "コピー元ファイルを開いていません"},
        TRefusalCase{false, false, "saveButton", "コピー元ファイルを開いていません"},
        TRefusalCase{false, true, "copyColorsButton", "コピー元ファイルを開いていません"},
        TRefusalCase{false, true, "copyLineTypesButton", "コピー元ファイルを開いていません"},
        TRefusalCase{false, true, "saveButton", "コピー元ファイルを開いていません"},
        TRefusalCase{true, false, "copyColorsButton", "コピー先ファイルを開いていません"},
        TRefusalCase{true, false, "copyLineTypesButton", "コピー先ファイルを開いていません"},
        TRefusalCase{true, false, "saveButton", "コピー先ファイルを開いていません"}));

// A drawing whose block placements stop at a bound (here the deepest nesting) says so on
// opening, on either side.
TEST_F(CopyAndSaveTest, PlacementsCutAtABoundAreSaidOnOpening) {
  TJwwData chain = DestinationDrawing();
  Append(chain, MakeInsert(0, 0, 0));
  for (uint32_t n = 0; n < 300; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(n, "chain");
    Append(def, MakeInsert(n + 1, 1, 0));
    chain.BlockDefs.push_back(def);
  }
  const QString path = WriteDrawing("chain.jww", chain);
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", path);
  OpenThroughBrowse("destinationBrowseButton", path);
  const QString said = QStringLiteral("図面ファイル「") + path +
                       QStringLiteral(
                           "」はブロックの配置が多すぎるか入れ子が深すぎるため、プレビュ"
                           "ーには配置の一部だけを表示しています。");
  EXPECT_EQ(Messages, (std::vector<TRecordedMessage>{{false, said}, {false, said}}));
}

TEST_F(CopyAndSaveTest, IncompleteDestinationWarnsOnOpenAndAsksBeforeSaving) {
  SourcePath = WriteDrawing("source.jww", SourceDrawing());
  TJwwData withText = DestinationDrawing();
  Append(withText, MakeText(0, 0, "cut off here"));
  std::vector<uint8_t> bytes = TJwwBuilder::Drawing(withText, 700);
  bytes.resize(bytes.size() - 20);
  TJwwBuilder truncated(700);
  truncated.Raw(bytes.data(), bytes.size());
  DestinationPath = PathIn("truncated.jww");
  ASSERT_TRUE(truncated.WriteTo(ToFsPath(DestinationPath)));

  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", SourcePath);
  OpenThroughBrowse("destinationBrowseButton", DestinationPath);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(
      Messages[0].Text,
      QStringLiteral("図面ファイル「") + DestinationPath +
          QStringLiteral("」を最後まで読み込めませんでした。読み込めた部分だけを表示しています。"));
  // The side counts as opened and shows what was read.
  EXPECT_EQ(Lines("destinationColorList").size(), 240u);
  ClickPanel("copyColorsButton");
  EXPECT_EQ(Messages.size(), 1u);

  const TRecordedMessage question{
      true,
      QStringLiteral("コピー先ファイルは最後まで読み込めていません。このまま保存すると、読み込めな"
                     "かった部分は失われます。保存しますか？")};
  const size_t requests = Requests.size();
  QuestionAnswer = false;
  ClickButton("saveButton");
  ASSERT_EQ(Messages.size(), 2u);
  EXPECT_EQ(Messages[1], question);
  EXPECT_EQ(Requests.size(), requests);

  QuestionAnswer = true;
  const QString saved = PathIn("rescued.jww");
  Answers.push_back(saved);
  ClickButton("saveButton");
  ASSERT_EQ(Messages.size(), 4u);
  EXPECT_EQ(Messages[2], question);
  EXPECT_EQ(Messages[3].Text,
            QStringLiteral("図面ファイル「") + saved + QStringLiteral("」を保存しました。"));

  // Opening a complete destination afterwards saves without asking.
  OpenThroughBrowse("destinationBrowseButton", WriteDrawing("whole.jww", DestinationDrawing()));
  Answers.push_back(saved);
  ClickButton("saveButton");
  ASSERT_EQ(Messages.size(), 5u);
  EXPECT_FALSE(Messages[4].Question);
}

// A file that is no drawing says so and leaves the preview as it was; neither it nor a
// drawing cut before its pens takes the white background the drawing opened before left.
TEST_F(CopyAndSaveTest, UnreadPensKeepTheBackgroundAndANonDrawingSaysSo) {
  TJwwData white = SourceDrawing();
  white.Pens[0].ScreenColor = 0xFFFFFF;
  std::vector<uint8_t> cut = TJwwBuilder::Drawing(white);
  cut.resize(200);
  const std::string text = "PK\3\4 an archive, not a drawing";
  const QString cutPath = PathIn("cut.jww");
  const QString otherPath = PathIn("other.jww");
  ASSERT_TRUE(TJwwBuilder().Raw(cut.data(), cut.size()).WriteTo(ToFsPath(cutPath)));
  ASSERT_TRUE(TJwwBuilder().Raw(text).WriteTo(ToFsPath(otherPath)));
  CreateWindow();
  auto* image = Window->findChild<QLabel*>(QStringLiteral("sourcePreview"));
  for (const QString& path : {cutPath, otherPath}) {
    Window->OpenSource(WriteDrawing("white.jww", white));
    Window->OpenSource(path);
    EXPECT_EQ(Window->RenderContext().Attributes->GetBackColor(), 0xFFFFFFu);
  }
  ASSERT_EQ(Messages.size(), 2u);
  EXPECT_EQ(Messages[1].Text, QStringLiteral("「") + otherPath +
                                  QStringLiteral("」は Jw_cad の図面ファイルではありません。"));
  EXPECT_FALSE(image->pixmap().isNull());
  EXPECT_EQ(Caption("sourcePathPanel"), PathIn("white.jww"));
}

TEST_F(CopyAndSaveTest, APathThatNoLongerExistsOpensNothing) {
  SourcePath = WriteDrawing("source.jww", SourceDrawing());
  CreateWindow();
  Window->OpenSource(PathIn("gone.jww"));
  EXPECT_TRUE(Lines("sourceColorList").empty());
  EXPECT_TRUE(Messages.empty());
  ClickPanel("copyColorsButton");
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].Text, QStringLiteral("コピー元ファイルを開いていません"));
}

}  // namespace
}  // namespace pennatran::testing
