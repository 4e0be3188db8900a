// The window's size, splitter positions and paths, to and from the settings file.
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWindow>
#include <algorithm>

#include "app/caption_panel.h"
#include "app/main_window.h"
#include "app/window_placement.h"

namespace pennatran {

// The settings hold the client area: the one rectangle a window both reports and takes
// the same way whether or not its frame is known yet.
void MainWindow::ApplySettings(const TWindowSettings& settings) {
  const QRect saved(settings.Left, settings.Top, settings.Width, settings.Height);
  setGeometry(saved);
  PlaceOnScreens();
  FramePending = true;
  Source.LastPath = settings.SourcePath;
  Destination.LastPath = settings.DestinationPath;
  // Each splitter gives the remainder of its current length to the second part; when the
  // window takes its new size, that part alone grows or shrinks.
  const auto place = [](QSplitter* splitter, int first) {
    const bool horizontal = splitter->orientation() == Qt::Horizontal;
    const int length =
        (horizontal ? splitter->width() : splitter->height()) - splitter->handleWidth();
    const int size = std::max(first, 0);
    splitter->setSizes({size, std::max(length - size, 0)});
  };
  place(HalvesSplitter, settings.SourceHalfWidth);
  place(Source.PreviewSplitter, settings.SourcePreviewHeight);
  place(Destination.PreviewSplitter, settings.DestinationPreviewHeight);
  place(Source.ListsSplitter, settings.SourceColorListHeight);
  place(Destination.ListsSplitter, settings.DestinationColorListHeight);
}

TWindowSettings MainWindow::CurrentSettings() const {
  TWindowSettings settings;
  settings.Left = geometry().x();
  settings.Top = geometry().y();
  settings.Width = width();
  settings.Height = height();
  settings.SourceHalfWidth = HalvesSplitter->sizes().value(0);
  settings.SourcePreviewHeight = Source.PreviewSplitter->sizes().value(0);
  settings.DestinationPreviewHeight = Destination.PreviewSplitter->sizes().value(0);
  settings.SourceColorListHeight = Source.ListsSplitter->sizes().value(0);
  settings.DestinationColorListHeight = Destination.ListsSplitter->sizes().value(0);
  settings.SourcePath = RememberedPath(Source);
  settings.DestinationPath = RememberedPath(Destination);
  return settings;
}

void MainWindow::PlaceOnScreens() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) return;
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens())
    screens.push_back(screen->availableGeometry());
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  const QRect placed = VisiblePlacement(geometry(), frame, screens, primary->availableGeometry());
  if (placed != geometry()) setGeometry(placed);
}

// The frame arrives with a move or resize once the window manager has framed the window;
// by the time the window is first activated, whatever frame it has is known.
bool MainWindow::event(QEvent* event) {
  const QEvent::Type type = event->type();
  if (FramePending &&
      (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)) {
    const bool framed = windowHandle() != nullptr && !windowHandle()->frameMargins().isNull();
    if (framed || type == QEvent::WindowActivate) {
      FramePending = false;
      if (framed) PlaceOnScreens();
    }
  }
  return QWidget::event(event);
}

}  // namespace pennatran
