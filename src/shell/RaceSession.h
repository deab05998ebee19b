// RaceSession: the replay of one race at a time, without widgets. It owns the program's state (the race
// store, the catalogue, the one playback clock, the view options), the load sequence, the two timers and
// the off-screen pictures, and tells the widgets what changed through its signals. Widgets call its
// commands (one per thing a control does) and redraw from its state when a signal arrives.
//
// Signals for other parts of the window to hook in:
//   raceListChanged()   the catalogue was built again (start-up, another program folder, races made)
//   raceLoaded()        a load succeeded; the store, catalogue index and pictures are the new race's
//   loadFailed(text)    a load failed; the race shown before goes on (text was shown to the user)
//   warningsFound(list) what the load, loaded or failed, found worth checking (possibly nothing)
//   frameReady()        framePicture() holds a new picture of the replay (frame or still chart)
//   momentChanged()     the replay time jumped or moved on: flags, clock texts, ticker, score are due
//   editingChanged()    the race editor opened or closed
//   courseEdited()      a mark or line was moved or added while editing
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "analysis/Manoeuvres.h"
#include "inference/RaceCourse.h"
#include "playback/BoatList.h"
#include "playback/Clock.h"
#include "playback/MapPointer.h"
#include "race/LoadWarning.h"
#include "shell/AppState.h"
#include "shell/Platform.h"
#include "shell/QtCanvas.h"
#include "shell/Texts.h"
#include "shell/Tips.h"
#include "view/FrameRenderer.h"

namespace shell {

enum class LoadResult { Loaded, Failed, HeldOff };

inline constexpr int kTrackPage = 1;
inline constexpr int kGraphPage = 2;
inline constexpr int kTablePage = 3;

// The pointer logic's name for a mouse button.
inline playback::Button PointerButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return playback::Button::Left;
  if (button == Qt::RightButton) return playback::Button::Right;
  return playback::Button::Middle;
}

// Date and time as the user's locale writes them (short date, long time).
std::string LocaleDateTimeText(double dateTime);

class RaceSession : public QObject {
  Q_OBJECT

 public:
  // programFolder is '/'-separated; a trailing '/' is added when missing.
  RaceSession(Platform& platform, std::string programFolder, QObject* parent = nullptr);
  ~RaceSession() override;

  AppState& State() { return state_; }
  const AppState& State() const { return state_; }
  race::RaceStore& Store() { return *state_.store; }
  const race::RaceStore& Store() const { return *state_.store; }
  race::RaceCatalogue& Catalogue() { return state_.catalogue; }
  playback::Clock& Clock() { return state_.clock; }
  playback::MapPointer& Map() { return map_; }
  Platform& Services() { return platform_; }
  bool Loading() const { return loading_; }
  bool RaceShown() const { return frameBitmap_ != nullptr; }
  std::string Tr(TextId id) const { return Text(id, state_.englishTexts); }
  // The replay time as the text clock shows it.
  std::string MomentText() const;

  // The pictures, chart-sized; null before the first race is shown.
  QtCanvas* FramePicture() { return frameBitmap_.get(); }
  QtCanvas* GraphPicture() { return graphBitmap_.get(); }
  QtCanvas* HoverBackground() { return UraMap_.get(); }
  // The boat list ticker of the present moment, 1..boatCount.
  const std::vector<playback::TickerRow>& Ticker() const { return ticker_; }

  QTimer* FrameTimer() { return timer1_; }   // "Timer1": one frame per tick while playing
  QTimer* SecondTimer() { return timer2_; }  // "Timer2": once a second while playing

