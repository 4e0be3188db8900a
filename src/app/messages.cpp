#include "app/messages.h"

#include <QMessageBox>

namespace pennatran {

namespace {
const QString kCaption = QStringLiteral("Pennatran");
}

void TMessageBoxes::Information(const QString& text) {
  QMessageBox::information(Parent, kCaption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool TMessageBoxes::Question(const QString& text) {
  return QMessageBox::question(Parent, kCaption, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

TAnswer TMessageBoxes::QuestionWithCancel(const QString& text) {
  switch (QMessageBox::question(Parent, kCaption, text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
}

}  // namespace pennatran
