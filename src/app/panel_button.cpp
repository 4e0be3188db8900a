#include "app/panel_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace pennatran {

TPanelButton::TPanelButton(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
  setObjectName(name);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setCursor(Qt::PointingHandCursor);
  // Reached with Tab only: a click on a panel leaves the focus where the user had it.
  setFocusPolicy(Qt::TabFocus);
}

void TPanelButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) setFrameShadow(QFrame::Sunken);
  QLabel::mousePressEvent(event);
}

void TPanelButton::mouseReleaseEvent(QMouseEvent* event) {
  setFrameShadow(QFrame::Raised);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

void TPanelButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit clicked();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

// The panel keeps its look; focus adds the style's dotted rectangle inside the frame.
void TPanelButton::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = contentsRect().adjusted(1, 1, -1, -1);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace pennatran
