// The window's keyboard: the standard shortcuts and the order Tab walks the controls in.
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "app/form1.h"
#include "app/panel_button.h"

namespace pennatran {

void TForm1::BuildKeyboard() {
  auto* open = new QShortcut(QKeySequence::Open, this);
  connect(open, &QShortcut::activated, this, &TForm1::OpenFocusedHalf);
  auto* save = new QShortcut(QKeySequence::Save, this);
  connect(save, &QShortcut::activated, this, &TForm1::OnSave);

  // Each source list takes its header's All and ⇒ while it has the focus.
  const struct {
    QListWidget* List;
    void (TForm1::*SelectAll)();
    void (TForm1::*Copy)();
  } sourceLists[] = {
      {Source.ColorList, &TForm1::OnSelectAllColors, &TForm1::OnCopyColors},
      {Source.LineTypeList, &TForm1::OnSelectAllLineTypes, &TForm1::OnCopyLineTypes},
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

void TForm1::OpenFocusedHalf() {
  const QWidget* focused = focusWidget();
  if (focused != nullptr && Destination.Half->isAncestorOf(focused)) {
    BrowseAndOpen(Destination);
  } else {
    BrowseAndOpen(Source);
  }
}

}  // namespace pennatran
