// The race session's playback: the frame timer ("Timer1") and the once-a-second timer ("Timer2"), the
// GO/STOP pad, one-second steps, jumps on the time bar, SPEED, ZOOM, Auto Trace, the pages and EXIT.
// Every jump shows the new moment in every display at once (ShowMoment).
#include "pages/PerformanceReport.h"
#include "playback/TimeBarInput.h"
#include "race/Numbers.h"
#include "shell/RaceSession.h"
#include "view/WindowLayout.h"

namespace shell {

void RaceSession::CreateTimers() {
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer2_ = new QTimer(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  timer2_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &RaceSession::Timer1Timer);
  connect(timer2_, &QTimer::timeout, this, &RaceSession::Timer2Timer);
}

void RaceSession::Timer1Timer() {
  if (loading_ || !RaceShown()) return;
  AppState& state = state_;
  const playback::Effects advance =
      playback::Timer1Advance(state.clock, state.playback, Store(), state.catalogue);
  if (!advance.loadRacePath.empty()) {
    LoadAutoNext(advance.loadRacePath, advance.loadRaceIndex);
    return;
  }
  if (!advance.presentFrame) return;
  PresentFrame();
  playback::ScoreChange score;
  const playback::Effects after = playback::Timer1AfterFrame(state.clock, state.playback, Store(), score);
  ApplyScore(score);
  state.playback.clockSecond = view::ApplyAutoSea(state.sea, state.sun, state.playback.raceTime);
  if (state.sea.seaAuto > 0) emit seaChanged();
  Apply(after);
}

void RaceSession::Timer2Timer() {
  if (loading_ || !RaceShown() || state_.clock.activePage != kTrackPage) return;
  const playback::Effects effects = playback::Timer2Tick(state_.clock, state_.playback, Store());
  UpdateTicker();
  emit momentChanged();
  Apply(effects);
}

void RaceSession::Apply(const playback::Effects& effects) {
  for (int k = 0; k < effects.beeps; ++k) platform_.Beep();
  // Sounds that fall on one tick would only be heard as one.
  if (effects.guns > 0) platform_.PlayStartGun();
  if (effects.presentFrame) PresentFrame();
  if (effects.redrawStillChart) RedrawStillChart();
  if (effects.showClock) ShowClock(effects.clockSeconds);
  if (!effects.loadRacePath.empty()) LoadAutoNext(effects.loadRacePath, effects.loadRaceIndex);
}

void RaceSession::ApplyPlayState() {
  if (state_.clock.playState == playback::PlayState::Stopped || loading_) {
    timer1_->stop();
    timer2_->stop();
  } else {
    if (!timer1_->isActive() && state_.clock.activePage == kTrackPage)
      timer1_->start(state_.clock.frameInterval);
    if (!timer2_->isActive()) timer2_->start(1000);
  }
  emit playStateChanged();
}

void RaceSession::PadCommand(playback::Effects (*command)(playback::Clock&, view::ViewOptions&)) {
  if (loading_ || !RaceShown()) return;
  const bool wasManual = !state_.options.autoTrace;
  const playback::Effects effects = command(state_.clock, state_.options);
  ApplyPlayState();
  Apply(effects);
  if (wasManual && state_.options.autoTrace) ShowMoment();  // back to the fleet view at once
}

void RaceSession::PlayForward() {
  PadCommand(playback::up_fClick);
}

void RaceSession::PlayBackward() {
  PadCommand(playback::dn_fClick);
}

void RaceSession::Stop() {
  PadCommand(playback::stop_fClick);
}

void RaceSession::ResumePlay() {
  PadCommand(playback::LitImageClick);
}

void RaceSession::TogglePlay() {
  if (state_.clock.playState == playback::PlayState::Stopped) {
    PlayForward();
  } else {
    Stop();
  }
}

void RaceSession::Step(int seconds) {
  if (loading_ || !RaceShown() || seconds == 0) return;
  playback::Effects effects;
  for (int k = 0; k < std::abs(seconds); ++k) {
    effects = seconds > 0 ? playback::plusClick(state_.clock, state_.playback, state_.options, Store())
                          : playback::minusClick(state_.clock, state_.playback, state_.options, Store());
  }
  ApplyPlayState();
  for (int k = 0; k < effects.beeps; ++k) platform_.Beep();
  ShowMoment();
}

void RaceSession::BackToStart() {
  if (loading_ || !RaceShown()) return;
  state_.playback.raceTime = Store().timelineStart;
  ShowMoment();
}

void RaceSession::JumpToBar(int y, int barHeight) {
  if (loading_ || !RaceShown()) return;
  playback::ScoreChange score;
  playback::TimeBarMouseDown(state_.clock, state_.playback, Store(), state_.options, y, barHeight, score);
  // The clock text follows the new moment too, not the pointer's preview.
  state_.playback.clockTextFrozen = 0;
  ShowMoment();
}

void RaceSession::SetSpeedPosition(int position) {
  playback::ScrollBar1Change(state_.clock, std::clamp(position, 0, 100));
  emit speedChanged(view::SpeedBarPosition(state_.clock.speedFactor),
                    QString::fromStdString(playback::SpeedText(state_.clock.speedFactor)));
}

void RaceSession::ChangeSpeed(int steps) {
  // One speed step of the bar's scale per key press: 1X .. 10X, 10X .. 100X, 100X .. 600X.
  SetSpeedPosition(view::SpeedBarPosition(state_.clock.speedFactor) + 4 * steps);
}

void RaceSession::SetAutoTrace(bool on) {
  if (loading_ || !RaceShown()) return;
  const playback::Effects effects = playback::CheckBox1Click(state_.clock, state_.options, state_.manualView,
                                                             state_.frame, state_.chartFit, on);
  ApplyPlayState();
  Apply(effects);
  emit optionsChanged();
  Redraw();
}

void RaceSession::ShowPage(int page) {
  if (loading_ || !RaceShown()) return;
  if (page == kTrackPage) {
    playback::RadioButton1Click(state_.clock, state_.options);
  } else {
    playback::OtherPageClick(state_.clock, state_.options);
    state_.clock.activePage = page;
  }
  ApplyPlayState();
  emit pageChanged(page);
  Redraw();
  if (page == kTablePage) WritePerformanceReport();
}

void RaceSession::WritePerformanceReport() {
  const pages::ReportDesktop desktop{
      [this] { platform_.ProcessPendingEvents(); },
      [this](const std::string& path) { platform_.OpenWithDesktop(path); },
      [this](const pages::ReportResult& failure) {
        platform_.ShowMessage(
            Text(TextId::ReportNotWritten, state_.englishTexts, {failure.path, failure.error}));
      }};
  pages::WriteAndOpenPerformanceReport(Store(), platform_.DocumentsFolder(), desktop, LocaleDateTimeText);
}

void RaceSession::Exit() {
  playback::Button1Click(state_.clock);
  timer1_->stop();
  timer2_->stop();
  emit closeRequested();
}

}  // namespace shell

