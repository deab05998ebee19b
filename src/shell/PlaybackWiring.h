// The playback clock and the chart, time bar and boat list pointer logic wired to the main window: timer
// ticks, pad and bar controls, mouse and key events go to the toolkit-free playback routines, and what
// they return is shown on the window's controls.
#pragma once

#include <QObject>
#include <QWidget>
#include <optional>
#include <string>

#include "playback/BoatList.h"
#include "playback/Clock.h"
#include "playback/MapPointer.h"
#include "playback/TimeBarInput.h"

namespace shell {

class TForm1;

// Date and time as the user's locale writes them (short date, long time).
std::string LocaleDateTimeText(double dateTime);

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

class PlaybackWiring : public QObject {
  Q_OBJECT

 public:
  explicit PlaybackWiring(TForm1& form);

  // After each load: the clock starts afresh, the new boat list rows get their event filter.
  void RaceLoaded();
  void Timer1Timer();
  void Timer2Timer();

  playback::Clock& Clock() { return clock_; }
  playback::MapPointer& Map() { return map_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectControls();
  // The window's settings are kept in its state; the clock works on its own copy between these.
  void Pull();
  void Push();
  void Apply(const playback::Effects& effects);
  void ApplyPlayState();
  void ResetPadImages();
  void ApplyScore(const playback::ScoreChange& score);
  void ShowFlags();
  void ShowClock(double raceSeconds);
  void RedrawStillChart();
  void RestoreMapPicture();
  void UpdateTicker();
  void RenewFocusPicture();
  void PadCommand(playback::Effects (*command)(playback::Clock&, view::ViewOptions&));
  void StepCommand(int seconds);
  void AutoTraceClicked(bool checked);

  bool ChartMouseMove(int x, int y);
  bool ChartMousePress(Qt::MouseButton button, int x, int y);
  void TimeBarMove(int y);
  void TimeBarPress(int y);
  void SidePanelMove();
  bool BoatCheckPress(QObject* check, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  playback::ChartSituation Situation() const;

  TForm1& form_;
  playback::Clock clock_;
  playback::MapPointer map_;
  RubberBand* rubberBand_;
};

}  // namespace shell
