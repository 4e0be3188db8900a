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

}  // namespace

std::vector<int32_t> SelectedListLines(const QListWidget* list) {
  std::vector<int32_t> lines;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) lines.push_back(list->item(i)->data(kListLineRole).toInt());
  }
  return lines;
}

void MainWindow::FillColorList(const TWindowSide& side) {
  QListWidget* list = side.ColorList;
  const THalfSession& half = *side.Session;
  // Refilling is not a click: the hint and the labels keep their last values.
  const QSignalBlocker blocker(list);
  list->clear();
  const std::vector<int32_t>& lines = half.Listed(TListKind::Colors);
  const std::vector<std::string> texts = half.ListTexts(TListKind::Colors);
  for (size_t i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(texts[i]));
    // The line under the pointer, read in full however narrow the list.
    item->setToolTip(item->text());
    item->setData(kListLineRole, lines[i]);
    item->setIcon(Swatch(half.ColorEntry(lines[i]).ScreenColor, list->iconSize()));
    list->addItem(item);
  }
}

void MainWindow::FillLineTypeList(const TWindowSide& side) {
  QListWidget* list = side.LineTypeList;
  const THalfSession& half = *side.Session;
  const QSignalBlocker blocker(list);
  list->clear();
  const QColor ink = list->palette().color(QPalette::Text);
  const std::vector<int32_t>& lines = half.Listed(TListKind::LineTypes);
  const std::vector<std::string> texts = half.ListTexts(TListKind::LineTypes);
  for (size_t i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(texts[i]));
    item->setToolTip(item->text());
    item->setData(kListLineRole, lines[i]);
    item->setIcon(LineTypeSwatch(half.LineTypeEntry(lines[i]), list->iconSize(), ink));
    list->addItem(item);
  }
}

void MainWindow::ShowFirstCopiedLine(QListWidget* list, const std::vector<int32_t>& lines) {
  if (lines.empty() || lines.front() >= list->count()) return;
  list->scrollToItem(list->item(lines.front()), QAbstractItemView::PositionAtTop);
}

void MainWindow::UpdateDifferenceMarks() {
  if (!Source.Session || !Destination.Session) return;
  const THalfSession& source = *Source.Session;
  const THalfSession& destination = *Destination.Session;
  MarkDifferingLines(Destination.ColorList, destination.DifferingFrom(source, TListKind::Colors));
  MarkDifferingLines(Destination.LineTypeList,
                     destination.DifferingFrom(source, TListKind::LineTypes));
}

void MainWindow::OnColorListClick(const TWindowSide& side) {
  QListWidget* list = side.ColorList;
  if (!IsOpen(side) || list->count() == 0 || list->currentRow() == -1) return;
  const QListWidgetItem* item = list->item(list->currentRow());
  list->setToolTip(item->text());
  const TEntJwwColorExNo entry = side.Session->ColorEntry(item->data(kListLineRole).toInt());
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
