// The picture of the window in the README: both halves opened, grabbed to a PNG file.
#pragma once

#include <QString>

namespace pennatran {

// Shows the window with fresh settings and scratch folders, opens source and destination,
// selects a few lines, grabs the window into outputPng and closes it. Returns the exit code
// (0 when the picture was written). Needs a QApplication.
int RunScreenshot(const QString& outputPng, const QString& source, const QString& destination);

}  // namespace pennatran
