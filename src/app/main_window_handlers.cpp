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
#include "app/main_window.h"
#include "app/panel_button.h"
#include "app/preview_image.h"
#include "jww/file_lock.h"
#include "jww/file_stamp.h"
#include "qtcanvas/qt_canvas.h"

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
QString LoadFailed(const TSessionLoad& load, const QString& path) {
  return load.NotADrawing ? NotADrawing(path) : ReadPartly(path);
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
QString ChangedSinceRead(const QString& path) {
  return MainWindow::tr(
             "図面ファイル「%1」は、このウィンドウで読み込んだ後にほかで書き換えられています。\n"
             "再読み込みすると、このウィンドウでコピーした内容は破棄されます。上書きすると、ほかで"
             "書き換えた内容は失われます。")
      .arg(path);
}
QString ReloadLabel() {
  return MainWindow::tr("再読み込み");
}
QString OverwriteLabel() {
  return MainWindow::tr("上書き");
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

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!Shown) {
    Shown = true;
    FormShow();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (Shown && !Closed && !SettleUnsavedCopies()) {
    event->ignore();
    return;
  }
  if (Shown && !Closed) FormClose();
  event->accept();
}

bool MainWindow::SettleUnsavedCopies() {
  if (!IsOpen(Destination) || !Destination.Session->Unsaved()) return true;
  switch (Env.Messages->QuestionWithCancel(UnsavedCopies())) {
    case TAnswer::Yes:
      OnSave();
      return !Destination.Session->Unsaved();
    case TAnswer::No:
      return true;
    case TAnswer::Cancel:
      break;
  }
  return false;
}

void MainWindow::FormShow() {
  ApplySettings(LoadSettings(TakeOverOldSettings(Env.Folders)));
  const TPreviewEnvironment preview{Env.PrinterResolution, Env.Clock, Env.EscapePressed};
  Source.Session = std::make_unique<THalfSession>(preview);
  Destination.Session = std::make_unique<THalfSession>(preview);
  for (TWindowSide* side : {&Source, &Destination}) {
    side->Scratch =
        std::make_unique<TTempFolder>(Env.ScratchWatch ? Env.ScratchWatch() : TScratchWatch{});
    side->Session->SetScratchFolder(side->Scratch->Path());
  }
  Carry = {};
  const TLocalDateTime start = Env.Clock();
  for (TWindowSide* side : {&Source, &Destination})
    side->Session->ResetPreview(Source.Preview->width(), Source.Preview->height(), start);
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
  std::error_code ec;
  std::filesystem::create_directories(Env.Folders.SettingsPath.parent_path(), ec);
  SaveSettings(Env.Folders.SettingsPath, CurrentSettings());
  CloseSideFile(Destination);
  CloseSideFile(Source);
  Destination.Session.reset();
  Source.Session.reset();
  Destination.Scratch.reset();
  Source.Scratch.reset();
}

const TJwwData* MainWindow::Document(const TWindowSide& side) {
  return side.Session ? &side.Session->Drawing() : nullptr;
}

bool MainWindow::IsOpen(const TWindowSide& side) {
  return side.Session && side.Session->Opened();
}

const TRenderContext& MainWindow::RenderContext() const {
  return Source.Session ? Source.Session->Context() : NoPreview;
}

void MainWindow::OpenSource(const QString& path) {
  if (!Source.Session) return;
  OpenSideFile(Source, path);
}

void MainWindow::OpenDestination(const QString& path) {
  if (!Destination.Session) return;
  OpenSideFile(Destination, path);
}

void MainWindow::BrowseAndOpen(TWindowSide& side) {
  if (!side.Session) return;
  if (const std::optional<QString> chosen = Browse(side)) OpenSideFile(side, *chosen);
}

QString MainWindow::RememberedPath(const TWindowSide& side) {
  const QString shown = side.PathPanel->Caption();
  return shown.isEmpty() ? side.LastPath : shown;
}

std::optional<QString> MainWindow::Browse(const TWindowSide& side) {
  const auto [folder, fileName] = SplitCaption(RememberedPath(side));
  return Env.Dialogs->OpenDrawing(folder, fileName);
}

void MainWindow::OpenSideFile(TWindowSide& side, const QString& path) {
  if (QFileInfo(path).isFile() && OpenIfPaletteFile(side, path)) return;
  if (!QFileInfo(path).isFile()) {
    side.PathPanel->SetCaption(path);
    return;
  }
  if (&side == &Destination && !SettleUnsavedCopies()) return;
  LoadSideDrawing(side, path);
}

void MainWindow::LoadSideDrawing(TWindowSide& side, const QString& path) {
  TSessionLoad load;
  {
    TWaitCursor wait;
    // Taken before the load: a save then notices whatever was written since the read began.
    const TFileStamp stamp = &side == &Destination ? StampFile(ToFsPath(path)) : TFileStamp{};
    load = side.Session->OpenDrawingFile(ToFsPath(path));
    if (load.Ok && &side == &Destination) DestinationStamp = stamp;
    // A file that is no drawing leaves the half showing what it showed.
    if (load.Ok) {
      side.PathPanel->SetCaption(path);
      side.Session->PreparePreview(Carry);
      ShowPreview(side);
      FillColorList(side);
      FillLineTypeList(side);
      ShowOpenedLists(side);
    }
  }
  if (load.Ok) UpdateDifferenceMarks();
  if (!load.Complete) Env.Messages->Information(LoadFailed(load, path));
  if (load.PlacementsCut) Env.Messages->Information(PlacementsCut(path));
}

void MainWindow::CloseSideFile(TWindowSide& side) {
  if (side.Session) side.Session->Close();
}

void MainWindow::ShowPreview(TWindowSide& side) {
  side.Preview->ShowDrawing([&](QImage& picture) {
    TQtCanvas canvas(picture);
    side.Session->DrawPreview(canvas, picture.width(), picture.height());
  });
}

void MainWindow::RedrawPreview(TWindowSide& side) {
  if (!IsOpen(side)) return;
  if (side.Session->IsPalette()) {
    ShowPreview(side);
    return;
  }
  TWaitCursor wait;
  // The drawing's own pens and layers, and the background it was first shown on.
  side.Session->PrepareRedraw(Carry);
  ShowPreview(side);
}

bool MainWindow::BothSidesOpen() {
  if (!IsOpen(Source)) {
    Env.Messages->Information(NoSource());
    return false;
  }
  if (!IsOpen(Destination)) {
    Env.Messages->Information(NoDestination());
    return false;
  }
  return true;
}

void MainWindow::CopySelected(TSlotKind kind) {
  if (!BothSidesOpen()) return;
  const bool colors = kind == TSlotKind::Color;
  const std::vector<TSlot> chosen =
      SelectedListSlots(colors ? Source.ColorList : Source.LineTypeList);
  Destination.Session->CopyFrom(*Source.Session, kind, chosen);
  if (colors)
    FillColorList(Destination);
  else
    FillLineTypeList(Destination);
  ShowFirstCopiedLine(colors ? Destination.ColorList : Destination.LineTypeList, chosen);
  UpdateDifferenceMarks();
}

void MainWindow::OnCopyColors() {
  CopySelected(TSlotKind::Color);
}

void MainWindow::OnCopyLineTypes() {
  CopySelected(TSlotKind::LineType);
}

void MainWindow::OnSelectAllColors() {
  Source.ColorList->selectAll();
}

void MainWindow::OnSelectAllLineTypes() {
  Source.LineTypeList->selectAll();
}

void MainWindow::OnSave() {
  if (!BothSidesOpen()) return;
  if (!Destination.Session->Complete() && !Env.Messages->Question(SaveIncomplete())) return;
  const auto [folder, fileName] = SplitCaption(Destination.PathPanel->Caption());
  const std::optional<QString> chosen = Env.Dialogs->SaveDrawing(folder, fileName);
  if (!chosen) return;
  TSaveError error;
  bool saved = SaveDestination(*chosen, false, error);
  if (!saved && error.Failure == TSaveFailure::ChangedOnDisk) {
    switch (Env.Messages->ChangedFileQuestion(ChangedSinceRead(*chosen), ReloadLabel(),
                                              OverwriteLabel())) {
      case TChangedFileAnswer::Reload:
        LoadSideDrawing(Destination, FromFsPath(DestinationStamp.File));
        return;
      case TChangedFileAnswer::Cancel:
        return;
      case TChangedFileAnswer::Overwrite:
        saved = SaveDestination(*chosen, true, error);
        break;
    }
  }
  Env.Messages->Information(saved ? Saved(*chosen) : SaveFailed(*chosen, error.Failure));
}

bool MainWindow::SaveDestination(const QString& path, bool overwrite, TSaveError& error) {
  const std::filesystem::path target = ToFsPath(path);
  const bool overItsFile = IsStampedFile(DestinationStamp, target);
  TAtomicWriteOptions options;
  if (overItsFile && !overwrite) options.Unchanged = DestinationStamp;
  bool saved = false;
  TWaitCursor wait;
  {
    // An apply from the command line must not save between this save's start and end.
    TFileLock lock;
    if (lock.Acquire(target, kDrawingLockWait) == TLockOutcome::Busy)
      error = {TSaveFailure::Busy, "another run kept the file locked"};
    else
      saved = Destination.Session->SaveToFile(target, &error, options);
  }
  // What this window wrote is what the next save may replace.
  if (saved && overItsFile) DestinationStamp = StampFile(target);
  return saved;
}

void MainWindow::OnExit() {
  close();
}

// A drop is only ever taken as a copy: a source told "moved" may delete the user's file.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QStringList paths = DraggedPaths(event->mimeData());
  if (Source.Session && (!DraggedDrawing(paths).isEmpty() || IsBatch(paths))) AcceptAsCopy(event);
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
