// Start and end of the window: the settings file applied and written, the scratch folders
// and the images extracted into them.
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QUrl>
#include <QWindow>
#include <fstream>
#include <sstream>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A version 7.00 drawing with one embedded image that a text refers to.
TJwwData DrawingReferringTo(const std::string& imageName, TJwwData doc) {
  Append(doc, MakeText(10, 10, "^@BM%temp%" + imageName + ",40,30"));
  return doc;
}

class WindowLifecycleTest : public WindowTest {
 protected:
  int FirstSize(const char* splitter) const {
    return Window->findChild<QSplitter*>(QString::fromLatin1(splitter))->sizes().value(0);
  }
  void WriteSettings(const std::string& content) {
    fs::create_directories(Folders.SettingsPath.parent_path());
    std::ofstream(Folders.SettingsPath, std::ios::binary) << content;
  }
  // The scratch folders that hold a file of that name.
  std::vector<fs::path> Holding(const std::string& name) const {
    std::vector<fs::path> folders;
    for (const fs::path& folder : ScratchFolders())
      if (fs::exists(folder / name)) folders.push_back(folder);
    return folders;
  }
};

TEST_F(WindowLifecycleTest, FirstStartUsesTheDefaultLayout) {
  CreateWindow();
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("Pennatran Ver.1.00"));
  EXPECT_EQ(Window->geometry().topLeft(), QPoint(24, 24));
  EXPECT_EQ(Window->size(), QSize(600, 600));
  EXPECT_EQ(FirstSize("halvesSplitter"), 300);
  EXPECT_EQ(FirstSize("sourcePreviewSplitter"), 160);
  EXPECT_EQ(FirstSize("destinationPreviewSplitter"), 160);
  EXPECT_EQ(FirstSize("sourceListsSplitter"), 120);
  EXPECT_EQ(FirstSize("destinationListsSplitter"), 120);
  EXPECT_TRUE(Caption("sourcePathPanel").isEmpty());
  EXPECT_TRUE(Caption("destinationPathPanel").isEmpty());
  for (const char* list : {"sourceColorList", "sourceLineTypeList", "destinationColorList",
                           "destinationLineTypeList"}) {
    EXPECT_EQ(List(list)->count(), 0) << list;
  }
  EXPECT_EQ(LabelText("screenColorLabel"), QStringLiteral("画面線色："));
  EXPECT_EQ(LabelText("printColorLabel"), QStringLiteral("印刷線色："));
  EXPECT_EQ(LabelText("screenColorSwatch"), QString(8, QChar(0x3000)));
  // One private scratch folder per half, in the temporary folder.
  const std::vector<fs::path> scratch = ScratchFolders();
  ASSERT_EQ(scratch.size(), 2u);
  for (const fs::path& folder : scratch)
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << folder;
  // Nothing is opened automatically, and the preview mapping starts on the origin.
  EXPECT_EQ(Window->RenderContext().Mapping.Scale, 1.0);
  EXPECT_EQ(Window->RenderContext().StartDateTime, (TLocalDateTime{2026, 12, 7, 9, 30, 0}));
}

TEST_F(WindowLifecycleTest, SettingsAreAppliedAndWrittenBackOnClose) {
  const QString source = WriteDrawing("a.jww", SourceDrawing());
  WriteSettings("40\r\n50\r\n700\r\n520\r\n350\r\n140\r\n130\r\n110\r\n100\r\n" +
                source.toStdString() + "\r\n/nowhere/b.jww\r\n");
  CreateWindow();
  EXPECT_EQ(Window->geometry(), QRect(40, 50, 700, 520));
  EXPECT_EQ(FirstSize("halvesSplitter"), 350);
  EXPECT_EQ(FirstSize("sourcePreviewSplitter"), 140);
  EXPECT_EQ(FirstSize("destinationPreviewSplitter"), 130);
  EXPECT_EQ(FirstSize("sourceListsSplitter"), 110);
  EXPECT_EQ(FirstSize("destinationListsSplitter"), 100);
  // The remembered paths are neither shown nor opened; browsing starts from them.
  EXPECT_TRUE(Caption("sourcePathPanel").isEmpty());
  EXPECT_TRUE(Caption("destinationPathPanel").isEmpty());
  EXPECT_EQ(List("sourceColorList")->count(), 0);
  ClickPanel("sourceBrowseButton");
  ClickPanel("destinationBrowseButton");
  ASSERT_EQ(Requests.size(), 2u);
  EXPECT_EQ(Requests[0].Folder, QFileInfo(source).path());
  EXPECT_EQ(Requests[0].FileName, QStringLiteral("a.jww"));
  EXPECT_EQ(Requests[1].Folder, QStringLiteral("/nowhere"));
  EXPECT_EQ(Requests[1].FileName, QStringLiteral("b.jww"));
  CloseWindow();
  EXPECT_EQ(ReadFile(Folders.SettingsPath),
            "40\r\n50\r\n700\r\n520\r\n350\r\n140\r\n130\r\n110\r\n100\r\n" + source.toStdString() +
                "\r\n/nowhere/b.jww\r\n");
}

