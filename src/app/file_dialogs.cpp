#include "app/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace pennatran {

const char* const kDrawingFilter = QT_TRANSLATE_NOOP("TQtFileDialogs", "Jw_cad 図面データ(*.jww)");
const char* const kPaletteFilter = QT_TRANSLATE_NOOP("TQtFileDialogs", "パレットファイル(*.json)");

namespace {

QString Filter(const char* text) {
  return QCoreApplication::translate("TQtFileDialogs", text);
}

std::optional<QString> RunDialog(QFileDialog& dialog, const QString& initialFolder,
                                 const QString& fileName, const QStringList& filters) {
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
