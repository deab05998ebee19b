// The desktop program: the loading window first, the single-instance rule, then the main window, whose
// start-up loads the first race.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <cstdlib>
#include <string>

#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/Pictures.h"
#include "shell/QtPlatform.h"
#include "shell/SingleInstance.h"

namespace {

// --folder DIR, else REGATIX_HOME, else the folder of the program file.
QString ProgramFolder(const QStringList& arguments) {
  const qsizetype option = arguments.indexOf(QStringLiteral("--folder"));
  if (option >= 0 && option + 1 < arguments.size()) return QDir(arguments[option + 1]).absolutePath();
  const QString home = qEnvironmentVariable("REGATIX_HOME");
  if (!home.isEmpty()) return QDir(home).absolutePath();
  return QCoreApplication::applicationDirPath();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Regatix"));
  shell::InitShellResources();

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  auto* loadingWindow = new shell::TForm2(screen, shell::Picture(QStringLiteral("splash")));
  loadingWindow->show();
  QCoreApplication::processEvents();

  shell::SingleInstance instance;
  if (!instance.Acquire()) {
    instance.AskRunningToRaise();
    delete loadingWindow;
    return 0;
  }

  shell::QtPlatform platform;
  QString folder = QDir::fromNativeSeparators(ProgramFolder(application.arguments()));
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  shell::TForm1 mainWindow(platform, folder.toStdString(), loadingWindow);
  platform.SetDialogParent(&mainWindow);
  QObject::connect(&instance, &shell::SingleInstance::raiseRequested, &mainWindow,
                   &shell::TForm1::BringToFront);

  mainWindow.FormCreate();
  if (mainWindow.EndRequested()) {
    if (loadingWindow) loadingWindow->close();
    return 0;
  }
  mainWindow.show();
  return application.exec();
}
