// The GO/STOP pad, the one-second steps, Auto Trace, the page buttons and EXIT: changes of the play state
// and of the chart mode.
#include "playback/Clock.h"
#include "race/Numbers.h"

namespace playback {

namespace {

// Checking Auto Trace: two beeps, and the replay plays forward.
Effects AutoTraceChecked(Clock& clock, view::ViewOptions& options) {
  Effects effects;
  effects.beeps = 2;
  clock.playDirection = 1;
  clock.playState = PlayState::Forward;
  options.autoTrace = true;
  return effects;
}

// Every pad command first puts Auto Trace on; a box that was off runs its own click (beeps and all).
Effects AutoTraceOn(Clock& clock, view::ViewOptions& options) {
  if (!options.autoTrace) return AutoTraceChecked(clock, options);
  return {};
}

Effects Play(Clock& clock, view::ViewOptions& options, int direction) {
  Effects effects = AutoTraceOn(clock, options);
  clock.playDirection = direction;
  clock.playState = direction > 0 ? PlayState::Forward : PlayState::Backward;
  return effects;
}

Effects Step(Clock& clock, view::Playback& playback, view::ViewOptions& options, const race::RaceStore& store,
             int seconds) {
  Effects effects = AutoTraceOn(clock, options);
  clock.playState = PlayState::Stopped;
  double& raceTime = playback.raceTime;
  raceTime = race::Round(raceTime + seconds);
  if (raceTime > store.timelineEnd) raceTime = store.timelineStart;
  if (raceTime < store.timelineStart) raceTime = store.timelineEnd;
  effects.presentFrame = true;
  effects.showClock = true;
  effects.clockSeconds = race::Round(raceTime);
  return effects;
}

}  // namespace

Effects up_fClick(Clock& clock, view::ViewOptions& options) {
  return Play(clock, options, 1);
}

Effects dn_fClick(Clock& clock, view::ViewOptions& options) {
  return Play(clock, options, -1);
}

Effects stop_fClick(Clock& clock, view::ViewOptions& options) {
  Effects effects = AutoTraceOn(clock, options);
  clock.playState = PlayState::Stopped;
  return effects;
}

Effects LitImageClick(Clock& clock, view::ViewOptions& options) {
  return AutoTraceOn(clock, options);
}

Effects plusClick(Clock& clock, view::Playback& playback, view::ViewOptions& options,
                  const race::RaceStore& store) {
  return Step(clock, playback, options, store, 1);
}

Effects minusClick(Clock& clock, view::Playback& playback, view::ViewOptions& options,
                   const race::RaceStore& store) {
  return Step(clock, playback, options, store, -1);
}

Effects CheckBox1Click(Clock& clock, view::ViewOptions& options, view::ManualView& manual,
                       view::FrameState& frame, const analysis::ChartFit& fit, bool checked) {
  if (checked) return AutoTraceChecked(clock, options);
  Effects effects;
  effects.beeps = 2;
  clock.playState = PlayState::Stopped;
  options.autoTrace = false;
  // The manual view starts from the whole race.
  frame.fleetMaxLat = fit.trackMaxLat;
  frame.fleetMinLat = fit.trackMinLat;
  frame.fleetMaxLon = fit.trackMaxLon;
  frame.fleetMinLon = fit.trackMinLon;
  manual.zoomFactor = 1.0;
  manual.viewCentreLat = frame.frameCentreLat = (fit.trackMaxLat + fit.trackMinLat) / 2;
  manual.viewCentreLon = frame.frameCentreLon = (fit.trackMaxLon + fit.trackMinLon) / 2;
  effects.redrawStillChart = true;
  return effects;
}

void RadioButton1Click(Clock& clock, view::ViewOptions& options) {
  clock.activePage = 1;
  options.trackPage = true;
}

void OtherPageClick(Clock& clock, view::ViewOptions& options) {
  clock.activePage = 2;
  options.trackPage = false;
}

void Button1Click(Clock& clock) {
  clock.playState = PlayState::Stopped;
}

}  // namespace playback
