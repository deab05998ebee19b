// Tacks and gybes from the track: the course over ground, smoothed over a few seconds so the logger's noise
// does not turn it, is compared with the wind; a change of side that holds is a manoeuvre.
#include "analysis/Manoeuvres.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/MarkPassings.h"
#include "analysis/Navigation.h"

namespace analysis {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKnot = 1852.0 / 3600.0;  // metres per second
constexpr double kSmoothSeconds = 2;       // course from the fixes this long either side
constexpr double kHoldSeconds = 10;        // a new side must hold this long to count
constexpr double kMovingKnots = 1.5;       // slower, the course says nothing about the wind

double Signed(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

double Made(PlaneSpot from, PlaneSpot to, double bearing) {
  const double r = bearing * kPi / 180;
  return (to.east - from.east) * std::sin(r) + (to.north - from.north) * std::cos(r);
}

double Distance(PlaneSpot a, PlaneSpot b) {
  return std::hypot(b.east - a.east, b.north - a.north);
}

// The boat's track in metres, with its position at any time by straight lines between fixes.
class PlaneTrack {
 public:
  PlaneTrack(const race::RaceStore& store, int b) : t_(store.trackTime[b]) {
    n_ = std::min({store.fixCount[b], static_cast<int>(t_.size()) - 1,
                   static_cast<int>(store.trackLat[b].size()) - 1,
                   static_cast<int>(store.trackLon[b].size()) - 1});
    if (n_ < 1) return;
    const double cosLat = std::cos(store.trackLat[b][1] / 60 * kPi / 180);
    spots_.resize(n_ + 1);
    for (int i = 1; i <= n_; ++i)
      spots_[i] = {store.trackLon[b][i] * kMetresPerMinuteLat * cosLat,
                   store.trackLat[b][i] * kMetresPerMinuteLat};
  }
  int size() const { return n_; }
  double time(int i) const { return t_[i]; }
  PlaneSpot spot(int i) const { return spots_[i]; }
  PlaneSpot At(double t) const {
    if (t <= t_[1]) return spots_[1];
    if (t >= t_[n_]) return spots_[n_];
    const int i = static_cast<int>(t_.UpperBound(1, n_ + 1, t)) - 1;
    const double span = t_[i + 1] - t_[i];
    const double f = span > 0 ? (t - t_[i]) / span : 0;
    return {spots_[i].east + (spots_[i + 1].east - spots_[i].east) * f,
            spots_[i].north + (spots_[i + 1].north - spots_[i].north) * f};
  }

 private:
  const race::TimeColumn& t_;
  int n_ = 0;
  std::vector<PlaneSpot> spots_;
};

struct Heading {
  double course = 0, knots = 0;
};

// Course and speed at fix i over the fixes kSmoothSeconds either side.
Heading SmoothedHeading(const PlaneTrack& track, int i) {
  int lo = i, hi = i;
  while (lo > 1 && track.time(i) - track.time(lo) < kSmoothSeconds) --lo;
  while (hi < track.size() && track.time(hi) - track.time(i) < kSmoothSeconds) ++hi;
  const double dt = track.time(hi) - track.time(lo);
  if (dt <= 0) return {};
  const double east = track.spot(hi).east - track.spot(lo).east;
  const double north = track.spot(hi).north - track.spot(lo).north;
  return {Bearing(east, -north), std::hypot(east, north) / dt / kKnot};
}

}  // namespace

double TrueWindAt(const race::RaceStore& store, double t) {
  double magnetic = store.windDirection;
  const int n = std::min<int>(store.windCount, static_cast<int>(store.windTime.size()) - 1);
  if (n >= 1 && static_cast<int>(store.windDir.size()) > n) {
    int i = 1;
    while (i < n && store.windTime[i + 1] <= t) ++i;
    magnetic = store.windDir[i];
    if (i < n && t > store.windTime[i] && store.windTime[i + 1] > store.windTime[i]) {
      const double f = (t - store.windTime[i]) / (store.windTime[i + 1] - store.windTime[i]);
      magnetic += Signed(store.windDir[i + 1] - store.windDir[i]) * f;
    }
  }
  return NormaliseDegrees(std::fmod(magnetic + store.magneticVariation + 720.0, 360.0));
}

Manoeuvre MeasureManoeuvre(const SpotAt& spotAt, double t0, double axis, const std::vector<double>& breaks) {
  Manoeuvre m;
  m.seconds = t0;
  const double steady = kSteadyFromSeconds - kSteadyToSeconds;
  const PlaneSpot before = spotAt(t0 - kSteadyFromSeconds);
  const double start = t0 - kSteadyToSeconds;
  const PlaneSpot atStart = spotAt(start);
  const double vmgBefore = Made(before, atStart, axis) / steady;
  m.speedBefore = Distance(before, atStart) / steady / kKnot;
  double end = t0 + kLongestManoeuvre;
  bool recovered = false;
  m.speedLowest = m.speedBefore;
  PlaneSpot last = atStart;
  for (double t = start + 1; t <= t0 + kLongestManoeuvre; t += 1) {
    const PlaneSpot here = spotAt(t);
    m.speedLowest = std::min(m.speedLowest, Distance(last, here) / kKnot);
    last = here;
    if (t >= t0 + kRecoveryWindow &&
        Made(spotAt(t - kRecoveryWindow), here, axis) / kRecoveryWindow >= kRecoveredShare * vmgBefore) {
      end = t;
      recovered = true;
      break;
    }
  }
  m.durationSeconds = end - start;
  m.speedAfter = Distance(spotAt(end), spotAt(end + steady)) / steady / kKnot;
  m.metresLost = vmgBefore * m.durationSeconds - Made(atStart, spotAt(end), axis);
  const bool broken = std::any_of(breaks.begin(), breaks.end(), [&](double at) {
    return at != t0 && at >= t0 - kSteadyFromSeconds && at <= end;
  });
  if (!recovered || broken) m.durationSeconds = m.metresLost = std::numeric_limits<double>::quiet_NaN();
  return m;
}

std::vector<Manoeuvre> DetectManoeuvres(const race::RaceStore& store, int b) {
  std::vector<Manoeuvre> found;
  if (b < 1 || b >= static_cast<int>(store.trackTime.size())) return found;
  const PlaneTrack track(store, b);
  if (track.size() < 6) return found;
  const int last = store.courseCount;
  const bool started = last >= 1 && store.markTime[b][1] < kPassedBelow;
  const bool finished = last >= 2 && store.markTime[b][last] < kPassedBelow;
  const double from = started ? std::max(0.0, store.markTime[b][1]) : 0.0;
  const double to = finished ? store.markTime[b][last] : track.time(track.size());

  int side = 0;              // the side the wind is on that the boat has held: +1 or -1, 0 not yet known
  int runSide = 0;           // the side of the current run of fixes
  double runStart = 0;       // when the current run began: the crossing into it
  bool runByBow = true;      // whether that crossing was through the wind rather than its reciprocal
  double previousAngle = 0;  // signed angle of the wind off the bow at the previous moving fix
  double previousTime = 0;
  const SpotAt spotAt = [&track](double t) { return track.At(t); };
  std::vector<double> breaks;
  for (int k = 1; k <= last; ++k)
    if (store.markTime[b][k] < kPassedBelow) breaks.push_back(store.markTime[b][k]);
  for (int i = 1; i <= track.size(); ++i) {
    const double t = track.time(i);
    if (t < from || t > to) continue;
    const Heading h = SmoothedHeading(track, i);
    if (h.knots < kMovingKnots) continue;
    const double wind = TrueWindAt(store, t);
    const double angle = Signed(h.course - wind);
    const int here = angle >= 0 ? 1 : -1;
    if (here != runSide) {
      if (runSide != 0) {
        // Where between the two fixes the course crossed: through the bow when both lie forward of abeam.
        runByBow = std::fabs(angle) + std::fabs(previousAngle) < 180;
        const double gap = runByBow ? std::fabs(previousAngle) : 180 - std::fabs(previousAngle);
        const double sweep = runByBow ? std::fabs(previousAngle) + std::fabs(angle)
                                      : 360 - std::fabs(previousAngle) - std::fabs(angle);
        runStart = previousTime + (t - previousTime) * (sweep > 0 ? gap / sweep : 0.5);
      } else {
        runStart = t;
      }
      runSide = here;
    }
    if (runSide != side && t - runStart >= kHoldSeconds) {
      if (side != 0) {
        const double crossingWind = TrueWindAt(store, runStart);
        Manoeuvre m =
            MeasureManoeuvre(spotAt, runStart, runByBow ? crossingWind : crossingWind + 180, breaks);
        m.kind = runByBow ? ManoeuvreKind::Tack : ManoeuvreKind::Gybe;
        found.push_back(m);
        breaks.push_back(runStart);
      }
      side = runSide;
    }
    previousAngle = angle;
    previousTime = t;
  }
  return found;
}

}  // namespace analysis
