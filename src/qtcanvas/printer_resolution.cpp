#include "qtcanvas/printer_resolution.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace pennatran {

std::optional<int32_t> DefaultPrinterResolution() {
  // The print support plugin needs a GUI application; without one there is nothing to ask.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return std::nullopt;
  }
  try {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return std::nullopt;
    const int dpi = printer.resolution();
    if (dpi <= 0) return std::nullopt;
    return dpi;
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace pennatran
