// The one GUI application the canvas tests need for fonts and print support.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>

namespace pennatran::testing {

// Makes the application unless another test of this process already did; offscreen unless
// the environment names a platform.
inline void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_qtcanvas";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

}  // namespace pennatran::testing
