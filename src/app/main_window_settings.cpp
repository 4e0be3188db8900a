// The window's size, splitter positions and paths, to and from the settings file.
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
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens())
    screens.push_back(screen->availableGeometry());
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QRect saved(settings.Left, settings.Top, settings.Width, settings.Height);
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  setGeometry(primary == nullptr
                  ? saved
                  : VisiblePlacement(saved, frame, screens, primary->availableGeometry()));
  Source.PathPanel->SetCaption(settings.SourcePath);
  Destination.PathPanel->SetCaption(settings.DestinationPath);
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
  settings.SourcePath = Source.PathPanel->Caption();
  settings.DestinationPath = Destination.PathPanel->Caption();
  return settings;
}

}  // namespace pennatran
