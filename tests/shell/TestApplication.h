// The one QApplication the shell tests share (offscreen platform), with the program's resources loaded.
#pragma once

#include <QApplication>

#include "shell/Pictures.h"

namespace shelltest {

inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "shell_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    auto* app = new QApplication(argc, argv);
    shell::InitShellResources();
    return app;
  }();
  return *application;
}

}  // namespace shelltest
