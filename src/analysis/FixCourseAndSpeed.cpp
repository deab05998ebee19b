// Per-fix course and speed: course to the next fix, speed over a window of up to three segments.
#include "analysis/FixCourseAndSpeed.h"

#include <algorithm>
#include <vector>

#include "analysis/Navigation.h"
#include "race/Numbers.h"

namespace analysis {

namespace {

constexpr int kMinimumFixes = 6;
constexpr double kKnotsPerMetrePerSecond = 3.6 / 1.852;

void EnsureLength(std::vector<double>& channel, int n) {
  if (static_cast<int>(channel.size()) < n + 1) channel.resize(n + 1);
}

}  // namespace

void ComputeFixCourseAndSpeed(race::RaceStore& store, double cosMidLatitude) {
  const double metresPerMinuteLon = kMetresPerMinuteLat * cosMidLatitude;
  store.maxBoatSpeed = 0;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.trackTime.size()) - 1);
  if (static_cast<int>(store.trackSpeed.size()) < boats + 2) store.trackSpeed.resize(boats + 2);
  if (static_cast<int>(store.trackCourse.size()) < boats + 2) store.trackCourse.resize(boats + 2);
  std::vector<double> segment;
  for (int b = 1; b <= boats; ++b) {
    const auto& t = store.trackTime[b];
    const auto& lat = store.trackLat[b];
    const auto& lon = store.trackLon[b];
    const int n = std::min({store.fixCount[b], static_cast<int>(t.size()) - 1,
                            static_cast<int>(lat.size()) - 1, static_cast<int>(lon.size()) - 1});
    auto& course = store.trackCourse[b];
    auto& speed = store.trackSpeed[b];
    EnsureLength(course, n);
    EnsureLength(speed, n);
    std::fill(course.begin(), course.end(), 0.0);
    std::fill(speed.begin(), speed.end(), 0.0);
    if (n < kMinimumFixes) continue;

    // segment[i] is the length from fix i to fix i + 1.
    segment.assign(n + 1, 0.0);
    for (int i = 1; i < n; ++i)
      segment[i] = SegmentLength(lat[i], lon[i], lat[i + 1], lon[i + 1], cosMidLatitude);

    for (int i = 1; i < n; ++i) {
      const double east = (lon[i + 1] - lon[i]) * metresPerMinuteLon;
      const double south = -(lat[i + 1] - lat[i]) * kMetresPerMinuteLat;
      if (east == 0 && south == 0 && i > 1) {
        course[i] = course[i - 1];  // a boat standing still keeps its heading
      } else {
        course[i] = race::Round(Bearing(east, south));
      }

      const int lo = std::max(i - 1, 1);
      const int hi = std::min(i + 2, n);
      double distance = 0;
      for (int s = lo; s < hi; ++s) distance += segment[s];
      const double dt = t[hi] - t[lo];
      if (dt > 0) {
        speed[i] = distance / dt * kKnotsPerMetrePerSecond;
        if (speed[i] > store.maxBoatSpeed && speed[i] < kMaxPlausibleBoatSpeed) store.maxBoatSpeed = speed[i];
      }
    }
  }
}

}  // namespace analysis
