// The frame tick, the once-a-second tick and the speed arithmetic of the playback clock.
#include "playback/Clock.h"

#include <algorithm>
#include <filesystem>

#include "race/Numbers.h"

namespace playback {

namespace {

double FinishTime(const race::RaceStore& store, int b) {
  return store.markTime[b][store.courseCount];
}

}  // namespace

void RaceLoaded(Clock& clock, view::Playback& playback, const race::RaceStore& store) {
  clock.activePage = 1;
  clock.playDirection = 1;
  clock.timeStep = 0.1;
  clock.playState = PlayState::Forward;
  clock.finishedCount = 0;
  clock.finishSignalled.assign(static_cast<size_t>(store.boatCount) + 1, 0);
  playback.traceScale = 1.0;
  playback.raceTime = store.timelineStart;
  playback.roundingNoticeIndex = 0;
  playback.roundingNoticeText.clear();
  playback.clockTextFrozen = 0;
  clock.prevRaceTime = playback.raceTime;
}

Effects Timer1Advance(Clock& clock, view::Playback& playback, const race::RaceStore& store,
                      const race::RaceCatalogue& catalogue) {
  Effects effects;
  if (clock.activePage != 1) {
    clock.prevRaceTime = playback.raceTime;
    return effects;
  }
  double& raceTime = playback.raceTime;
  raceTime += clock.playDirection * clock.timeStep;
  // Backward play runs round to the end and goes on from there; only forward play reaching the end
  // loops or moves to the next race.
  const bool wrappedToEnd = raceTime < store.timelineStart;
  if (wrappedToEnd) raceTime = store.timelineEnd;
  if (!wrappedToEnd && raceTime >= store.timelineEnd) {
    if (catalogue.autoNext == 1 && catalogue.raceListCount > 0) {
      const int next = catalogue.NextIndex();
      const std::string path = catalogue.PathOf(store.programFolder, next);
      std::error_code error;
      if (std::filesystem::is_regular_file(path, error)) {
        effects.loadRacePath = path;
        effects.loadRaceIndex = next;
        return effects;
      }
    }
    raceTime = store.timelineStart;
  }
  effects.presentFrame = true;
  return effects;
}

ScoreChange SignalFinishes(Clock& clock, double raceTime, const race::RaceStore& store, int& guns) {
  ScoreChange change;
  if (clock.finishSignalled.size() < static_cast<size_t>(store.boatCount) + 1) {
    clock.finishSignalled.resize(static_cast<size_t>(store.boatCount) + 1, 0);
  }
  const int finish = store.courseCount;
  const bool finishesDue =
      finish > 0 && raceTime > 0.3 * store.timelineEnd && raceTime > store.firstArrivalTime[finish] - 5;
  // Boats whose finish lies after raceTime are taken back silently (a jump or reverse play), so the
  // panel never lists a boat still racing.
  for (int b = 1; b <= store.boatCount; ++b) {
    const bool finished =
        finishesDue && race::Round(FinishTime(store, b)) <= raceTime && FinishTime(store, b) > 0;
    if (!finished && clock.finishSignalled[b] == 1) {
      clock.finishSignalled[b] = 0;
      change.hidden.push_back(b);
    }
  }
  // Newly finished boats in finish order, so the labels appear top down.
  std::vector<int> arriving;
  for (int b = 1; b <= store.boatCount; ++b) {
    const bool finished =
        finishesDue && race::Round(FinishTime(store, b)) <= raceTime && FinishTime(store, b) > 0;
    if (finished && clock.finishSignalled[b] == 0) arriving.push_back(b);
  }
  std::stable_sort(arriving.begin(), arriving.end(),
                   [&store](int a, int b) { return FinishTime(store, a) < FinishTime(store, b); });
  for (int b : arriving) {
    clock.finishSignalled[b] = 1;
    change.shown.push_back(b);
  }
  // One gun for the boats that cross together: several at one instant would only sound as one.
  if (!arriving.empty()) ++guns;
  int count = 0;
  for (int b = 1; b <= store.boatCount; ++b) count += clock.finishSignalled[b];
  clock.finishedCount = count;
  change.finishedCount = count;
  return change;
}

Effects Timer1AfterFrame(Clock& clock, const view::Playback& playback, const race::RaceStore& store,
                         ScoreChange& score) {
  Effects effects;
  const double raceTime = playback.raceTime;
  score = SignalFinishes(clock, raceTime, store, effects.guns);
  if (playback.clockTextFrozen == 0 && race::Round(clock.prevRaceTime) != race::Round(raceTime)) {
    effects.showClock = true;
    effects.clockSeconds = race::Round(raceTime);
  }
  if (clock.prevRaceTime < 0 && raceTime >= 0 && raceTime < 60) ++effects.guns;
  clock.prevRaceTime = raceTime;
  return effects;
}

double TimeStepFor(double speedFactor, int framesThisSecond) {
  const int frames = framesThisSecond < 5 ? 20 : framesThisSecond;
  return speedFactor / frames;
}

Effects Timer2Tick(Clock& clock, view::Playback& playback, const race::RaceStore& store) {
  Effects effects;
  if (clock.activePage != 1) return effects;
  clock.timeStep = TimeStepFor(clock.speedFactor, playback.framesThisSecond);
  double& raceTime = playback.raceTime;
  raceTime = race::Round(raceTime);
  playback.framesThisSecond = 0;

  if (raceTime >= -30 && raceTime < 0) ++effects.beeps;
  if (raceTime < 0 && raceTime / 60 == race::Int(raceTime / 60)) ++effects.beeps;

  UpdateRoundingNotice(playback, store);
  return effects;
}

void UpdateRoundingNotice(view::Playback& playback, const race::RaceStore& store) {
  const double raceTime = playback.raceTime;
  playback.roundingNoticeIndex = 0;
  for (int c = store.courseCount - 1; c >= 2; --c) {
    const double first = store.firstArrivalTime[c];
    if (first <= raceTime && raceTime < first + 180) {
      playback.roundingNoticeIndex = c;
      playback.roundingNoticeText = std::to_string(race::RoundToInt(raceTime - first));
      break;
    }
  }
}

Flags FlagsAt(double raceTime) {
  return {raceTime <= 0, raceTime >= -240 && raceTime < -60};
}

double SpeedFactorAt(int p) {
  if (p < 40) return race::Int(p / 4.0 + 1);
  if (p < 80) return race::Int((p - 40) / 4.0 + 1) * 10.0;
  return race::Int((p - 80) / 4.0 + 1) * 100.0;
}

std::string SpeedText(double speedFactor) {
  return std::to_string(race::RoundToInt(speedFactor)) + "X";
}

void ScrollBar1Change(Clock& clock, int position) {
  clock.speedFactor = SpeedFactorAt(position);
}

double TraceScaleAt(int position) {
  const double scale = 10 - position / 10.0;
  return scale < 1.0 ? 1.0 : scale;
}

}  // namespace playback
