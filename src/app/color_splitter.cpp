#include "app/color_splitter.h"

#include <QPainter>
#include <QSplitterHandle>

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

QSplitterHandle* TColorSplitter::createHandle() {
  return new TColorHandle(orientation(), this, HandleColor);
}

}  // namespace pennatran