// What a close saves, the next start restores: the window does not creep by its frame.
TEST_F(WindowLifecycleTest, EachStartRestoresExactlyWhatTheLastOneSaved) {
  WriteSettings("40\r\n50\r\n600\r\n500\r\n");
  for (int start = 0; start < 3; ++start) {
    CreateWindow();
    EXPECT_EQ(Window->geometry(), QRect(40, 50, 600, 500)) << start;
    CloseWindow();
    EXPECT_EQ(ReadFile(Folders.SettingsPath).substr(0, 18), "40\r\n50\r\n600\r\n500\r\n") << start;
  }
}

// A window saved where no screen is any more comes back on the primary screen.
TEST_F(WindowLifecycleTest, ARestoredWindowStaysOnAScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const QPoint& saved : {QPoint(-5000, 40), QPoint(40, -300), QPoint(40, screen.bottom() + 10),
                              QPoint(screen.right() + 10, 40)}) {
    WriteSettings(std::to_string(saved.x()) + "\r\n" + std::to_string(saved.y()) +
                  "\r\n600\r\n500\r\n");
    CreateWindow();
    EXPECT_TRUE(screen.contains(Window->frameGeometry().topLeft()))
        << saved.x() << "," << saved.y();
    EXPECT_TRUE(screen.contains(Window->geometry().topRight())) << saved.x() << "," << saved.y();
    EXPECT_EQ(Window->size(), QSize(600, 500));
    CloseWindow();
  }
}

// The file a half showed is what its dialog starts from after a restart, until the half
// opens another.
TEST_F(WindowLifecycleTest, TheNextStartShowsEmptyHalvesAndBrowsesFromTheLastFiles) {
  const QString first = WriteDrawing("first.jww", SourceDrawing());
  const QString second = WriteDrawing("second.jww", DestinationDrawing());
  CreateWindow();
  OpenThroughBrowse("destinationBrowseButton", first);
  CloseWindow();
  CreateWindow();
  EXPECT_TRUE(Caption("destinationPathPanel").isEmpty());
  EXPECT_EQ(List("destinationColorList")->count(), 0);
  OpenThroughBrowse("destinationBrowseButton", second);
  ClickPanel("destinationBrowseButton");
  ASSERT_EQ(Requests.size(), 3u);
  EXPECT_EQ(Requests[1].FileName, QStringLiteral("first.jww"));
  EXPECT_EQ(Requests[2].FileName, QStringLiteral("second.jww"));
  CloseWindow();
  EXPECT_NE(ReadFile(Folders.SettingsPath).find(second.toStdString()), std::string::npos);
}

TEST_F(WindowLifecycleTest, FourLineSettingsCollapseThePartsAndEmptyThePaths) {
  WriteSettings("10\r\n20\r\n700\r\n560\r\n");
  CreateWindow();
  EXPECT_EQ(Window->size(), QSize(700, 560));
  EXPECT_EQ(FirstSize("halvesSplitter"), 0);
  EXPECT_EQ(FirstSize("sourcePreviewSplitter"), 0);
  EXPECT_EQ(FirstSize("sourceListsSplitter"), 0);
  EXPECT_TRUE(Caption("sourcePathPanel").isEmpty());
  // A preview without pixels is simply not drawn.
  Window->OpenSource(WriteDrawing("a.jww", SourceDrawing()));
  EXPECT_EQ(List("sourceColorList")->count(), 240);
}

TEST_F(WindowLifecycleTest, ClosingWithoutOpeningWritesTheSettingsAndRemovesTheFolders) {
  CreateWindow();
  std::ofstream(ScratchFolders().front() / "foreign.txt") << "gone";
  CloseWindow();
  EXPECT_EQ(ReadFile(Folders.SettingsPath),
            "24\r\n24\r\n600\r\n600\r\n300\r\n160\r\n160\r\n120\r\n120\r\n\r\n\r\n");
  EXPECT_TRUE(ScratchFolders().empty());
  // Nothing beside the executable.
  EXPECT_TRUE(fs::is_empty(Folders.OldSettingsPath.parent_path()));
}