  // --- Catalogue and loading (RaceSessionLoad.cpp).
  // The catalogue of the program folder and the user's own races (raceListChanged follows).
  void BuildRaceList();
  // The start-up's race: lastRace when it is a catalogue entry that loads, else racefile.st's, else the
  // first; when that fails the others in order. False when none could be shown (the user was told why).
  bool LoadFirstRace(const std::string& lastRace = {});
  // Makes folder the program folder and shows its first race; when none loads, the race shown and its
  // catalogue stay.
  bool OpenProgramFolder(const std::string& folder);
  LoadResult LoadRace();
  // Loads the race file at path as catalogue entry raceIndex into a fresh store; the shown race changes only
  // when the load succeeds.
  LoadResult LoadRace(const std::string& path, int raceIndex);
  void ChooseRace(int comboIndex);  // the race list's choice, 0-based
  void ShowChosenRace();            // SHOW
  // Open tracks: asks for track files, then OpenTracks.
  void ChooseAndOpenTracks();
  // Makes races from the tracks among paths (files or folders) under the user's races folder, adds them to
  // the race list and shows the first; says in one message what was skipped or could not be found. Nothing is
  // written when no race could be made.
  LoadResult OpenTracks(const std::vector<std::string>& paths);
  void SetAutoNext(bool on);
  // Shows a race prepared elsewhere (made in memory rather than read) as a load that succeeded shows it.
  void ShowPreparedRace(std::unique_ptr<race::RaceStore> store, const analysis::ChartFit& fit);
  // The folder a file dialog opens in: where the last one was left, in this run or an earlier one, while
  // that folder exists; else the documents folder.
  std::string DialogFolder() const;
  void RememberDialogFolder(const std::string& chosenFile);
  // The chart's size in pixels: pictures follow at once and the present moment is drawn again.
  void SetChartSize(int width, int height);

  // --- Playback (RaceSessionPlayback.cpp).
  void PlayForward();
  void PlayBackward();
  void Stop();
  void TogglePlay();  // the Space key: stopped plays forward, playing stops
  void ResumePlay();  // a click on the lit pad image
  void Step(int seconds);
  void BackToStart();
  void JumpToBar(int y, int barHeight);
  // The pointer over the time bar: the clock text and the overview dots preview that moment.
  void PreviewBarMoment(int y, int barHeight);
  // A press on the strip under the time bar: back to the start when in its lowest 30 pixels.
  void PressBelowBar(int y, int height);
  void SetSpeedPosition(int position);
  void ChangeSpeed(int steps);  // PageUp / PageDown: one step of the SPEED bar's scale
  void SetZoomPosition(int position);
  int ZoomPosition() const;
  void SetAutoTrace(bool on);
  void ShowPage(int page);
  void Exit();
  // One tick of the frame timer ("Timer1") and of the once-a-second timer ("Timer2"), as the timers run
  // them while the replay plays.
  void Timer1Timer();
  void Timer2Timer();

  // --- What the chart shows (RaceSessionView.cpp).
  void SetLayLines(bool on);
  void SetCompLine(bool on);
  void SetBigBoat(bool on);
  void SetBoatNames(bool on);
  void SetNorthUp(bool northUp);
  void SetSeaBrightness(int position);
  void SetSeaAuto(bool on);
  void ChooseSeaPreset(int k);
  void HoverCompass(int x, int y, int compassSize);
  // Wheel and +/- keys: zoom in (steps > 0) or out about the chart pixel (x, y).
  void ZoomAbout(int steps, int x, int y);
  void SetLanguage(int englishTexts);
  void SetTipsOn(bool on);
  // --- Race insight (RaceSessionInsight.cpp).
  void SetBoatListByPlace(bool on);
  void SetManoeuvreMarks(bool on);
  void SetSpeedTails(bool on);
  void SetLongTails(bool on);
  void SetGraphSmoothing(int seconds);
  // The race shown's tacks and gybes per boat, found the first time they are asked for.
  const std::vector<std::vector<analysis::Manoeuvre>>& Manoeuvres();
  void RequestTip(const Tip& tip) { emit tipRequested(tip); }
  // The pointer left the chart for a side panel: its previews, focus, tip and read-out end.
  void ReleasePointer();
  void HideTip() { emit tipHidden(); }
  // Focus of the boat list changed (boatShown already set): the pictures follow.
  void FocusChanged(int unfocusedCount);

