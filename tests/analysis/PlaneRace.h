// Races laid out in metres for the leaderboard and manoeuvre tests: a start line across the origin, a
// windward mark 1000 m north in a northerly wind, and the finish back on the start line.
#pragma once

#include <cmath>
#include <vector>

#include "analysis/Legs.h"
#include "analysis/RaceBuilder.h"

namespace analysistest {

inline constexpr double kOriginLat = 2000, kOriginLon = 8000;  // minutes of arc

inline double CosOrigin() {
  return std::cos(kOriginLat / 60 * 3.14159265358979323846 / 180);
}

// A fix east and north metres from the origin.
inline Fix At(double t, double east, double north) {
  return {t, kOriginLat + north / 1852, kOriginLon + east / (1852 * CosOrigin())};
}

// Gun at 0; the passing tables filled by hand: markTime[b][k] = times[b][k - 1], the rest unpassed.
inline race::RaceStore WindwardReturn() {
  race::RaceStore store;
  store.windDirection = 0;
  AddLine(store, kOriginLat, kOriginLon - 100 / (1852 * CosOrigin()), kOriginLat,
          kOriginLon + 100 / (1852 * CosOrigin()));
  AddMark(store, kOriginLat + 1000 / 1852.0, kOriginLon);
  SetCourse(store, {"L1", "MK1", "L1"});
  store.legKind[1] = analysis::kUpwind;
  store.legKind[2] = analysis::kDownwind;
  store.legBearing[1] = 0;
  store.legBearing[2] = 180;
  store.legLengthMetres[1] = store.legLengthMetres[2] = 1000;
  store.legLengthMetres[3] = 2000;
  for (auto& row : store.markTime) row.assign(row.size(), race::kNotPassed);
  store.firstArrivalTime.assign(store.firstArrivalTime.size(), race::kNotPassed);
  return store;
}

inline void SetPassings(race::RaceStore& store, int b, const std::vector<double>& times) {
  for (std::size_t k = 0; k < times.size(); ++k) {
    store.markTime[b][k + 1] = times[k];
    store.firstArrivalTime[k + 1] = std::min(store.firstArrivalTime[k + 1], times[k]);
  }
}

}  // namespace analysistest