TEST_F(WindowLifecycleTest, EachSideKeepsItsImagesUntilItIsClosed) {
  const QString source = WriteDrawing("src.jww", DrawingReferringTo("a.bmp", SourceDrawing()), 700,
                                      {{"a.bmp", "source image"}});
  const QString destination =
      WriteDrawing("dst.jww", DrawingReferringTo("b.bmp", DestinationDrawing()), 700,
                   {{"b.bmp.gz", "destination image"}});
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", source);
  const std::vector<fs::path> sourceScratch = Holding("a.bmp");
  ASSERT_EQ(sourceScratch.size(), 1u);
  OpenThroughBrowse("destinationBrowseButton", destination);
  const std::vector<fs::path> destinationScratch = Holding("b.bmp.gz");
  ASSERT_EQ(destinationScratch.size(), 1u);
  EXPECT_EQ(Holding("a.bmp"), sourceScratch);
  EXPECT_EQ(ReadFile(sourceScratch[0] / "a.bmp"), "source image");
  EXPECT_EQ(ReadFile(destinationScratch[0] / "b.bmp.gz"), "destination image");
  // The same file on both sides: each side extracts into its own folder.
  OpenThroughBrowse("destinationBrowseButton", source);
  EXPECT_TRUE(Holding("b.bmp.gz").empty());
  EXPECT_EQ(ReadFile(destinationScratch[0] / "a.bmp"), "source image");
  EXPECT_EQ(ReadFile(sourceScratch[0] / "a.bmp"), "source image");

  OpenThroughBrowse("destinationBrowseButton", destination);
  // Saving embeds the destination's own image, not the source's of the same name.
  const QString saved = PathIn("saved.jww");
  Answers.push_back(saved);
  ClickButton("saveButton");
  TJwwData reloaded;
  reloaded.ImageFolder = ToFsPath(PathIn("reloaded"));
  fs::create_directories(reloaded.ImageFolder);
  ASSERT_TRUE(reloaded.LoadFromFile(ToFsPath(saved)));
  EXPECT_EQ(ReadFile(reloaded.ImageFolder / "b.bmp.gz"), "destination image");

  CloseWindow();
  EXPECT_TRUE(ScratchFolders().empty());
}

// Delivers a drag and drop at a point of the window as the window system does.
void DropOnto(QWidget* window, const QPoint& at, const QString& path) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window->windowHandle(), &enter);
  if (!enter.isAccepted()) return;
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window->windowHandle(), &drop);
}

TEST_F(WindowLifecycleTest, DroppedDrawingOpensInTheHalfItFallsOn) {
  const QString destination = WriteDrawing("dropped.jww", DestinationDrawing());
  CreateWindow();
  auto* half = Window->findChild<QWidget*>(QStringLiteral("destinationHalf"));
  const QPoint onDestination = half->mapTo(Window.get(), half->rect().center());
  DropOnto(Window.get(), onDestination, destination);
  Settle();
  EXPECT_EQ(Caption("destinationPathPanel"), destination);
  EXPECT_EQ(List("destinationColorList")->count(), 240);
  EXPECT_TRUE(Caption("sourcePathPanel").isEmpty());

  DropOnto(Window.get(), onDestination, PathIn("notes.txt"));
  Settle();
  EXPECT_EQ(Caption("destinationPathPanel"), destination);
}

// A drag that proposes a move is taken as a copy, so its source never deletes the file; a
// source that offers only a move is refused.
TEST_F(WindowLifecycleTest, ADropIsACopyNeverAMove) {
  const QString destination = WriteDrawing("dropped.jww", DestinationDrawing());
  CreateWindow();
  auto* half = Window->findChild<QWidget*>(QStringLiteral("destinationHalf"));
  const QPoint at = half->mapTo(Window.get(), half->rect().center());
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(destination)});
  const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at, both, &mime, Qt::LeftButton, Qt::ShiftModifier);
  ASSERT_EQ(enter.proposedAction(), Qt::MoveAction);
  QCoreApplication::sendEvent(Window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
  QDropEvent drop(at, both, &mime, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(Window.get(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  Settle();
  EXPECT_EQ(Caption("destinationPathPanel"), destination);

  QDragEnterEvent moveOnly(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Window.get(), &moveOnly);
  EXPECT_FALSE(moveOnly.isAccepted());
}

}  // namespace
}  // namespace pennatran::testing