  // --- The race editor (RaceSessionEdit.cpp).
  // Starts editing the race shown: the replay stops and the chart shows a handle on each mark and line end.
  void StartEditing();
  bool Editing() const { return editing_; }
  // The race as edited so far: the form's values as the race file gave them, the marks and lines as dragged.
  const inference::RaceCourse& EditedCourse() const { return edited_; }
  // The handles' chart pixels: the marks, then the two ends of each line.
  std::vector<QPoint> EditHandles() const;
  // The handle under a chart pixel (the last drawn wins), -1 for none.
  int EditHandleAt(QPoint at) const;
  void MoveEditHandle(int handle, QPoint to);
  // A new mark, or a new line across the chart, near the chart's middle (each a little below the last).
  void AddEditMark();
  void AddEditLine();
  // Saves the edited marks and lines with the form's times and course, then shows the saved race. A race of
  // the program's own is saved as a copy in the user's races folder, and the user is told where. False, with
  // a message and nothing written, when a value is wrong or the file cannot be written.
  bool SaveEdits(inference::RaceCourse formValues);
  // Ends editing with the race shown as it was before.
  void CancelEditing();

  // --- Drawing.
  // The present moment in every display: frame or still chart, flags, score, clocks, ticker.
  void ShowMoment();
  void PresentFrame();
  void RedrawStillChart();
  void DrawGraph();

 signals:
  void raceListChanged();
  void loadStarted();
  void loadProgress(const QString& caption, const QString& file, int boat, int boatCount);
  void raceLoaded();
  void loadFailed(const QString& message);
  void warningsFound(const std::vector<race::LoadWarning>& warnings);
  void frameReady();
  void graphReady();
  void momentChanged();
  void boatOrderChanged();
  void scoreChanged(const playback::ScoreChange& score);
  void clockTextChanged(const QString& text);
  void playStateChanged();
  void speedChanged(int position, const QString& text);
  void zoomChanged(int position);
  void optionsChanged();
  void orientationChanged();
  void seaChanged();
  void languageChanged();
  void pageChanged(int page);
  void tipRequested(const Tip& tip);
  void tipHidden();
  void pointerReleased();
  void overviewDotsMoved();
  void windGraphToggled();
  void captionChanged(const QString& caption);
  void editingChanged();
  void courseEdited();
  void closeRequested();

 private:
  void CreateTimers();
  void ApplyLoadedRace(std::unique_ptr<race::RaceStore> next, const analysis::ChartFit& fit, int raceIndex);
  LoadResult LoadAutoNext(const std::string& path, int raceIndex);
  LoadResult LoadNextAfterFailure(int failedIndex);
  void WritePerformanceReport();
  void CreatePictures();
  void Apply(const playback::Effects& effects);
  void ApplyPlayState();
  void ApplyScore(const playback::ScoreChange& score);
  void ShowClock(double raceSeconds);
  void UpdateTicker();
  void PadCommand(playback::Effects (*command)(playback::Clock&, view::ViewOptions&));
  void Redraw();
  // A chart option ticked or cleared: the panels hear of it and the chart is drawn again.
  void SetChartOption(bool view::ViewOptions::*option, bool on);
  // The view the chart's picture is drawn in at present.
  analysis::ChartView ChartViewNow() const;
  void EndEditing();
  // Where the user's own races are kept (made races, edited copies); ends in '/'.
  const std::string& UserRacesFolder();
  // What the chart pictures are drawn from at present.
  view::Scene SceneOfNow();

  Platform& platform_;
  AppState state_;
  playback::MapPointer map_;
  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
  std::unique_ptr<QtCanvas> frameBitmap_, graphBitmap_, UraMap_;
  std::vector<playback::TickerRow> ticker_;
  std::vector<std::vector<analysis::Manoeuvre>> manoeuvres_;
  bool manoeuvresFound_ = false;
  bool loading_ = false;
  std::string dialogFolder_;  // where the last file dialog was left; empty: not yet
  bool editing_ = false;
  inference::RaceCourse edited_, beforeEditing_;
  bool autoTraceBeforeEditing_ = false;     // Cancel gives the replay back to a user who was watching it
  bool autoNextLoad_ = false;               // a failure message says that AutoNext goes on
  std::set<std::string> autoNextFailures_;  // races AutoNext found unloadable; not tried again
};

}  // namespace shell
