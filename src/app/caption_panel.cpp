#include "app/caption_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <algorithm>

namespace pennatran {

namespace {

// Shows its text elided in the middle when it is wider than the label (a path keeps its
// drive and its file name); the whole text is then the tooltip.
class TElidedLabel : public QLabel {
 public:
  TElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) { SetFullText(text); }

  QString FullText() const { return Full; }
  void SetFullText(const QString& text) {
    Full = text;
    Elide();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }

 private:
  void Elide() {
    const int room = contentsRect().width() - indent() - margin();
    const QString shown = fontMetrics().elidedText(Full, Qt::ElideMiddle, std::max(room, 0));
    setText(shown);
    setToolTip(shown == Full ? QString() : Full);
  }

  QString Full;
};

}  // namespace

TCaptionPanel::TCaptionPanel(const QString& name, const QString& caption, int height,
                             QWidget* parent)
    : QFrame(parent), CaptionLabel(new TElidedLabel(caption, this)), Row(new QHBoxLayout(this)) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setFixedHeight(height);
  Row->setContentsMargins(1, 1, 1, 1);
  Row->setSpacing(0);
  CaptionLabel->setObjectName(name + QStringLiteral("Caption"));
  CaptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  CaptionLabel->setIndent(2);
  // A long path must not widen the half: the caption is elided instead.
  CaptionLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  CaptionLabel->setMinimumWidth(0);
  Row->addWidget(CaptionLabel, 1);
}

QString TCaptionPanel::Caption() const {
  return static_cast<const TElidedLabel*>(CaptionLabel)->FullText();
}

void TCaptionPanel::SetCaption(const QString& caption) {
  static_cast<TElidedLabel*>(CaptionLabel)->SetFullText(caption);
}

void TCaptionPanel::AddRight(QWidget* widget, int width) {
  widget->setFixedWidth(width);
  Row->insertWidget(1, widget);
}

}  // namespace pennatran
