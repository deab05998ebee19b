// The soak run: the desktop program's main window on a program folder with Auto Next on and the replay at
// 600X, for a given number of minutes. Once a minute it prints the resident memory and the races shown so
// far, so a leak shows as growth after the first pass through the catalogue.
#include <QApplication>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/MainWindow.h"
#include "shell/Pictures.h"
#include "shell/QtPlatform.h"

namespace {

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: regatix-soak PROGRAM_FOLDER MINUTES\n");
    return 2;
  }
  QApplication application(argc, argv);
  shell::InitShellResources();
  std::string folder = argv[1];
  if (!folder.ends_with('/')) folder += '/';
  const int minutes = std::stoi(argv[2]);

  shell::QtPlatform platform;
  shell::TForm1 window(platform, folder);
  platform.SetDialogParent(&window);
  window.FormCreate();
  if (window.EndRequested()) return 1;
  window.show();
  window.State().catalogue.autoNext = 1;
  window.controls->ScrollBar1->setValue(window.controls->ScrollBar1->maximum());  // 600X

  int loads = 1, elapsed = 0;
  std::string shown = window.Store().raceFilePath;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (window.Store().raceFilePath != shown) {
      shown = window.Store().raceFilePath;
      ++loads;
    }
  });
  watch.start(200);
  QTimer minute;
  QObject::connect(&minute, &QTimer::timeout, [&] {
    ++elapsed;
    std::printf("minute %d: resident %ld KiB, races shown %d, now %s\n", elapsed, ResidentKiB(), loads,
                shown.substr(shown.rfind('/') + 1).c_str());
    std::fflush(stdout);
    if (elapsed >= minutes) application.quit();
  });
  minute.start(60 * 1000);
  std::printf("minute 0: resident %ld KiB\n", ResidentKiB());
  return application.exec();
}
