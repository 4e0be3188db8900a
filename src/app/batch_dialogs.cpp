#include "app/batch_dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QVBoxLayout>
#include <algorithm>

namespace pennatran {

TQtBatchDialogs::TQtBatchDialogs(QWidget* parent) : Parent(parent) {}

TQtBatchDialogs::~TQtBatchDialogs() = default;

bool TQtBatchDialogs::Progress(int done, int total, const QString& next) {
  if (!ProgressDialog) {
    ProgressDialog = std::make_unique<QProgressDialog>(Parent);
    ProgressDialog->setWindowTitle(QStringLiteral("Pennatran"));
    ProgressDialog->setWindowModality(Qt::WindowModal);
    ProgressDialog->setCancelButtonText(QCoreApplication::translate("TBatchDialogs", "中止"));
    ProgressDialog->setAutoReset(false);
    ProgressDialog->setAutoClose(false);
    // Shown at once: while it is up the window takes no clicks or drops that would start
    // something else in the middle of the run.
    ProgressDialog->show();
  }
  ProgressDialog->setMaximum(total);
  ProgressDialog->setLabelText(
      QCoreApplication::translate("TBatchDialogs", "図面ファイルに適用しています（%1 / %2）\n%3")
          .arg(std::min(done + 1, total))
          .arg(total)
          .arg(next));
  ProgressDialog->setValue(done);
  return !ProgressDialog->wasCanceled();
}

void TQtBatchDialogs::Results(const QString& summary, const QStringList& lines) {
  ProgressDialog.reset();
  QDialog dialog(Parent);
  dialog.setWindowTitle(QStringLiteral("Pennatran"));
  dialog.setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QLabel(summary, &dialog);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* list = new QListWidget(&dialog);
  list->addItems(lines);
  layout->addWidget(list, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.resize(560, 320);
  dialog.exec();
}

}  // namespace pennatran
