// The control a half's preview is shown in. Its picture is drawn at the screen's device
// pixel ratio, so that it stays sharp on a 150 % or 200 % display; when the control's size
// or that ratio changes, it asks for a new picture.
#pragma once

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <functional>

namespace pennatran {

class TPreviewImage : public QLabel {
  Q_OBJECT
 public:
  // ratio gives the device pixels per logical pixel to draw with; empty means the
  // screen's, as the control reports it.
  TPreviewImage(const QString& name, std::function<qreal(const QWidget&)> ratio, QWidget* parent);

  qreal PixelRatio() const;
  // The control's size in device pixels.
  QSize DevicePixelSize() const;
  // Has draw paint a white picture of DevicePixelSize() and shows it; a control squeezed
  // to nothing by its splitter shows nothing.
  void ShowDrawing(const std::function<void(QImage& picture)>& draw);

 signals:
  // The picture no longer fits: the control was resized or moved to a screen with
  // another ratio. Changes in quick succession ask once, when they have stopped.
  void PictureStale();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<qreal(const QWidget&)> Ratio;
  QTimer StaleTimer;
};

}  // namespace pennatran
