// Time bar hover, click and the jump back to the start.
#include "playback/TimeBarInput.h"

#include <algorithm>

#include "analysis/FixInterval.h"
#include "race/Numbers.h"
#include "view/Compass.h"
#include "view/TimeBar.h"

namespace playback {

double TimeAtBar(const race::RaceStore& store, int y, int barHeight) {
  const int span = view::TimelineSpan(store);
  const double height = barHeight > 0 ? barHeight : 1;
  double t = race::Round(store.timelineEnd - (y / height) * span);
  if (t < store.timelineStart) t = store.timelineStart;
  if (t > store.timelineEnd) t = store.timelineEnd;
  return t;
}

void ReleasePointer(view::Playback& playback, view::Pointer& pointer, const view::ViewOptions& options) {
  playback.clockTextFrozen = 0;
  pointer.focusBoat = 0;
  if (!options.boatName) pointer.nameMode = 0;
}

Hover TimeBarMouseMove(view::Playback& playback, view::Pointer& pointer, const race::RaceStore& store,
                       const analysis::ChartFit& fit, const view::ViewOptions& options, int y, int barHeight,
                       int tipsOn) {
  Hover hover;
  if (!options.boatName) pointer.nameMode = 0;
  playback.clockTextFrozen = 1;
  const double t = TimeAtBar(store, y, barHeight);
  hover.clockSeconds = t;

  hover.dots.assign(static_cast<size_t>(store.boatCount) + 1, std::nullopt);
  for (int b = 1; b <= store.boatCount; ++b) {
    const int fixes = std::min<int>(store.fixCount[b], static_cast<int>(store.trackTime[b].size()) - 1);
    const int i = analysis::FindFixInterval(store.trackTime[b], fixes - 1, 0, t);
    if (i > 0) {
      hover.dots[b] = view::ProjectToOverview(store.trackLat[b][i], store.trackLon[b][i], fit,
                                              options.northUp, store.windDirection);
    }
  }

  if (tipsOn == 1 && options.trackPage) hover.tip = PointerTip::TimeBar;
  return hover;
}

Effects TimeBarMouseDown(Clock& clock, view::Playback& playback, const race::RaceStore& store,
                         const view::ViewOptions& options, int y, int barHeight, ScoreChange& score) {
  Effects effects;
  if (!options.trackPage) return effects;
  playback.raceTime = TimeAtBar(store, y, barHeight);
  if (options.autoTrace) {
    // Every label goes; the finishers at the new time come back, with their gun, on the next ticks.
    for (int b = 1; b < static_cast<int>(clock.finishSignalled.size()); ++b) {
      if (clock.finishSignalled[b] == 1) score.hidden.push_back(b);
      clock.finishSignalled[b] = 0;
    }
    clock.finishedCount = 0;
    score.finishedCount = 0;
    effects.presentFrame = true;
  } else {
    effects.redrawStillChart = true;
  }
  effects.showClock = true;
  effects.clockSeconds = race::Round(playback.raceTime);
  return effects;
}

void BackTimeBarMouseDown(view::Playback& playback, const race::RaceStore& store, int y, int height) {
  if (y > height - 30) playback.raceTime = store.timelineStart;
}

}  // namespace playback