namespace shell {

void RaceSession::PreviewBarMoment(int y, int barHeight) {
  if (loading_ || !RaceShown()) return;
  AppState& state = state_;
  const playback::Hover hover = playback::TimeBarMouseMove(
      state.playback, state.pointer, Store(), state.chartFit, state.options, y, barHeight, state.tipsOn);
  emit clockTextChanged(
      QString::fromStdString(LocaleDateTimeText(Store().startTime + hover.clockSeconds / 86400.0)));
  for (int b = 1; b < static_cast<int>(hover.dots.size()); ++b) {
    // Kept in the frame state, so the frame ticks leave the previewed dots where they are.
    if (hover.dots[b] && b < static_cast<int>(state.frame.overviewDots.size()))
      state.frame.overviewDots[b] = *hover.dots[b];
  }
  emit overviewDotsMoved();
  if (hover.tip) {
    const std::string moment = LocaleDateTimeText(Store().startTime + hover.clockSeconds / 86400.0);
    emit tipRequested(PointerTipOf(*hover.tip, state.englishTexts, moment));
  }
}

void RaceSession::PressBelowBar(int y, int height) {
  if (loading_ || !RaceShown() || y <= height - 30) return;
  BackToStart();
}

void RaceSession::ReleasePointer() {
  const bool frozen = state_.playback.clockTextFrozen != 0;
  playback::ReleasePointer(state_.playback, state_.pointer, state_.options);
  emit tipHidden();
  emit pointerReleased();
  // The clock text and the overview come back from the previewed moment to the replay's.
  if (frozen && RaceShown()) {
    ShowClock(race::Round(state_.playback.raceTime));
    if (state_.options.autoTrace)
      view::PlaceOverviewDots(state_.frame, Store(), state_.chartFit, state_.options.northUp);
    emit overviewDotsMoved();
  }
}

}  // namespace shell
