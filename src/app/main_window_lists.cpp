// The four lists of user colours and line types and what a click on them shows.
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include "app/difference_mark.h"
#include "app/main_window.h"
#include "render/line_type_swatch.h"

namespace pennatran {

namespace {

QColor ToQColor(TColor color) {
  return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

// Upper-case hexadecimal, at least six digits.
QString Hex6(uint32_t value) {
  return QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
}

QIcon Swatch(TColor color, const QSize& size) {
  QPixmap pixmap(size);
  pixmap.fill(ToQColor(color));
  QPainter painter(&pixmap);
  painter.setPen(QColor(96, 96, 96));
  painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
  return QIcon(pixmap);
}

// The line type drawn across a white bar, dashes in the list's text colour.
QIcon LineTypeSwatch(const TEntJwwLineTypeExNo& lineType, const QSize& size, const QColor& ink) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  const int thickness = size.height() >= 6 ? 2 : 1;
  const int top = (size.height() - thickness) / 2;
  for (const TSwatchDash& dash : LineTypeSwatchDashes(lineType, size.width())) {
    painter.fillRect(dash.Start, top, dash.Length, thickness, ink);
  }
  return QIcon(pixmap);
}

void SetSwatchColor(QLabel* label, TColor color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  label->setPalette(palette);
}

// The words of the window's language before a colour line's widths and point radius.
TColorLineLabels ColorLineLabels() {
  return {Utf8ToSjis(MainWindow::tr("幅:").toStdString()),
          Utf8ToSjis(MainWindow::tr("点半径:").toStdString())};
}

}  // namespace

std::vector<TSlot> SelectedListSlots(const QListWidget* list) {
  std::vector<TSlot> chosen;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected())
      chosen.push_back(SlotOfListLine(list->item(i)->data(kListLineRole).toInt()));
  }
  return chosen;
}

void MainWindow::FillColorList(const TWindowSide& side) {
  QListWidget* list = side.ColorList;
  const THalfSession& half = *side.Session;
  // Refilling is not a click: the hint and the labels keep their last values.
  const QSignalBlocker blocker(list);
  list->clear();
  const std::vector<TSlot>& listed = half.Listed(TSlotKind::Color);
  const std::vector<std::string> texts = half.ListTexts(TSlotKind::Color, ColorLineLabels());
  for (size_t i = 0; i < listed.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(texts[i]));
    // The line under the pointer, read in full however narrow the list.
    item->setToolTip(item->text());
    item->setData(kListLineRole, ListLineOf(listed[i]));
    item->setIcon(Swatch(half.Entry<TSlotKind::Color>(listed[i]).ScreenColor, list->iconSize()));
    list->addItem(item);
  }
}

void MainWindow::FillLineTypeList(const TWindowSide& side) {
  QListWidget* list = side.LineTypeList;
  const THalfSession& half = *side.Session;
  const QSignalBlocker blocker(list);
  list->clear();
  const QColor ink = list->palette().color(QPalette::Text);
  const std::vector<TSlot>& listed = half.Listed(TSlotKind::LineType);
  const std::vector<std::string> texts = half.ListTexts(TSlotKind::LineType, ColorLineLabels());
  for (size_t i = 0; i < listed.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(texts[i]));
    item->setToolTip(item->text());
    item->setData(kListLineRole, ListLineOf(listed[i]));
    item->setIcon(
        LineTypeSwatch(half.Entry<TSlotKind::LineType>(listed[i]), list->iconSize(), ink));
    list->addItem(item);
  }
}

void MainWindow::ShowOpenedLists(const TWindowSide& side) {
  FillColorList(side);
  FillLineTypeList(side);
  side.ColorList->scrollToTop();
  side.LineTypeList->scrollToTop();
}

void MainWindow::ShowFirstCopiedLine(QListWidget* list, const std::vector<TSlot>& chosen) {
  if (chosen.empty() || ListLineOf(chosen.front()) >= list->count()) return;
  list->scrollToItem(list->item(ListLineOf(chosen.front())), QAbstractItemView::PositionAtTop);
}

void MainWindow::UpdateDifferenceMarks() {
  if (!Source.Session || !Destination.Session) return;
  const THalfSession& source = *Source.Session;
  const THalfSession& destination = *Destination.Session;
  for (const TSlotKind kind : kSlotKinds) {
    MarkDifferingLines(kind == TSlotKind::Color ? Destination.ColorList : Destination.LineTypeList,
                       MarkedListLines(kind, destination.DifferingFrom(source, kind)));
  }
}

void MainWindow::OnColorListClick(const TWindowSide& side) {
  QListWidget* list = side.ColorList;
  if (!IsOpen(side) || list->count() == 0 || list->currentRow() == -1) return;
  const QListWidgetItem* item = list->item(list->currentRow());
  list->setToolTip(item->text());
  const TEntJwwColorExNo entry =
      side.Session->Entry<TSlotKind::Color>(SlotOfListLine(item->data(kListLineRole).toInt()));
  ScreenColorLabel->setText(tr("画面線色：") + Hex6(entry.ScreenColor));
  SetSwatchColor(ScreenColorSwatch, entry.ScreenColor);
  PrintColorLabel->setText(tr("印刷線色：") + Hex6(entry.PrintColor));
  SetSwatchColor(PrintColorSwatch, entry.PrintColor);
}

void MainWindow::OnLineTypeListClick(const TWindowSide& side) {
  QListWidget* list = side.LineTypeList;
  if (!IsOpen(side) || list->count() == 0 || list->currentRow() == -1) return;
  list->setToolTip(list->item(list->currentRow())->text());
}

}  // namespace pennatran
