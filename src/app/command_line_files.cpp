#include "app/command_line_files.h"

#include <QFileInfo>

#include "app/form1.h"

namespace pennatran {

void OpenCommandLineFiles(TForm1& form, const QStringList& files) {
  auto absolute = [](const QString& file) { return QFileInfo(file).absoluteFilePath(); };
  if (files.size() == 1) {
    form.OpenDestination(absolute(files.at(0)));
  } else if (files.size() == 2) {
    form.OpenSource(absolute(files.at(0)));
    form.OpenDestination(absolute(files.at(1)));
  }
}

}  // namespace pennatran
