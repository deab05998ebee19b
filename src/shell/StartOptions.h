// The desktop program's command line: what a start asks for, whether it runs itself or hands it over.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace shell {

struct StartOptions {
  std::string folder;             // --folder DIR, absolute and ending in '/'; empty when not given
  std::vector<std::string> open;  // --open PATH..., absolute: tracks or a race folder to show
  bool resetSettings = false;     // --reset-settings: forget the remembered choices
};

// arguments as QCoreApplication::arguments() gives them (the program name first); relative paths are taken
// from workingFolder, the folder the start was made in. Unknown options are ignored, as Qt's own are.
StartOptions ParseStartOptions(const QStringList& arguments, const QString& workingFolder);

}  // namespace shell
