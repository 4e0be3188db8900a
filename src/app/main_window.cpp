// The window's construction: what the environment leaves empty gets the real thing, then
// the controls are built.
#include "app/main_window.h"

#include "app/escape_key.h"
#include "qtcanvas/printer_resolution.h"
#include "render/system_clock.h"

namespace pennatran {

MainWindow::MainWindow(TFormEnvironment environment, QWidget* parent)
    : QWidget(parent), Env(std::move(environment)) {
  if (!Env.Messages) Env.Messages = std::make_unique<TMessageBoxes>(this);
  if (!Env.Dialogs) Env.Dialogs = std::make_unique<TQtFileDialogs>(this);
  if (!Env.BatchDialogs) Env.BatchDialogs = std::make_unique<TQtBatchDialogs>(this);
  if (!Env.PrinterResolution) Env.PrinterResolution = DefaultPrinterResolution;
  if (!Env.EscapePressed) Env.EscapePressed = ThrottledEscapeKey();
  if (!Env.Clock) Env.Clock = SystemNow;
  BuildLayout();
}

MainWindow::~MainWindow() {
  if (Shown && !Closed) FormClose();
}

}  // namespace pennatran
