// The one application object of the benchmark executable: painting text, printing and windows
// all need it, and Qt allows only one per process whichever benchmark runs first.
#pragma once

#include <QApplication>

namespace kelvadrome {

inline QApplication& BenchApplication() {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "kelvadrome-bench";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

}  // namespace kelvadrome
