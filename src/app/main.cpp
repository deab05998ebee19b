// The desktop program: the single-instance rule, the loading window, then the main window, whose start-up
// loads the first race.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <string>

#include "race/ProgramFolder.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/Pictures.h"
#include "shell/QtPlatform.h"
#include "shell/SingleInstance.h"
#include "shell/StartOptions.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Regatix"));
  const shell::StartOptions options = shell::ParseStartOptions(application.arguments(), QDir::currentPath());

  // A later start hands its command line to the window already running; it runs itself only when that
  // window does not answer, so a start is never lost in silence.
  shell::SingleInstance instance;
  if (!instance.Acquire() && instance.HandOver(application.arguments())) return 0;

  shell::InitShellResources();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  auto* loadingWindow = new shell::TForm2(screen, shell::Picture(QStringLiteral("splash")));
  loadingWindow->show();
  QCoreApplication::processEvents();

  // ~/.config/regatix/regatix.conf: language, last race, window, speed, zoom and view options.
  QSettings settings(QStringLiteral("regatix"), QStringLiteral("regatix"));
  if (options.resetSettings) settings.clear();

  shell::QtPlatform platform;
  const std::string folder =
      race::FindProgramFolder(options.folder, QCoreApplication::applicationDirPath().toStdString());
  shell::TForm1 mainWindow(platform, folder, loadingWindow);
  platform.SetDialogParent(&mainWindow);
  mainWindow.UseSettings(&settings);
  QObject::connect(&instance, &shell::SingleInstance::commandLineReceived, &mainWindow,
                   [&mainWindow](const QString& workingFolder, const QStringList& arguments) {
                     mainWindow.TakeCommandLine(shell::ParseStartOptions(arguments, workingFolder));
                   });

  mainWindow.FormCreate(options.open);
  if (mainWindow.EndRequested()) {
    if (loadingWindow) loadingWindow->close();
    return 0;
  }
  mainWindow.show();
  return application.exec();
}
