// Small races for the playback tests: boats on straight tracks with finish times, built in code.
#pragma once

#include <string>
#include <vector>

#include "race/RaceStore.h"

namespace playbacktest {

// A race of boatCount boats sailing north one fix a second from -200 s to 1000 s, with a three-point
// course (start, one mark, finish) whose finish times are given per boat (kNotPassed for none).
inline race::RaceStore Race(const std::vector<double>& finishTimes) {
  race::RaceStore store;
  store.timelineStart = -200;
  store.timelineEnd = 1000;
  store.startTime = 45000.5;  // 2023-03-15 12:00
  store.windDirection = 0;
  store.lineCount = 1;
  store.courseCount = 3;
  store.courseMark[1] = "L1";
  store.courseMark[2] = "MK1";
  store.courseMark[3] = "L1";
  const int count = static_cast<int>(finishTimes.size());
  store.boatCount = count;
  race::ForEachTrackChannel(store, [&](auto& channel) {
    channel.assign(static_cast<size_t>(count) + 2, std::vector<double>(1202));
  });
  store.firstArrivalTime[3] = race::kNotPassed;
  for (int b = 1; b <= count; ++b) {
    store.boatName[b] = "Boat" + std::to_string(b);
    store.boatShown[b] = 1;
    store.fixCount[b] = 1201;
    store.fixInterval[b] = 1;
    for (int j = 1; j <= 1201; ++j) {
      store.trackTime[b][j] = -201 + j;
      store.trackLat[b][j] = 2100 + j * 0.001;
      store.trackLon[b][j] = 8200 + b * 0.01;
      store.trackSpeed[b][j] = 5;
    }
    store.markTime[b][3] = finishTimes[b - 1];
    store.markTime[b][2] = 300 + b;
    if (finishTimes[b - 1] < store.firstArrivalTime[3]) store.firstArrivalTime[3] = finishTimes[b - 1];
  }
  store.firstArrivalTime[2] = 301;
  store.maxBoatSpeed = 8;
  return store;
}

}  // namespace playbacktest
