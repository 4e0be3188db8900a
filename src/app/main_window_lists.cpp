// The four lists of user colours and line types and what a click on them shows.
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include "app/difference_mark.h"
#include "app/main_window.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/palette_diff.h"
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

template <typename Entry>
const Entry* EntryOfLine(const std::vector<Entry>& table, int line) {
  const size_t slot = static_cast<size_t>(line) + kFirstUserSlot;
  return slot < table.size() ? &table[slot] : nullptr;
}

}  // namespace

std::vector<int32_t> SelectedListLines(const QListWidget* list) {
  std::vector<int32_t> lines;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) lines.push_back(list->item(i)->data(kListLineRole).toInt());
  }
  return lines;
}

void MainWindow::FillColorList(const TPalette& palette, QListWidget* list) {
  // Refilling is not a click: the hint and the labels keep their last values.
  const QSignalBlocker blocker(list);
  list->clear();
  const TColorLineLabels labels = {Utf8ToSjis(tr("幅:").toStdString()),
                                   Utf8ToSjis(tr("点半径:").toStdString())};
  for (const int32_t line : palette.ColorLines) {
    const TEntJwwColorExNo& entry = *EntryOfLine(palette.Colors, line);
    auto* item = new QListWidgetItem(
        QString::fromStdString(SjisToUtf8(ColorListLine(entry, line + kFirstUserSlot, labels))));
    // The line under the pointer, read in full however narrow the list.
    item->setToolTip(item->text());
    item->setData(kListLineRole, line);
    item->setIcon(Swatch(entry.ScreenColor, list->iconSize()));
    list->addItem(item);
  }
}

void MainWindow::FillLineTypeList(const TPalette& palette, QListWidget* list) {
  const QSignalBlocker blocker(list);
  list->clear();
  const QColor ink = list->palette().color(QPalette::Text);
  for (const int32_t line : palette.LineTypeLines) {
    const TEntJwwLineTypeExNo& entry = *EntryOfLine(palette.LineTypes, line);
    auto* item = new QListWidgetItem(
        QString::fromStdString(SjisToUtf8(LineTypeListLine(entry, line + kFirstUserSlot))));
    item->setToolTip(item->text());
    item->setData(kListLineRole, line);
    item->setIcon(LineTypeSwatch(entry, list->iconSize(), ink));
    list->addItem(item);
  }
}

void MainWindow::ShowFirstCopiedLine(QListWidget* list, const std::vector<int32_t>& lines) {
  if (lines.empty() || lines.front() >= list->count()) return;
  list->scrollToItem(list->item(lines.front()), QAbstractItemView::PositionAtTop);
}

void MainWindow::UpdateDifferenceMarks() {
  if (!Source.Opened || !Destination.Opened) {
    MarkDifferingLines(Destination.ColorList, {});
    MarkDifferingLines(Destination.LineTypeList, {});
    return;
  }
  const TPalette source = SidePalette(Source);
  const TPalette destination = PaletteOfDrawing(*Destination.Drawing);
  MarkDifferingLines(Destination.ColorList, DifferingColorLines(source, destination));
  MarkDifferingLines(Destination.LineTypeList, DifferingLineTypeLines(source, destination));
}

void MainWindow::OnColorListClick(const TWindowSide& side) {
  QListWidget* list = side.ColorList;
  const TJwwData* doc = side.Drawing.get();
  if (!side.Opened || doc == nullptr || list->count() == 0 || list->currentRow() == -1) return;
  const QListWidgetItem* item = list->item(list->currentRow());
  list->setToolTip(item->text());
  const std::vector<TEntJwwColorExNo>& table =
      side.Palette ? side.Palette->Colors : doc->ColorExNos;
  const TEntJwwColorExNo* entry = EntryOfLine(table, item->data(kListLineRole).toInt());
  const TEntJwwColorExNo blank;
  if (entry == nullptr) entry = &blank;
  ScreenColorLabel->setText(tr("画面線色：") + Hex6(entry->ScreenColor));
  SetSwatchColor(ScreenColorSwatch, entry->ScreenColor);
  PrintColorLabel->setText(tr("印刷線色：") + Hex6(entry->PrintColor));
  SetSwatchColor(PrintColorSwatch, entry->PrintColor);
}

void MainWindow::OnLineTypeListClick(const TWindowSide& side) {
  QListWidget* list = side.LineTypeList;
  if (!side.Opened || list->count() == 0 || list->currentRow() == -1) return;
  list->setToolTip(list->item(list->currentRow())->text());
}

}  // namespace pennatran
