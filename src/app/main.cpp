// Program start: the application, its one window and the message loop.
#include <QApplication>
#include <QStringList>

#include "app/form1.h"
#include "app/screenshot_mode.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pennatran"));

  // Undocumented: the picture of the window for the README (tools/screenshot.sh).
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 5 && arguments.at(1) == QStringLiteral("--screenshot")) {
    return pennatran::RunScreenshot(arguments.at(2), arguments.at(3), arguments.at(4));
  }

  pennatran::TFormEnvironment environment;
  environment.Folders = pennatran::RunningAppFolders();
  pennatran::TForm1 form(std::move(environment));
  form.show();
  return QApplication::exec();
}
