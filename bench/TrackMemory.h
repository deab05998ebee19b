// What the benchmarks of track loading share: the bytes a loaded race's fix channels hold, and the peak
// resident memory of the process.
#pragma once

#include <sys/resource.h>

#include <cstddef>

#include "race/RaceStore.h"

namespace benchsupport {

// Bytes the five fix channels of every boat hold (room reserved and not used included) per fix kept.
inline double TrackBytesPerFix(const race::RaceStore& store) {
  double bytes = 0, fixes = 0;
  race::ForEachTrackChannel(store, [&](const auto& channel) {
    for (const auto& boat : channel) bytes += static_cast<double>(boat.capacity() * sizeof(boat.raw()[0]));
  });
  for (int b = 1; b <= store.boatCount; ++b) fixes += store.fixCount[b];
  return fixes > 0 ? bytes / fixes : 0;
}

inline double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;
}

inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace benchsupport
