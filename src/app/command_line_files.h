// The drawings named on the window's command line, as a file manager passes them.
#pragma once

#include <QStringList>

namespace pennatran {

class MainWindow;

// One file opens as the destination (the file opened from a file manager is the one to
// receive a palette); two open as the source and the destination. Other counts open
// nothing. Relative paths are taken from the current folder.
void OpenCommandLineFiles(MainWindow& form, const QStringList& files);

}  // namespace pennatran
