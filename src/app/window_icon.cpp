#include "app/window_icon.h"

namespace pennatran {

QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/%1/pennatran.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace pennatran
