#include "app/difference_mark.h"

#include <QListWidget>

namespace pennatran {

QString TDifferenceMarkDelegate::ShownText(const QModelIndex& index) {
  const QString text = index.data(Qt::DisplayRole).toString();
  return index.data(kDiffersRole).toBool() ? QStringLiteral("≠ ") + text : text;
}

void TDifferenceMarkDelegate::initStyleOption(QStyleOptionViewItem* option,
                                              const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->text = ShownText(index);
}

void MarkDifferingLines(QListWidget* list, const std::vector<bool>& differs) {
  for (int i = 0; i < list->count(); ++i) {
    const bool marked = static_cast<size_t>(i) < differs.size() && differs[static_cast<size_t>(i)];
    list->item(i)->setData(kDiffersRole, marked);
  }
}

}  // namespace pennatran
