// Per-frame state: wind, boats and the auto-trace view at the replay time.
#include "view/FrameState.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/FixInterval.h"
#include "race/Numbers.h"
#include "view/Compass.h"
#include "view/TimeBar.h"

namespace view {

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

double WrapHalfTurn(double d) {
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

int FixesOf(const race::RaceStore& store, int boat) {
  if (boat >= static_cast<int>(store.trackTime.size())) return 0;
  return std::min<int>(store.fixCount[boat], static_cast<int>(store.trackTime[boat].size()) - 1);
}

}  // namespace

void ResetFrameState(FrameState& state, int boatCount) {
  const std::size_t n = static_cast<std::size_t>(boatCount) + 1;
  state.lastFixIndex.assign(n, 0);
  state.boatActive.assign(n, 0);
  state.curLat.assign(n, 0);
  state.curLon.assign(n, 0);
  state.curCourse.assign(n, 0);
  state.curSpeed.assign(n, 0);
  state.curTwa.assign(n, 0);
  state.overviewDots.assign(n, Point{});
  state.windSearchIndex = 0;
}

analysis::ChartView FrameView(const FrameState& state, int mapWidth, int mapHeight, bool northUp,
                              int windDirection) {
  analysis::ChartView view;
  view.centreLat = state.frameCentreLat;
  view.centreLon = state.frameCentreLon;
  view.pxPerMinuteLat = state.framePxPerMinuteLat;
  view.pxPerMinuteLon = state.framePxPerMinuteLon;
  view.mapWidth = mapWidth;
  view.mapHeight = mapHeight;
  view.northUp = northUp;
  view.windDirection = windDirection;
  return view;
}

void ComputeFrameWind(FrameState& state, const race::RaceStore& store, double raceTime, bool northUp) {
  const int count = std::min<int>(store.windCount, static_cast<int>(store.windTime.size()) - 1);
  bool known = false;
  double dir = 0;
  double speed = -1;
  if (count > 0) {
    if (raceTime <= store.windTime[1]) {
      dir = store.windDir[1], speed = store.windSpeed[1], known = true;
    }
    if (raceTime >= store.windTime[count]) {
      dir = store.windDir[count], speed = store.windSpeed[count], known = true;
    }
    const int k = analysis::FindFixInterval(store.windTime, count - 1, state.windSearchIndex, raceTime);
    if (k > 0) {
      const double span = store.windTime[k + 1] - store.windTime[k];
      const double f =
          span > 0 ? (raceTime - store.windTime[k]) / span : 0;  // equal times: the earlier sample
      const double d = WrapHalfTurn(store.windDir[k + 1] - store.windDir[k]);
      dir = race::Round(d * f + store.windDir[k]);
      speed = (store.windSpeed[k + 1] - store.windSpeed[k]) * f + store.windSpeed[k];
      state.windSearchIndex = k;
      known = true;
    }
    state.windBarTop = WindBarTop(store, raceTime);
  }
  // A shift across north towards the west comes out below 0: it is the same direction a turn later.
  if (known && dir < 0) dir += 360;
  state.windFileDirNow = known ? static_cast<int>(dir) : store.windDirection;
  state.windSpeedNow = speed < 0 ? 5.0 : speed;
  state.windTrueDirNow = race::RoundToInt(store.magneticVariation) + state.windFileDirNow;
  state.compassWindText = std::to_string(state.windFileDirNow);
  state.compassWindSpeedText.clear();
  if (known && speed > 0)
    state.compassWindSpeedText = race::FormatGeneral(race::Round(speed * 10) / 10) + "kn";

  const double r = state.compassSize / 2.0 - 4;
  const double a = state.windTrueDirNow * kRad;
  const analysis::Offset m = analysis::Rotate(race::Round(std::sin(a) * r), race::Round(-std::cos(a) * r),
                                              -store.windDirection * kRad, northUp);
  state.windMarkerLeft = race::RoundToInt(state.compassSize / 2.0 + m.x) - 4;
  state.windMarkerTop = race::RoundToInt(state.compassSize / 2.0 + m.y) - 4;
}

namespace {

void AddToFleetExtent(FrameState& state, const race::RaceStore& store, int i) {
  if (store.boatShown[i] <= 0) return;
  state.fleetMaxLat = std::max(state.fleetMaxLat, state.curLat[i]);
  state.fleetMinLat = std::min(state.fleetMinLat, state.curLat[i]);
  state.fleetMaxLon = std::max(state.fleetMaxLon, state.curLon[i]);
  state.fleetMinLon = std::min(state.fleetMinLon, state.curLon[i]);
}

void KeepAtTrackEnd(FrameState& state, const race::RaceStore& store, int i, int fixes) {
  state.boatActive[i] = 1;
  state.curLat[i] = store.trackLat[i][fixes];
  state.curLon[i] = store.trackLon[i][fixes];
  state.curCourse[i] = store.trackCourse[i][fixes];
  state.curSpeed[i] = 0;
  state.curTwa[i] = WrapHalfTurn(state.windTrueDirNow - state.curCourse[i]);
  AddToFleetExtent(state, store, i);
}

}  // namespace

void ComputeBoatStates(FrameState& state, const race::RaceStore& store, double t) {
  if (static_cast<int>(state.curLat.size()) < store.boatCount + 1) ResetFrameState(state, store.boatCount);
  state.fleetMaxLat = -50000, state.fleetMinLat = 50000;
  state.fleetMaxLon = -50000, state.fleetMinLon = 50000;
  for (int i = 1; i <= store.boatCount; ++i) {
    const int fixes = FixesOf(store, i);
    const int j = analysis::FindFixInterval(store.trackTime[i], fixes - 1, state.lastFixIndex[i], t);
    state.boatActive[i] = j > 0 ? 1 : 0;
    if (j == 0) {
      // Past its last fix a boat stays where its track ended, at rest, until the time line ends.
      if (fixes >= 1 && t >= store.trackTime[i][fixes]) KeepAtTrackEnd(state, store, i, fixes);
      continue;
    }
    state.lastFixIndex[i] = j;

    const auto& times = store.trackTime[i];
    const double t0 = times[j];
    const double t1 = times[j + 1];
    const double f = t1 > t0 ? (t - t0) / (t1 - t0) : 0;
    state.curLat[i] = store.trackLat[i][j] + (store.trackLat[i][j + 1] - store.trackLat[i][j]) * f;
    state.curLon[i] = store.trackLon[i][j] + (store.trackLon[i][j + 1] - store.trackLon[i][j]) * f;

    const auto& course = store.trackCourse[i];
    if (t - t0 < 1.0) {
      // The heading turns from the previous fix's course during the first second; fix 1 has none before
      // it and starts from its own course.
      const double previous = j > 1 ? course[j - 1] : course[j];
      double d = course[j] - previous;
      if (d > 180) d -= 360;
      if (d < -180) d += 360;
      double c = previous + (t - t0) * d;
      if (c >= 360) c -= 360;
      if (c < 0) c += 360;
      state.curCourse[i] = race::Round(c);
    } else {
      state.curCourse[i] = course[j];
    }
    state.curSpeed[i] = store.trackSpeed[i][j];
    state.curTwa[i] = WrapHalfTurn(state.windTrueDirNow - state.curCourse[i]);

    AddToFleetExtent(state, store, i);
  }
}

void ComputeFrameView(FrameState& state, const race::RaceStore& store, const analysis::ChartFit& fit,
                      const ViewOptions& options, double traceScale, int mapHeight) {
  // The manual view shows the whole race; so does the fleet view while no shown boat is on its track (all
  // out of focus, or none started yet), rather than a view of 0N 0E.
  if (!options.autoTrace || state.fleetMaxLat < state.fleetMinLat || state.fleetMaxLon < state.fleetMinLon) {
    state.fleetMaxLat = fit.trackMaxLat, state.fleetMinLat = fit.trackMinLat;
    state.fleetMaxLon = fit.trackMaxLon, state.fleetMinLon = fit.trackMinLon;
  }
  const double dLat = std::max(state.fleetMaxLat - state.fleetMinLat, 0.04);
  const double dLon = std::max(state.fleetMaxLon - state.fleetMinLon, 0.05);
  // The larger true extent fills 60 % of the chart height.
  if (dLon * fit.cosMidLatitude <= dLat) {
    state.framePxPerMinuteLat = mapHeight * 0.6 / dLat;
    state.framePxPerMinuteLon = state.framePxPerMinuteLat * fit.cosMidLatitude;
  } else {
    state.framePxPerMinuteLon = mapHeight * 0.6 / dLon;
    state.framePxPerMinuteLat = state.framePxPerMinuteLon / fit.cosMidLatitude;
  }
  const double scale = traceScale >= 1.0 ? traceScale : 1.0;
  state.framePxPerMinuteLat /= scale;
  state.framePxPerMinuteLon /= scale;
  state.framePxPerKm = state.framePxPerMinuteLat / 1.852;

  double length = state.framePxPerMinuteLat * store.boatLength / 1852;
  if (options.bigBoat && length < 14) {
    length = 14;
    state.boatSizeText = "Size Enlarged";
  } else {
    state.boatSizeText = "Real Size";
  }
  if (length < 6) length = 6;
  state.boatLenPx = race::Round(length);

  state.frameCentreLat = (state.fleetMaxLat + state.fleetMinLat) / 2;
  state.frameCentreLon = (state.fleetMaxLon + state.fleetMinLon) / 2;
}

double GridStepFor(double g) {
  double step = g;
  if (g > 0.5) step = 0.5;
  if (g > 1) step = 1;
  if (g > 2) step = 2;
  if (g > 5) step = 5;
  if (g > 10) step = race::Int(g / 10) * 10.0;
  if (step < 0.1) step = 0.05;
  return step;
}

double GridStep(double windowHeight, double framePxPerKm) {
  const int v = race::Int(windowHeight / framePxPerKm * 10);
  return GridStepFor(race::Round(v / 4.0) / 10);
}

void PlaceOverviewDots(FrameState& state, const race::RaceStore& store, const analysis::ChartFit& fit,
                       bool northUp) {
  if (static_cast<int>(state.overviewDots.size()) < store.boatCount + 1) return;
  for (int i = store.boatCount; i >= 1; --i) {
    state.overviewDots[i] =
        ProjectToOverview(state.curLat[i], state.curLon[i], fit, northUp, store.windDirection);
  }
}

}  // namespace view
