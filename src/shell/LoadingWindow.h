// TForm2, the loading window: the splash picture on an olive screen with the race caption, the file being
// read and a progress strip, shown while the first race loads.
#pragma once

#include <QLabel>
#include <QWidget>

#include "shell/CanvasImage.h"

namespace shell {

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  // Sized to the given screen area and laid out for it; not shown yet.
  TForm2(const QRect& screen, const QImage& splash);

  // One step of the track progress: caption line, file line and the blue strip i / count.
  void ShowProgress(const QString& raceCaption, const QString& boatFile, int i, int boatCount);
  // The main window came up: the loading window releases itself.
  void FormDeactivate();

  CanvasImage* Image1 = nullptr;
  QLabel* memo2 = nullptr;
  QLabel* memo1 = nullptr;
  CanvasImage* Image2 = nullptr;
};

}  // namespace shell
