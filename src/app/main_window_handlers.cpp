// Start and end of the window, opening and closing a side, copying and saving.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>
#include <system_error>
#include <vector>

#include "app/caption_panel.h"
#include "app/escape_key.h"
#include "app/main_window.h"
#include "app/panel_button.h"
#include "app/preview_image.h"
#include "jww/file_lock.h"
#include "jww/format_versions.h"
#include "palette/palette.h"
#include "palette/palette_file.h"
#include "qtcanvas/printer_resolution.h"
#include "qtcanvas/qt_canvas.h"
#include "render/draw_preview.h"
#include "render/system_clock.h"

namespace pennatran {

namespace {

// The window's messages, looked up when shown so that they follow the installed language.
QString NoSource() {
  return MainWindow::tr("コピー元ファイルを開いていません");
}
QString NoDestination() {
  return MainWindow::tr("コピー先ファイルを開いていません");
}
QString Saved(const QString& path) {
  return MainWindow::tr("図面ファイル「%1」を保存しました。").arg(path);
}
QString SaveFailed(const QString& path, TSaveFailure failure) {
  // The reason comes from the drawing library; its translation is looked up under its own
  // context.
  const std::string reason = SaveFailureText(failure);
  return MainWindow::tr("図面ファイル「%1」の保存に失敗しました。").arg(path) +
         (reason.empty()
              ? QString()
              : QStringLiteral("\n") + QCoreApplication::translate("SaveFailure", reason.c_str()));
}
QString ReadPartly(const QString& path) {
  return MainWindow::tr(
             "図面ファイル「%1」を最後まで読み込めませんでした。読み込めた部分だけを表示していま"
             "す。")
      .arg(path);
}
QString NotADrawing(const QString& path) {
  return MainWindow::tr("「%1」は Jw_cad の図面ファイルではありません。").arg(path);
}
// What the user is told after a load that stopped before the end of its file.
QString LoadFailed(const TJwwData& doc, const QString& path) {
  return doc.LoadError.NotADrawing() ? NotADrawing(path) : ReadPartly(path);
}
QString PlacementsCut(const QString& path) {
  return MainWindow::tr(
             "図面ファイル「%1」はブロックの配置が多すぎるか入れ子が深すぎるため、プレビューには"
             "配置の一部だけを表示しています。")
      .arg(path);
}
QString SaveIncomplete() {
  return MainWindow::tr(
      "コピー先ファイルは最後まで読み込めていません。このまま保存すると、読み込めなかった部分は"
      "失われます。保存しますか？");
}
QString UnsavedCopies() {
  return MainWindow::tr("コピー先にコピーした内容が保存されていません。保存しますか？");
}

// Shows the wait cursor while a drawing is read or drawn.
class TWaitCursor {
 public:
  TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// The folder part and the file-name part of a path panel's caption (both empty for an
// empty caption).
std::pair<QString, QString> SplitCaption(const QString& caption) {
  if (caption.isEmpty()) return {};
  const QFileInfo info(caption);
  return {info.path(), info.fileName()};
}

// The local files and folders a drag carries; none when any of them is not local.
QStringList DraggedPaths(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  QStringList paths;
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) return {};
    paths.push_back(url.toLocalFile());
  }
  return paths;
}

// The one .jww (or palette .json) file a drag carries, or an empty string.
QString DraggedDrawing(const QStringList& paths) {
  if (paths.size() != 1) return {};
  const QString suffix = QFileInfo(paths.front()).suffix();
  for (const QString& known : {QStringLiteral("jww"), QStringLiteral("json")}) {
    if (suffix.compare(known, Qt::CaseInsensitive) == 0) return paths.front();
  }
  return {};
}

// Several files, or a folder, to put the source's slots into.
bool IsBatch(const QStringList& paths) {
  return paths.size() > 1 || (paths.size() == 1 && QFileInfo(paths.front()).isDir());
}

// Accepts the drag or drop with the copy action; refuses a source that offers no copy.
bool AcceptAsCopy(QDropEvent* event) {
  if (!event->possibleActions().testFlag(Qt::CopyAction)) {
    event->ignore();
    return false;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

}  // namespace

MainWindow::MainWindow(TFormEnvironment environment, QWidget* parent)
    : QWidget(parent), Env(std::move(environment)) {
  if (!Env.Messages) Env.Messages = std::make_unique<TMessageBoxes>(this);
  if (!Env.Dialogs) Env.Dialogs = std::make_unique<TQtFileDialogs>(this);
  if (!Env.BatchDialogs) Env.BatchDialogs = std::make_unique<TQtBatchDialogs>(this);
  if (!Env.PrinterResolution) Env.PrinterResolution = DefaultPrinterResolution;
  if (!Env.EscapePressed) Env.EscapePressed = ThrottledEscapeKey();
  if (!Env.Clock) Env.Clock = SystemNow;
  BuildLayout();
}

MainWindow::~MainWindow() {
  if (Shown && !Closed) FormClose();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!Shown) {
    Shown = true;
    FormShow();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (Shown && !Closed && !SaveBeforeClosing()) {
    event->ignore();
    return;
  }
  if (Shown && !Closed) FormClose();
  event->accept();
}

bool MainWindow::SaveBeforeClosing() {
  if (!Destination.Unsaved) return true;
  switch (Env.Messages->QuestionWithCancel(UnsavedCopies())) {
    case TAnswer::Yes:
      OnSave();
      return !Destination.Unsaved;
    case TAnswer::No:
      return true;
    case TAnswer::Cancel:
      break;
  }
  return false;
}

void MainWindow::FormShow() {
  ApplySettings(LoadSettings(Env.Folders.SettingsPath));
  Source.ScratchFolder = Env.Folders.SourceScratch;
  Destination.ScratchFolder = Env.Folders.DestinationScratch;
  std::error_code ec;
  std::filesystem::create_directories(Source.ScratchFolder, ec);
  std::filesystem::create_directories(Destination.ScratchFolder, ec);
  BackMode = BackgroundMode::White;
  for (TWindowSide* side : {&Source, &Destination}) {
    side->Drawing = std::make_unique<TJwwData>();
    side->Drawing->ImageFolder = side->ScratchFolder;
  }
  Attributes = std::make_unique<PreviewAttributes>();
  Attributes->SetBackMode(BackMode);
  Attributes->InitPenColors();
  Attributes->SetShowAuxiliary(0);
  Context.Attributes = Attributes.get();
  Context.Clock = Env.Clock;
  Context.EscapePressed = Env.EscapePressed;
  Context.DocInfo = TDocumentInfo{};
  Context.CurrentScale = 1.0;
  Context.StartDateTime = Env.Clock();
  ResetPreviewMapping(Context, Source.Preview->width(), Source.Preview->height());
  for (TWindowSide* side : {&Source, &Destination}) {
    side->Opened = false;
    side->LoadComplete = true;
  }
  for (QListWidget* list :
       {Source.ColorList, Source.LineTypeList, Destination.ColorList, Destination.LineTypeList})
    list->clear();
  for (QWidget* widget : std::initializer_list<QWidget*>{
           SelectAllColorsButton, SelectAllLineTypesButton, ScreenColorLabel, ScreenColorSwatch,
           PrintColorLabel, PrintColorSwatch}) {
    widget->setVisible(true);
  }
}

void MainWindow::FormClose() {
  Closed = true;
  SaveSettings(Env.Folders.SettingsPath, CurrentSettings());
  CloseSideFile(Destination);
  CloseSideFile(Source);
  Context.Attributes = nullptr;
  Attributes.reset();
  Destination.Drawing.reset();
  Source.Drawing.reset();
  // Only empty folders go; a folder that still holds files stays.
  std::error_code ec;
  std::filesystem::remove(Destination.ScratchFolder, ec);
  std::filesystem::remove(Source.ScratchFolder, ec);
}

void MainWindow::OpenSource(const QString& path) {
  if (!Source.Drawing) return;
  OpenSideFile(Source, path);
}

void MainWindow::OpenDestination(const QString& path) {
  if (!Destination.Drawing) return;
  OpenSideFile(Destination, path);
}

void MainWindow::BrowseAndOpen(TWindowSide& side) {
  if (!side.Drawing) return;
  if (const std::optional<QString> chosen = Browse(side.PathPanel)) OpenSideFile(side, *chosen);
}

std::optional<QString> MainWindow::Browse(const TCaptionPanel* pathPanel) {
  const auto [folder, fileName] = SplitCaption(pathPanel->Caption());
  return Env.Dialogs->OpenDrawing(folder, fileName);
}

void MainWindow::OpenSideFile(TWindowSide& side, const QString& path) {
  if (QFileInfo(path).isFile() && OpenIfPaletteFile(side, path)) return;
  side.PathPanel->SetCaption(path);
  if (!QFileInfo(path).isFile()) return;
  CloseSideFile(side);
  TJwwData& doc = *side.Drawing;
  {
    TWaitCursor wait;
    doc.ImageFolder = side.ScratchFolder;
    doc.DocInfoPublished = false;
    side.LoadComplete = doc.LoadFromFile(ToFsPath(path));
    BackMode =
        PreparePreview(Context, *Attributes, doc, BackMode, Env.PrinterResolution, Env.Clock);
    side.BackMode = BackMode;
    if (doc.LoadError.NotADrawing()) {
      side.Preview->clear();
    } else {
      ShowPreview(doc, side.Preview);
    }
    const TPalette palette = PaletteOfDrawing(doc);
    FillColorList(palette, side.ColorList);
    FillLineTypeList(palette, side.LineTypeList);
  }
  side.Opened = true;
  side.Unsaved = false;
  UpdateDifferenceMarks();
  if (!side.LoadComplete) Env.Messages->Information(LoadFailed(doc, path));
  if (doc.BlockTreeLimited) Env.Messages->Information(PlacementsCut(path));
}

void MainWindow::CloseSideFile(TWindowSide& side) {
  side.Palette.reset();
  if (!side.Drawing) return;
  side.Drawing->ImageFolder = side.ScratchFolder;
  side.Drawing->Release();
  side.Drawing->DeleteImageFiles();
  side.Drawing->ClearImageList();
}

void MainWindow::ShowPreview(const TJwwData& doc, TPreviewImage* image) {
  image->ShowDrawing([&](QImage& picture) {
    TQtCanvas canvas(picture);
    DrawPreview(Context, doc, canvas, picture.width(), picture.height());
  });
}

void MainWindow::RedrawPreview(TWindowSide& side) {
  if (!side.Opened || !side.Drawing || !Attributes) return;
  if (side.Palette) {
    ShowPaletteSheet(*side.Palette, side.Preview);
    return;
  }
  if (side.Drawing->LoadError.NotADrawing()) return;
  TWaitCursor wait;
  // The drawing's own pens and layers, and the background it was first shown on.
  Attributes->SetBackMode(side.BackMode);
  PreparePreview(Context, *Attributes, *side.Drawing, side.BackMode, Env.PrinterResolution,
                 Env.Clock);
  ShowPreview(*side.Drawing, side.Preview);
  Attributes->SetBackMode(BackMode);
}

bool MainWindow::BothSidesOpen() {
  if (!Source.Opened) {
    Env.Messages->Information(NoSource());
    return false;
  }
  if (!Destination.Opened) {
    Env.Messages->Information(NoDestination());
    return false;
  }
  return true;
}

void MainWindow::OnCopyColors() {
  if (!BothSidesOpen()) return;
  const std::vector<int32_t> lines = SelectedListLines(Source.ColorList);
  ApplyPalette(SidePalette(Source), lines, {}, *Destination.Drawing);
  Destination.Unsaved = Destination.Unsaved || !lines.empty();
  FillColorList(PaletteOfDrawing(*Destination.Drawing), Destination.ColorList);
  ShowFirstCopiedLine(Destination.ColorList, lines);
  UpdateDifferenceMarks();
}

void MainWindow::OnCopyLineTypes() {
  if (!BothSidesOpen()) return;
  const std::vector<int32_t> lines = SelectedListLines(Source.LineTypeList);
  ApplyPalette(SidePalette(Source), {}, lines, *Destination.Drawing);
  Destination.Unsaved = Destination.Unsaved || !lines.empty();
  FillLineTypeList(PaletteOfDrawing(*Destination.Drawing), Destination.LineTypeList);
  ShowFirstCopiedLine(Destination.LineTypeList, lines);
  UpdateDifferenceMarks();
}

void MainWindow::OnSelectAllColors() {
  Source.ColorList->selectAll();
}

void MainWindow::OnSelectAllLineTypes() {
  Source.LineTypeList->selectAll();
}

void MainWindow::OnSave() {
  if (!BothSidesOpen()) return;
  if (!Destination.LoadComplete && !Env.Messages->Question(SaveIncomplete())) return;
  const auto [folder, fileName] = SplitCaption(Destination.PathPanel->Caption());
  const std::optional<QString> chosen = Env.Dialogs->SaveDrawing(folder, fileName);
  if (!chosen) return;
  bool saved = false;
  TSaveError error;
  {
    TWaitCursor wait;
    Destination.Drawing->ImageFolder = Destination.ScratchFolder;
    Destination.Drawing->SetSaveOptions(0);
    // An apply from the command line must not save between this save's start and end.
    TFileLock lock;
    if (lock.Acquire(ToFsPath(*chosen), kDrawingLockWait) == TLockOutcome::Busy)
      error = {TSaveFailure::Busy, "another run kept the file locked"};
    else
      saved = Destination.Drawing->SaveToFile(ToFsPath(*chosen), kSaveVersion, &error);
  }
  if (saved) Destination.Unsaved = false;
  Env.Messages->Information(saved ? Saved(*chosen) : SaveFailed(*chosen, error.Failure));
}

void MainWindow::OnExit() {
  close();
}

// A drop is only ever taken as a copy: a source told "moved" may delete the user's file.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QStringList paths = DraggedPaths(event->mimeData());
  if (Source.Drawing && (!DraggedDrawing(paths).isEmpty() || IsBatch(paths))) AcceptAsCopy(event);
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = DraggedPaths(event->mimeData());
  const QPoint at = event->position().toPoint();
  if (IsBatch(paths)) {
    if (!Destination.Half->rect().contains(Destination.Half->mapFrom(this, at)) ||
        !AcceptAsCopy(event))
      return;
    QMetaObject::invokeMethod(
        this, [this, paths] { ApplyToDroppedDrawings(paths); }, Qt::QueuedConnection);
    return;
  }
  const QString path = DraggedDrawing(paths);
  if (path.isEmpty()) return;
  // Opened once the drop has finished: a message about the load must not run inside the
  // drag and drop of the window system.
  if (Source.Half->rect().contains(Source.Half->mapFrom(this, at))) {
    if (!AcceptAsCopy(event)) return;
    QMetaObject::invokeMethod(
        this, [this, path] { OpenSource(path); }, Qt::QueuedConnection);
  } else if (Destination.Half->rect().contains(Destination.Half->mapFrom(this, at))) {
    if (!AcceptAsCopy(event)) return;
    QMetaObject::invokeMethod(
        this, [this, path] { OpenDestination(path); }, Qt::QueuedConnection);
  }
}

}  // namespace pennatran
