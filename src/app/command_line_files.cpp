#include "app/command_line_files.h"

#include <QFileInfo>

#include "app/main_window.h"

namespace pennatran {

void OpenCommandLineFiles(MainWindow& form, const QStringList& files) {
  auto absolute = [](const QString& file) { return QFileInfo(file).absoluteFilePath(); };
  if (files.size() == 1) {
    form.OpenDestination(absolute(files.at(0)));
  } else if (files.size() == 2) {
    form.OpenSource(absolute(files.at(0)));
    form.OpenDestination(absolute(files.at(1)));
  }
}

}  // namespace pennatran
