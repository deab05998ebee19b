// Reading the desktop program's command line.
#include "shell/StartOptions.h"

#include <QDir>

namespace shell {

namespace {

std::string AbsoluteIn(const QString& workingFolder, const QString& path) {
  return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path)).toStdString();
}

}  // namespace

StartOptions ParseStartOptions(const QStringList& arguments, const QString& workingFolder) {
  StartOptions options;
  for (qsizetype k = 1; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    if (argument == QLatin1String("--reset-settings")) {
      options.resetSettings = true;
    } else if (argument == QLatin1String("--folder") && k + 1 < arguments.size()) {
      options.folder = AbsoluteIn(workingFolder, arguments[++k]);
      if (options.folder.back() != '/') options.folder += '/';
    } else if (argument == QLatin1String("--open")) {
      // Every following argument that is not an option is a path to open.
      while (k + 1 < arguments.size() && !arguments[k + 1].startsWith(QLatin1String("--")))
        options.open.push_back(AbsoluteIn(workingFolder, arguments[++k]));
    }
  }
  return options;
}

}  // namespace shell
