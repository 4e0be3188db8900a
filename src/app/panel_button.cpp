#include "app/panel_button.h"

#include <QMouseEvent>

namespace pennatran {

TPanelButton::TPanelButton(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
  setObjectName(name);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setCursor(Qt::PointingHandCursor);
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

}  // namespace pennatran
