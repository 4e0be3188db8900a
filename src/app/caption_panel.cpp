#include "app/caption_panel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace pennatran {

TCaptionPanel::TCaptionPanel(const QString& name, const QString& caption, int height,
                             QWidget* parent)
    : QFrame(parent), CaptionLabel(new QLabel(caption, this)), Row(new QHBoxLayout(this)) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setFixedHeight(height);
  Row->setContentsMargins(1, 1, 1, 1);
  Row->setSpacing(0);
  CaptionLabel->setObjectName(name + QStringLiteral("Caption"));
  CaptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  CaptionLabel->setIndent(2);
  // A long path must not widen the half: the caption is clipped instead.
  CaptionLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  CaptionLabel->setMinimumWidth(0);
  Row->addWidget(CaptionLabel, 1);
}

QString TCaptionPanel::Caption() const {
  return CaptionLabel->text();
}

void TCaptionPanel::SetCaption(const QString& caption) {
  CaptionLabel->setText(caption);
}

void TCaptionPanel::AddRight(QWidget* widget, int width) {
  widget->setFixedWidth(width);
  Row->insertWidget(1, widget);
}

}  // namespace pennatran
