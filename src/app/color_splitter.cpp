#include "app/color_splitter.h"

#include <QPainter>
#include <QResizeEvent>
#include <QSplitterHandle>
#include <algorithm>

namespace pennatran {

namespace {

class TColorHandle : public QSplitterHandle {
 public:
  TColorHandle(Qt::Orientation orientation, QSplitter* parent, const QColor& color)
      : QSplitterHandle(orientation, parent), Color(color) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Color);
  }

 private:
  QColor Color;
};

}  // namespace

TColorSplitter::TColorSplitter(const QString& name, Qt::Orientation orientation, int thickness,
                               const QColor& color, QWidget* parent)
    : QSplitter(orientation, parent), HandleColor(color) {
  setObjectName(name);
  setHandleWidth(thickness);
  setOpaqueResize(true);
}

void TColorSplitter::ShareChanges(int first, int second) {
  FirstShare = first;
  SecondShare = second;
}

void TColorSplitter::resizeEvent(QResizeEvent* event) {
  const QList<int> before = sizes();
  QSplitter::resizeEvent(event);
  const bool horizontal = orientation() == Qt::Horizontal;
  const int oldLength = horizontal ? event->oldSize().width() : event->oldSize().height();
  const int newLength = horizontal ? event->size().width() : event->size().height();
  if (FirstShare + SecondShare <= 0 || before.size() != 2 || oldLength <= 0) return;
  const int available = newLength - handleWidth();
  const int change = newLength - oldLength;
  const int first = std::clamp(before[0] + change * FirstShare / (FirstShare + SecondShare), 0,
                               std::max(available, 0));
  setSizes({first, std::max(available - first, 0)});
}

QSplitterHandle* TColorSplitter::createHandle() {
  return new TColorHandle(orientation(), this, HandleColor);
}

}  // namespace pennatran
