// Per-fix course and speed. A track logged once a second takes its course to the next fix and its speed over
// up to three segments around the fix; a faster log measures both over the same spans of time (at least a
// second to the course's far fix, a second back and two ahead for the speed), walking the track in steps of
// at least a second, so that the centimetres of noise between fixes a tenth of a second apart neither turn
// the course nor add to the distance.
#include "analysis/FixCourseAndSpeed.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/Navigation.h"
#include "race/Numbers.h"

namespace analysis {

namespace {

constexpr int kMinimumFixes = 6;
constexpr double kKnotsPerMetrePerSecond = 3.6 / 1.852;
constexpr double kStepSeconds = 1;        // the shortest span a course or a speed is measured over
constexpr double kSpeedBackSeconds = 1;   // the speed window reaches this far before the fix
constexpr double kSpeedAheadSeconds = 2;  // and this far after it

// A boat's fixes 1..n as doubles: each value is read several times, and reading a compact column divides.
struct BoatTrack {
  const double* t;
  const double* lat;
  const double* lon;
  int n;
  double cosMid;

  double Segment(int a, int b) const { return SegmentLength(lat[a], lon[a], lat[b], lon[b], cosMid); }
};

bool WholeSeconds(const race::TimeColumn& t, int n) {
  const auto& ms = t.raw();
  for (int i = 1; i <= n; ++i)
    if (ms[i] % 1000 != 0) return false;
  return true;
}

// Course (whole degrees) from fix i to fix j; a boat standing still keeps the heading it had.
double CourseBetween(const BoatTrack& track, int i, int j, double previous, double metresPerMinuteLon) {
  const double east = (track.lon[j] - track.lon[i]) * metresPerMinuteLon;
  const double south = -(track.lat[j] - track.lat[i]) * kMetresPerMinuteLat;
  if (east == 0 && south == 0 && i > 1) return previous;
  return race::Round(Bearing(east, south));
}

void NoteTopSpeed(race::RaceStore& store, double knots) {
  if (knots > store.maxBoatSpeed && knots < kMaxPlausibleBoatSpeed) store.maxBoatSpeed = knots;
}

// One fix after another: a log of whole seconds.
void ByFixes(race::RaceStore& store, const BoatTrack& track, race::MotionColumn& course,
             race::MotionColumn& speed, double metresPerMinuteLon, std::vector<double>& segment) {
  const int n = track.n;
  segment.assign(n + 1, 0.0);  // segment[i] is the length from fix i to fix i + 1
  for (int i = 1; i < n; ++i) segment[i] = track.Segment(i, i + 1);
  for (int i = 1; i < n; ++i) {
    course[i] = CourseBetween(track, i, i + 1, course[i - 1], metresPerMinuteLon);
    const int lo = std::max(i - 1, 1);
    const int hi = std::min(i + 2, n);
    double distance = 0;
    for (int s = lo; s < hi; ++s) distance += segment[s];
    const double dt = track.t[hi] - track.t[lo];
    if (dt > 0) {
      const double knots = distance / dt * kKnotsPerMetrePerSecond;
      speed[i] = knots;
      NoteTopSpeed(store, knots);
    }
  }
}

// Spans of time: a log of fractions of a second.
void BySeconds(race::RaceStore& store, const BoatTrack& track, race::MotionColumn& course,
               race::MotionColumn& speed, double metresPerMinuteLon, std::vector<int>& step,
               std::vector<double>& stepLength) {
  const int n = track.n;
  const auto& t = track.t;
  // step[k]: the first fix at least a second after fix k (n when none is); stepLength[k] the way there.
  step.assign(n + 1, n);
  stepLength.assign(n + 1, 0.0);
  for (int k = 1, j = 1; k < n; ++k) {
    j = std::max(j, k + 1);
    while (j < n && t[j] - t[k] < kStepSeconds) ++j;
    step[k] = j;
    stepLength[k] = track.Segment(k, j);
  }
  int lo = 1, hi = 1;
  for (int i = 1; i < n; ++i) {
    // In the last second of the track the span reaches back instead.
    int from = i;
    while (from > 1 && t[step[i]] - t[from] < kStepSeconds) --from;
    course[i] = CourseBetween(track, from, step[i], course[i - 1], metresPerMinuteLon);
    while (lo < i && t[lo + 1] <= t[i] - kSpeedBackSeconds) ++lo;
    hi = std::max(hi, i + 1);
    while (hi < n && t[hi] < t[i] + kSpeedAheadSeconds) ++hi;
    double distance = 0;
    int k = lo;
    while (step[k] < hi) {
      distance += stepLength[k];
      k = step[k];
    }
    distance += track.Segment(k, hi);
    const double dt = t[hi] - t[lo];
    if (dt > 0) {
      const double knots = distance / dt * kKnotsPerMetrePerSecond;
      speed[i] = knots;
      NoteTopSpeed(store, knots);
    }
  }
}

}  // namespace

void ComputeFixCourseAndSpeed(race::RaceStore& store, double cosMidLatitude) {
  const double metresPerMinuteLon = kMetresPerMinuteLat * cosMidLatitude;
  store.maxBoatSpeed = 0;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.trackTime.size()) - 1);
  if (static_cast<int>(store.trackSpeed.size()) < boats + 2) store.trackSpeed.resize(boats + 2);
  if (static_cast<int>(store.trackCourse.size()) < boats + 2) store.trackCourse.resize(boats + 2);
  std::vector<double> lengths, times, lats, lons;
  std::vector<int> steps;
  for (int b = 1; b <= boats; ++b) {
    const auto& t = store.trackTime[b];
    const auto& lat = store.trackLat[b];
    const auto& lon = store.trackLon[b];
    const int n = std::min({store.fixCount[b], static_cast<int>(t.size()) - 1,
                            static_cast<int>(lat.size()) - 1, static_cast<int>(lon.size()) - 1});
    auto& course = store.trackCourse[b];
    auto& speed = store.trackSpeed[b];
    for (auto* channel : {&course, &speed}) {
      const std::size_t size =
          std::max<std::size_t>(channel->size(), static_cast<std::size_t>(std::max(n, 0)) + 1);
      channel->assign(size, 0.0);
    }
    if (n < kMinimumFixes) continue;
    const auto last = static_cast<std::size_t>(n);
    const BoatTrack track{t.Decoded(last, times), lat.Decoded(last, lats), lon.Decoded(last, lons), n,
                          cosMidLatitude};
    if (WholeSeconds(t, n)) {
      ByFixes(store, track, course, speed, metresPerMinuteLon, lengths);
    } else {
      BySeconds(store, track, course, speed, metresPerMinuteLon, steps, lengths);
    }
  }
}

}  // namespace analysis
