#include "app/preview_image.h"

#include <QPixmap>
#include <QResizeEvent>
#include <cmath>

namespace pennatran {

namespace {
// A splitter dragged across a large drawing asks for one picture when it rests, not one for
// every step of the drag.
constexpr int kRestMilliseconds = 100;
}  // namespace

TPreviewImage::TPreviewImage(const QString& name, std::function<qreal(const QWidget&)> ratio,
                             QWidget* parent)
    : QLabel(parent), Ratio(std::move(ratio)) {
  setObjectName(name);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The splitter alone decides the control's size, never the picture it shows.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  setMinimumSize(0, 0);
  StaleTimer.setSingleShot(true);
  StaleTimer.setInterval(kRestMilliseconds);
  connect(&StaleTimer, &QTimer::timeout, this, &TPreviewImage::PictureStale);
}

qreal TPreviewImage::PixelRatio() const {
  return Ratio ? Ratio(*this) : devicePixelRatioF();
}

QSize TPreviewImage::DevicePixelSize() const {
  const qreal ratio = PixelRatio();
  return {static_cast<int>(std::lround(width() * ratio)),
          static_cast<int>(std::lround(height() * ratio))};
}

void TPreviewImage::ShowDrawing(const std::function<void(QImage& picture)>& draw) {
  const qreal ratio = PixelRatio();
  const QSize size = DevicePixelSize();
  if (size.isEmpty()) {
    clear();
    return;
  }
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  draw(picture);
  // Set once drawn: the drawing is fitted to the device pixels themselves.
  picture.setDevicePixelRatio(ratio);
  setPixmap(QPixmap::fromImage(picture));
}

void TPreviewImage::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (!pixmap().isNull()) StaleTimer.start();
}

// A move to a screen with another ratio repaints the window; the picture is then found to
// be drawn for the old ratio.
void TPreviewImage::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!pixmap().isNull() && pixmap().devicePixelRatio() != PixelRatio()) StaleTimer.start();
}

}  // namespace pennatran
