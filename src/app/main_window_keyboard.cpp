// The window's keyboard: the standard shortcuts and the order Tab walks the controls in.
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "app/main_window.h"
#include "app/panel_button.h"

namespace pennatran {

void MainWindow::BuildKeyboard() {
  auto* open = new QShortcut(QKeySequence::Open, this);
  connect(open, &QShortcut::activated, this, &MainWindow::OpenFocusedHalf);
  auto* save = new QShortcut(QKeySequence::Save, this);
  connect(save, &QShortcut::activated, this, &MainWindow::OnSave);

  // Each source list takes its header's All and ⇒ while it has the focus.
  const struct {
    QListWidget* List;
    void (MainWindow::*SelectAll)();
    void (MainWindow::*Copy)();
  } sourceLists[] = {
      {Source.ColorList, &MainWindow::OnSelectAllColors, &MainWindow::OnCopyColors},
      {Source.LineTypeList, &MainWindow::OnSelectAllLineTypes, &MainWindow::OnCopyLineTypes},
  };
  for (const auto& source : sourceLists) {
    auto* selectAll =
        new QShortcut(QKeySequence::SelectAll, source.List, nullptr, nullptr, Qt::WidgetShortcut);
    connect(selectAll, &QShortcut::activated, this, source.SelectAll);
    auto* copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), source.List, nullptr,
                               nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, source.Copy);
  }

  // Reading order: each half from its path down, then the button bar.
  const QList<QWidget*> order = {Source.BrowseButton,
                                 SelectAllColorsButton,
                                 CopyColorsButton,
                                 Source.ColorList,
                                 SelectAllLineTypesButton,
                                 CopyLineTypesButton,
                                 Source.LineTypeList,
                                 Destination.BrowseButton,
                                 Destination.ColorList,
                                 Destination.LineTypeList,
                                 SaveButton,
                                 ExitButton};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order.at(i - 1), order.at(i));
}

void MainWindow::OpenFocusedHalf() {
  const QWidget* focused = focusWidget();
  if (focused != nullptr && Destination.Half->isAncestorOf(focused)) {
    BrowseAndOpen(Destination);
  } else {
    BrowseAndOpen(Source);
  }
}

}  // namespace pennatran
