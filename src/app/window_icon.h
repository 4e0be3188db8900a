// The window's icon, the one the package installs into the icon theme, built into the
// program so that a window run from the build folder shows it as well.
#pragma once

#include <QIcon>

namespace pennatran {

QIcon WindowIcon();

}  // namespace pennatran
