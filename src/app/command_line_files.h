// The drawings named on the window's command line, as a file manager passes them.
#pragma once

#include <QStringList>

namespace pennatran {

class TForm1;

// One file opens as the destination (the file opened from a file manager is the one to
// receive a palette); two open as the source and the destination. Other counts open
// nothing. Relative paths are taken from the current folder.
void OpenCommandLineFiles(TForm1& form, const QStringList& files);

}  // namespace pennatran
