// The session's commands for race insight: the boat list in race order, tacks and gybes on the wakes,
// speed-coloured and long wakes, and the Graph page's smoothing.
#include "shell/RaceSession.h"

namespace shell {

void RaceSession::SetBoatListByPlace(bool on) {
  state_.boatListByPlace = on;
  emit boatOrderChanged();
}

void RaceSession::SetManoeuvreMarks(bool on) {
  SetChartOption(&view::ViewOptions::manoeuvreMarks, on);
}

void RaceSession::SetSpeedTails(bool on) {
  SetChartOption(&view::ViewOptions::speedTails, on);
}

void RaceSession::SetLongTails(bool on) {
  SetChartOption(&view::ViewOptions::longTails, on);
}

void RaceSession::SetGraphSmoothing(int seconds) {
  state_.options.graphSmoothSeconds = std::max(0, seconds);
  emit optionsChanged();
  Redraw();
}

const std::vector<std::vector<analysis::Manoeuvre>>& RaceSession::Manoeuvres() {
  if (!manoeuvresFound_) {
    const race::RaceStore& store = Store();
    manoeuvres_.assign(static_cast<size_t>(std::max(0, store.boatCount)) + 1, {});
    for (int b = 1; b <= store.boatCount; ++b)
      manoeuvres_[static_cast<size_t>(b)] = analysis::DetectManoeuvres(store, b);
    manoeuvresFound_ = true;
  }
  return manoeuvres_;
}

view::Scene RaceSession::SceneOfNow() {
  view::Scene scene{Store(), state_.chartFit, state_.sea, state_.options, state_.pointer};
  // The tacks and gybes are looked for only once someone asks to see them.
  if (state_.options.manoeuvreMarks) scene.manoeuvres = &Manoeuvres();
  return scene;
}

}  // namespace shell
