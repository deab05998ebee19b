// The race session's state, its drawing of the present moment and the commands that change what the
// chart shows: lay lines, comparison line, enlarged boats, names, orientation, sea colour, compass hover,
// zoom, language.
#include "shell/RaceSession.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <filesystem>

#include "pages/GraphPage.h"
#include "race/Numbers.h"
#include "view/Compass.h"
#include "view/FrameRenderer.h"
#include "view/StaticChart.h"

namespace shell {

std::string LocaleDateTimeText(double dateTime) {
  const QDateTime base(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
  const QDateTime when = base.addMSecs(std::llround(dateTime * 86400.0) * 1000);
  const QLocale locale = QLocale::system();
  // Without a real locale the fixed form keeps the date in one word, as the still chart's time text expects.
  if (locale.language() == QLocale::C) return race::FormatDateTime(dateTime);
  QString timeFormat = locale.timeFormat(QLocale::LongFormat);
  timeFormat.remove(QLatin1Char('t'));  // no time zone name: race times are local times
  return (locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(when.time(), timeFormat.trimmed()))
      .toStdString();
}

RaceSession::RaceSession(Platform& platform, std::string programFolder, QObject* parent)
    : QObject(parent), platform_(platform) {
  setObjectName(QStringLiteral("raceSession"));
  if (programFolder.empty() || programFolder.back() != '/') programFolder += '/';
  Store().programFolder = std::move(programFolder);
  CreateTimers();
}

RaceSession::~RaceSession() = default;

std::string RaceSession::MomentText() const {
  return LocaleDateTimeText(Store().startTime + race::Round(state_.playback.raceTime) / 86400.0);
}

void RaceSession::ShowMoment() {
  if (!RaceShown()) return;
  view::Playback& playback = state_.playback;
  playback::UpdateRoundingNotice(playback, Store());
  int guns = 0;  // a jump is silent; the score panel just matches the new time
  ApplyScore(playback::SignalFinishes(state_.clock, playback.raceTime, Store(), guns));
  playback.clockSecond = view::ApplyAutoSea(state_.sea, state_.sun, playback.raceTime);
  if (state_.sea.seaAuto > 0) emit seaChanged();
  Redraw();
  UpdateTicker();
  ShowClock(race::Round(playback.raceTime));
  state_.clock.prevRaceTime = playback.raceTime;
  emit momentChanged();
}

void RaceSession::Redraw() {
  if (!RaceShown()) return;
  if (state_.clock.activePage != kTrackPage) {
    DrawGraph();
  } else if (state_.options.autoTrace) {
    PresentFrame();
  } else {
    RedrawStillChart();
  }
}

void RaceSession::PresentFrame() {
  if (!frameBitmap_) return;
  view::FillSea(*frameBitmap_, state_.sea.seaColour);
  if (Store().boatCount > 0) {
    view::DrawFrame(*frameBitmap_, state_.playback.raceTime, SceneOfNow(), state_.playback, state_.frame);
  }
  emit frameReady();
}

void RaceSession::RedrawStillChart() {
  if (!frameBitmap_) return;
  if (view::DrawStaticChart(*frameBitmap_, SceneOfNow(), state_.manualView, state_.playback, state_.frame,
                            LocaleDateTimeText)) {
    emit frameReady();
  }
}

void RaceSession::DrawGraph() {
  if (!graphBitmap_) return;
  pages::DrawGraphPage(*graphBitmap_, Store(), state_.mapWidth, state_.mapHeight, state_.sea.seaColour,
                       state_.options.graphSmoothSeconds);
  emit graphReady();
}

void RaceSession::UpdateTicker() {
  ticker_ = playback::UpdateTicker(state_.playback, state_.frame, Store());
}

void RaceSession::ShowClock(double raceSeconds) {
  const double when = Store().startTime + raceSeconds / 86400.0;
  emit clockTextChanged(QString::fromStdString(LocaleDateTimeText(when)));
}

void RaceSession::ApplyScore(const playback::ScoreChange& score) {
  emit scoreChanged(score);
}

void RaceSession::SetChartOption(bool view::ViewOptions::*option, bool on) {
  state_.options.*option = on;
  emit optionsChanged();
  Redraw();
}

void RaceSession::SetLayLines(bool on) {
  SetChartOption(&view::ViewOptions::layLines, on);
}

void RaceSession::SetCompLine(bool on) {
  SetChartOption(&view::ViewOptions::compLine, on);
}

void RaceSession::SetBigBoat(bool on) {
  SetChartOption(&view::ViewOptions::bigBoat, on);
}

void RaceSession::SetBoatNames(bool on) {
  state_.options.boatName = on;
  playback::CheckBox2Click(state_.pointer, on);
  emit optionsChanged();
  Redraw();
}

void RaceSession::SetNorthUp(bool northUp) {
  const bool changed = northUp ? view::RadioNClick(state_.options) : view::RadioWClick(state_.options);
  if (!changed) return;
  emit orientationChanged();
  Redraw();
}

void RaceSession::SetSeaBrightness(int position) {
  view::ScrollBar3Change(state_.sea, position);
  emit seaChanged();
  Redraw();
}

void RaceSession::SetSeaAuto(bool on) {
  view::CheckBox3Click(state_.sea, on);
  if (on) state_.playback.clockSecond = view::ApplyAutoSea(state_.sea, state_.sun, state_.playback.raceTime);
  emit seaChanged();
  Redraw();
}

void RaceSession::ChooseSeaPreset(int k) {
  if (k < 1 || k > 5) return;
  // A chosen colour stays: AUTO would take the sea back to the daylight level at the next tick.
  view::CheckBox3Click(state_.sea, false);
  view::ChooseSeaPreset(state_.sea, k);
  emit seaChanged();
  Redraw();
}

void RaceSession::HoverCompass(int x, int y, int compassSize) {
  const view::Pointer before = state_.pointer;
  view::compasstMouseMove(state_.pointer, x, y, compassSize);
  const bool changed =
      before.windMarks != state_.pointer.windMarks || before.nameMode != state_.pointer.nameMode;
  // While playing the next frame shows the pointers; a stopped replay shows them now.
  if (changed && state_.clock.playState == playback::PlayState::Stopped) Redraw();
}

void RaceSession::ZoomAbout(int steps, int x, int y) {
  if (!RaceShown() || steps == 0 || state_.clock.activePage != kTrackPage) return;
  if (state_.options.autoTrace) {
    // The fleet view zooms with the ZOOM bar: ten bar steps per wheel step.
    const int position = std::clamp(ZoomPosition() + 10 * steps, 0, 100);
    SetZoomPosition(position);
    return;
  }
  view::ManualView& manual = state_.manualView;
  const analysis::ChartView before =
      view::StillView(state_.chartFit, manual, state_.mapWidth, state_.mapHeight, state_.options.northUp,
                      Store().windDirection);
  const analysis::Position at = analysis::ChartToPosition(x, y, before);
  const double zoom = std::clamp(manual.zoomFactor * std::pow(1.5, steps), 0.05, 1000.0);
  // The place under the pointer stays under the pointer.
  const double keep = manual.zoomFactor / zoom;
  manual.viewCentreLat = at.lat + (manual.viewCentreLat - at.lat) * keep;
  manual.viewCentreLon = at.lon + (manual.viewCentreLon - at.lon) * keep;
  manual.zoomFactor = zoom;
  RedrawStillChart();
}

int RaceSession::ZoomPosition() const {
  return std::clamp(race::RoundToInt((10.0 - state_.playback.traceScale) * 10.0), 0, 100);
}

void RaceSession::SetZoomPosition(int position) {
  state_.playback.traceScale = playback::TraceScaleAt(position);
  emit zoomChanged(position);  // the ZOOM bar follows a restored or a wheel zoom
  if (state_.clock.playState == playback::PlayState::Stopped) Redraw();
}

std::string RaceSession::DialogFolder() const {
  std::error_code error;
  if (!dialogFolder_.empty() && std::filesystem::is_directory(dialogFolder_, error)) return dialogFolder_;
  return Store().documentsFolder;
}

void RaceSession::RememberDialogFolder(const std::string& chosenFile) {
  dialogFolder_ = std::filesystem::absolute(chosenFile).parent_path().generic_string();
}

void RaceSession::SetLanguage(int englishTexts) {
  state_.englishTexts = englishTexts;
  emit languageChanged();
}

void RaceSession::SetTipsOn(bool on) {
  state_.tipsOn = on ? 1 : 0;
}

void RaceSession::FocusChanged(int unfocusedCount) {
  state_.unfocusedCount = unfocusedCount;
  Redraw();
}

}  // namespace shell
