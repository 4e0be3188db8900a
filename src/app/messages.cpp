#include "app/messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace pennatran {

namespace {

const QString kCaption = QStringLiteral("Pennatran");

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, kCaption, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  // A dialog is a window of its own and does not take its parent's font by itself.
  if (parent != nullptr) box.setFont(parent->font());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void TMessageBoxes::Information(const QString& text) {
  Show(Parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool TMessageBoxes::Question(const QString& text) {
  return Show(Parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::No) == QMessageBox::Yes;
}

TAnswer TMessageBoxes::QuestionWithCancel(const QString& text) {
  switch (Show(Parent, QMessageBox::Question, text,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
}

TChangedFileAnswer TMessageBoxes::ChangedFileQuestion(const QString& text, const QString& reload,
                                                      const QString& overwrite) {
  QMessageBox box(QMessageBox::Warning, kCaption, text, QMessageBox::NoButton, Parent);
  const QAbstractButton* reloadButton = box.addButton(reload, QMessageBox::DestructiveRole);
  const QAbstractButton* overwriteButton = box.addButton(overwrite, QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(cancel);
  box.setEscapeButton(cancel);
  if (Parent != nullptr) box.setFont(Parent->font());
  box.exec();
  if (box.clickedButton() == reloadButton) return TChangedFileAnswer::Reload;
  if (box.clickedButton() == overwriteButton) return TChangedFileAnswer::Overwrite;
  return TChangedFileAnswer::Cancel;
}

}  // namespace pennatran
