// Builds small races in a store for the analysis tests: boats with tracks, marks, lines and a course.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "race/RaceStore.h"

namespace analysistest {

struct Fix {
  double t, lat, lon;
};

inline int AddBoat(race::RaceStore& store, const std::vector<Fix>& fixes) {
  const int b = ++store.boatCount;
  race::ForEachTrackChannel(store, [&](auto& channel) {
    if (static_cast<int>(channel.size()) < b + 2) channel.resize(b + 2);
    channel[b].assign(fixes.size() + 1, 0.0);
  });
  for (std::size_t i = 0; i < fixes.size(); ++i) {
    store.trackTime[b][i + 1] = fixes[i].t;
    store.trackLat[b][i + 1] = fixes[i].lat;
    store.trackLon[b][i + 1] = fixes[i].lon;
  }
  store.fixCount[b] = static_cast<int>(fixes.size());
  return b;
}

inline int AddMark(race::RaceStore& store, double lat, double lon) {
  const int m = ++store.markCount;
  store.markLat[m] = lat;
  store.markLon[m] = lon;
  return m;
}

inline int AddLine(race::RaceStore& store, double lat1, double lon1, double lat2, double lon2) {
  const int l = ++store.lineCount;
  store.lineLat1[l] = lat1;
  store.lineLon1[l] = lon1;
  store.lineLat2[l] = lat2;
  store.lineLon2[l] = lon2;
  return l;
}

inline void SetCourse(race::RaceStore& store, std::initializer_list<std::string> designators) {
  store.courseCount = 0;
  for (const auto& d : designators) {
    if (static_cast<int>(store.courseMark.size()) <= store.courseCount + 1)
      store.courseMark.resize(store.courseCount + 2);
    store.courseMark[++store.courseCount] = d;
  }
}

// A boat sailing north at lon 0.5 from lat 99.875, one fix per 10 s from time offset: fix i is at
// 100 + (i - 3) * kNorthStep. The step is exact in binary, so fixes land on the lines of NorthRace.
inline constexpr double kNorthStep = 0.0625;

inline std::vector<Fix> NorthTrack(int fixes, double offset = 0, double lon = 0.5) {
  std::vector<Fix> track;
  for (int i = 0; i < fixes; ++i) track.push_back({offset + i * 10.0, 99.875 + i * kNorthStep, lon});
  return track;
}

// Start line across lat 100, a mark at lat 102 a little east of the track, a finish line across lat
// 103.03125.
inline race::RaceStore NorthRace() {
  race::RaceStore store;
  store.timelineEnd = 10000;
  AddLine(store, 100, 0, 100, 1);
  AddLine(store, 103.03125, 0, 103.03125, 1);
  AddMark(store, 102, 0.65);
  SetCourse(store, {"L1", "MK1", "L2"});
  return store;
}

}  // namespace analysistest
