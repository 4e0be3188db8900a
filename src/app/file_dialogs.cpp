#include "app/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QStringList>
#include <QTreeView>
#include <algorithm>

namespace pennatran {

const char* const kDrawingFilter = QT_TRANSLATE_NOOP("TQtFileDialogs", "Jw_cad 図面データ(*.jww)");
const char* const kPaletteFilter = QT_TRANSLATE_NOOP("TQtFileDialogs", "パレットファイル(*.json)");

namespace {

QString Filter(const char* text) {
  return QCoreApplication::translate("TQtFileDialogs", text);
}

// The detail view shows each file's size, type and date whole, and its name in what is
// left of a dialog about 120 characters wide (less on a small screen).
void ShowColumnsWhole(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (view == nullptr) return;
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  const QFontMetrics metrics(dialog.font());
  QSize size(std::max(dialog.width(), metrics.averageCharWidth() * 120),
             std::max(dialog.height(), metrics.height() * 26));
  if (const QScreen* screen = dialog.screen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  dialog.resize(size);
}

std::optional<QString> RunDialog(QFileDialog& dialog, const QString& initialFolder,
                                 const QString& fileName, const QStringList& filters) {
  // Qt's own dialog speaks the window's language; a desktop's dialog speaks the desktop's.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  ShowColumnsWhole(dialog);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QStringLiteral("jww"));
  dialog.setSizeGripEnabled(true);
  if (!initialFolder.isEmpty()) dialog.setDirectory(initialFolder);
  if (!fileName.isEmpty()) dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

}  // namespace

std::optional<QString> TQtFileDialogs::OpenDrawing(const QString& initialFolder,
                                                   const QString& fileName) {
  QFileDialog dialog(Parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Only an existing file in an existing folder can be chosen.
  dialog.setFileMode(QFileDialog::ExistingFile);
  // The source half also takes a palette file.
  return RunDialog(dialog, initialFolder, fileName,
                   {Filter(kDrawingFilter), Filter(kPaletteFilter)});
}

std::optional<QString> TQtFileDialogs::SaveDrawing(const QString& initialFolder,
                                                   const QString& fileName) {
  QFileDialog dialog(Parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Replacing an existing file is confirmed by the dialog itself (the default).
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  return RunDialog(dialog, initialFolder, fileName, {Filter(kDrawingFilter)});
}

}  // namespace pennatran
