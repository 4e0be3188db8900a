// Program start: the application, its one window and the message loop.
#include <QApplication>
#include <QStringList>
#include <cstring>
#include <iostream>

#include "app/app_language.h"
#include "app/command_line_files.h"
#include "app/main_window.h"
#include "app/screenshot_mode.h"
#include "app/window_help.h"
#include "interrupt/interrupt_cleanup.h"

int main(int argc, char* argv[]) {
  // Answered before the application starts, so it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "pennatran " PENNATRAN_VERSION "\n";
    return 0;
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << pennatran::WindowHelpText(
        pennatran::LanguageOfLocale(pennatran::MessagesLocale()));
    return 0;
  }
  // Before Qt starts a thread: every thread leaves the signals to the cleanup.
  pennatran::InstallInterruptCleanup();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pennatran"));
  // Where the window system takes the icon from the desktop entry rather than the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("pennatran"));
  pennatran::InstallWindowLanguage(application,
                                   pennatran::LanguageOfLocale(pennatran::MessagesLocale()));

  // Undocumented: the picture of the window for the README (tools/screenshot.sh).
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 5 && arguments.at(1) == QStringLiteral("--screenshot")) {
    return pennatran::RunScreenshot(arguments.at(2), arguments.at(3), arguments.at(4));
  }

  pennatran::TFormEnvironment environment;
  environment.Folders = pennatran::RunningAppFolders();
  environment.ScratchWatch = pennatran::InterruptScratchWatch;
  pennatran::MainWindow form(std::move(environment));
  form.show();
  pennatran::OpenCommandLineFiles(form, arguments.mid(1));
  return QApplication::exec();
}
