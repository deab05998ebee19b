// ChartWidget: the chart area of the main window. It paints the session's picture (the replay frame, the
// still chart or the Graph page), carries the chart's overlays (compass, wind graph, score panel, start
// flag, hint box, range read-out) and owns the chart's own mouse, wheel and keys:
//   Space play/pause, Left/Right one second (with Shift ten), Home back to the start, +/- and the wheel
//   zoom about the pointer, PageUp/PageDown speed, Shift held for range and bearing.
#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "pages/BoatHighlight.h"
#include "shell/CanvasImage.h"
#include "shell/RaceSession.h"
#include "shell/ScorePanel.h"
#include "shell/Shape.h"

class QPainter;

namespace shell {

// The red rubber band of the range measurement, drawn over the chart without touching the picture.
class RubberBand : public QWidget {
 public:
  explicit RubberBand(QWidget* parent);
  void SetLine(QPoint from, QPoint to);
  void ClearLine();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<std::pair<QPoint, QPoint>> line_;
};

class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  ChartWidget(RaceSession& session, QWidget* parent);

  // Overlays by their form names.
  QWidget *Panel1, *PnlWindGr, *pnlBAR, *pnlFLAG;
  ScorePanel* pnlScore;
  CanvasImage *compasss, *compasst, *Image10, *blue_p;
  QLabel *Memo3, *Memo6, *hintbox;
  QLabel* lblWindAt;  // the wind graph's reading under the pointer: time, knots, degrees
  Shape* windmk;

  void ShowTip(const Tip& tip);
  void HideTip();
  // The boat list's hover: the boat picked out on a copy of the page, so nothing piles up on the page.
  void HighlightBoat(int boat);
  void ClearHighlight();
  bool HighlightShown() const;
  const QtCanvas* HighlightPicture() const { return windowPicture_.get(); }

 signals:
  // The pointer moved over the chart: the side panels a long boat list hid come back.
  void pointerOverChart();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void CreateOverlays();
  void RaceLoaded();
  void FrameReady();
  void ShowFlags();
  void DrawCompassRose();
  void PointerReleased();
  void ShowWindReading(QPoint at);
  void PaintEditHandles(QPainter& painter) const;
  // A handle the left button drags or the pointer rests on while a race is edited; false otherwise.
  bool EditPointer(QMouseEvent* event);
  playback::ChartSituation Situation() const;

  RaceSession& session_;
  RubberBand* rubberBand_;
  std::unique_ptr<QtCanvas> windowPicture_;
  int windowPicturePage_ = 0;
  int draggedHandle_ = -1;  // the edit handle the left button holds, -1 for none  // the page windowPicture
                            // was drawn for; 0 while the plain page shows
};

}  // namespace shell
