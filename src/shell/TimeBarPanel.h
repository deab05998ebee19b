// TimeBarPanel ("pnlTimeBar"): the race's time line as a bar ("TimeBar") on its day and night background
// ("BackTimeBar") with the red "TimePointer" at the replay time. Hovering previews a moment, a click on
// the bar jumps there, a click under it goes back to the start.
#pragma once

#include <QWidget>

#include "shell/CanvasImage.h"
#include "shell/RaceSession.h"

namespace shell {

class TimeBarPanel : public QWidget {
  Q_OBJECT

 public:
  TimeBarPanel(RaceSession& session, QWidget* parent);

  CanvasImage *BackTimeBar, *TimeBar;
  QWidget* TimePointer;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void DrawBar();
  void PlacePointer();

  RaceSession& session_;
};

}  // namespace shell
