// The "≠" before a destination line whose slot differs from the same source slot. The mark
// is drawn by the list's delegate; the line's own text stays the list line.
#pragma once

#include <QStyledItemDelegate>
#include <vector>

class QListWidget;

namespace pennatran {

// The item data role that holds whether a line is marked.
constexpr int kDiffersRole = Qt::UserRole + 1;

class TDifferenceMarkDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  // The text shown for the line: "≠ " before it when it is marked.
  static QString ShownText(const QModelIndex& index);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Marks line i of list when differs[i]; an empty vector clears every mark.
void MarkDifferingLines(QListWidget* list, const std::vector<bool>& differs);

}  // namespace pennatran
