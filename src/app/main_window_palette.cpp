// A palette file opened on the source half instead of a drawing: its slots fill the lists
// and a sheet of its colours and line types takes the place of the preview.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include "app/caption_panel.h"
#include "app/failure_reason.h"
#include "app/main_window.h"

namespace pennatran {

namespace {

// Told by content, as the command line tells a palette file from a drawing.
bool IsPaletteFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(64);
  return LooksLikePaletteFile(std::string_view(head.constData(), static_cast<size_t>(head.size())));
}

QString PaletteOnDestination(const QString& path) {
  return MainWindow::tr(
             "「%1」はパレットファイルです。パレットファイルはコピー元にだけ開けます（コピー先は"
             "図面として保存するため、図面ファイルを開いてください）。")
      .arg(path);
}

// The core's reason, its patterns worded in the window's language as the command line
// words them (InstallWindowLanguage installs that catalogue for Japanese).
QString PaletteFileReason(const TPaletteFileError& error) {
  return QString::fromStdString(PaletteFileErrorText(error, [](const char* pattern) {
    return QCoreApplication::translate("PaletteFile", pattern).toStdString();
  }));
}

QString SourceFailureReason(const QString& path, const TPaletteSourceError& error) {
  switch (error.Failure) {
    case TPaletteSourceFailure::None:
      break;
    case TPaletteSourceFailure::CannotOpen:
      return MainWindow::tr("「%1」を開けません").arg(path);
    case TPaletteSourceFailure::TooLarge:
      return MainWindow::tr("「%1」はパレットファイルとしては大きすぎます").arg(path);
    case TPaletteSourceFailure::BadPaletteFile:
      return MainWindow::tr("「%1」：%2").arg(path, PaletteFileReason(error.PaletteFile));
    case TPaletteSourceFailure::Drawing:
      return MainWindow::tr("「%1」：%2").arg(path, FailureReason(error.Drawing));
  }
  return {};
}

QString PaletteRefused(const QString& path, const TPaletteSourceError& error) {
  return MainWindow::tr("パレットファイルを開けませんでした。\n%1")
      .arg(SourceFailureReason(path, error));
}

}  // namespace

bool MainWindow::OpenIfPaletteFile(TWindowSide& side, const QString& path) {
  if (!IsPaletteFile(path)) return false;
  if (&side != &Source) {
    Env.Messages->Information(PaletteOnDestination(path));
    return true;
  }
  TSessionLoad load;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  load = side.Session->OpenPaletteFile(ToFsPath(path));
  QGuiApplication::restoreOverrideCursor();
  if (!load.Ok) {
    Env.Messages->Information(PaletteRefused(path, load.PaletteError));
    return true;
  }
  side.PathPanel->SetCaption(path);
  ShowPreview(side);
  ShowOpenedLists(side);
  UpdateDifferenceMarks();
  return true;
}

}  // namespace pennatran
