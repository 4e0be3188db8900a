#include "app/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace pennatran {

const char* const kDrawingFilter = "Jw_cad 図面データ(*.jww)";

namespace {

std::optional<QString> RunDialog(QFileDialog& dialog, const QString& initialFolder,
                                 const QString& fileName) {
  dialog.setNameFilter(QString::fromUtf8(kDrawingFilter));
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
  return RunDialog(dialog, initialFolder, fileName);
}

std::optional<QString> TQtFileDialogs::SaveDrawing(const QString& initialFolder,
                                                   const QString& fileName) {
  QFileDialog dialog(Parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Replacing an existing file is confirmed by the dialog itself (the default).
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  return RunDialog(dialog, initialFolder, fileName);
}

}  // namespace pennatran
