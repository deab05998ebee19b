// Sailed distance per leg and the course's leg bearings, lengths and points of sail.
#include "analysis/Legs.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/CoursePoints.h"
#include "analysis/MarkPassings.h"
#include "analysis/Navigation.h"

namespace analysis {

namespace {

constexpr double kNotPassedAbove = 900000.0;  // the sailed-distance step's own test for "not passed"
constexpr double kUpwindBelow = 45;           // degrees off the wind
constexpr double kDownwindAbove = 135;

struct TrackView {
  const race::TimeColumn& t;
  const race::PositionColumn& lat;
  const race::PositionColumn& lon;
  int n;
  double cosMid;

  // Fraction of segment i -> i + 1 at time s; the earlier fix when the two fixes share a time.
  double Fraction(int i, double s) const { return t[i + 1] > t[i] ? (s - t[i]) / (t[i + 1] - t[i]) : 0.0; }
  double LatAt(int i, double f) const { return lat[i] + (lat[i + 1] - lat[i]) * f; }
  double LonAt(int i, double f) const { return lon[i] + (lon[i + 1] - lon[i]) * f; }
  double Length(double lat1, double lon1, double lat2, double lon2) const {
    return SegmentLength(lat1, lon1, lat2, lon2, cosMid);
  }
  // First fix i in [from, n - 1] whose segment to i + 1 holds time s, or 0.
  int SegmentHolding(double s, int from) const {
    for (int i = std::max(from, 1); i < n; ++i) {
      if (t[i] <= s && s < t[i + 1]) return i;
    }
    return 0;
  }
};

double SailedBetween(const TrackView& tr, double a, double b) {
  double distance = 0;
  int first;
  double qLat = 0, qLon = 0;
  const int start = tr.SegmentHolding(a, 1);
  if (start > 0) {
    const double f = tr.Fraction(start, a);
    qLat = tr.LatAt(start, f);
    qLon = tr.LonAt(start, f);
    first = start + 1;
    // Both ends inside one segment: the straight piece between them.
    if (b < tr.t[first]) {
      const double g = tr.Fraction(start, b);
      return tr.Length(qLat, qLon, tr.LatAt(start, g), tr.LonAt(start, g));
    }
    distance = tr.Length(qLat, qLon, tr.lat[first], tr.lon[first]);
  } else {
    // The span begins outside the track: from its first fix when the track begins later, else nothing.
    if (tr.n < 1 || a >= tr.t[tr.n]) return 0;
    first = 1;
  }
  int last = tr.n;
  const int end = tr.SegmentHolding(b, first);
  if (end > 0) {
    const double f = tr.Fraction(end, b);
    distance += tr.Length(tr.lat[end], tr.lon[end], tr.LatAt(end, f), tr.LonAt(end, f));
    last = end;
  }
  for (int i = first; i < last; ++i)
    distance += tr.Length(tr.lat[i], tr.lon[i], tr.lat[i + 1], tr.lon[i + 1]);
  return distance;
}

}  // namespace

void ComputeLegSailedDistances(race::RaceStore& store, double cosMidLatitude) {
  SizeAnalysisTables(store);
  const int count = store.courseCount;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.trackTime.size()) - 1);
  for (int b = 1; b <= std::max(store.boatCount, 0); ++b) {
    std::fill(store.legSailedMetres[b].begin(), store.legSailedMetres[b].end(), 0.0);
  }
  if (count < 1) return;
  for (int b = 1; b <= boats; ++b) {
    const auto& times = store.markTime[b];
    if (!(times[count] < kPassedBelow)) continue;
    const int n = std::min({store.fixCount[b], static_cast<int>(store.trackTime[b].size()) - 1,
                            static_cast<int>(store.trackLat[b].size()) - 1,
                            static_cast<int>(store.trackLon[b].size()) - 1});
    const TrackView tr{store.trackTime[b], store.trackLat[b], store.trackLon[b], std::max(n, 0),
                       cosMidLatitude};
    for (int j = 1; j <= count; ++j) {
      const double a = (j == 1 || j == count) ? 0.0 : times[j];
      const double bEnd = j < count ? times[j + 1] : times[count];
      const bool missed = times[j] > kNotPassedAbove || (j < count && times[j + 1] > kNotPassedAbove);
      store.legSailedMetres[b][j] = missed ? 0.0 : SailedBetween(tr, a, bEnd);
    }
  }
}

LegKind PointOfSail(double legBearing, double magneticVariation, int windDirection) {
  double r = legBearing - magneticVariation;
  if (r < 0) r += 360;
  if (r > 360) r -= 360;
  r -= windDirection;
  if (r > 180) r -= 360;
  if (r < -180) r += 360;
  const double a = std::fabs(r);
  if (a < kUpwindBelow) return kUpwind;
  if (a > kDownwindAbove) return kDownwind;
  return kReach;
}

void ComputeCourseLegs(race::RaceStore& store, double cosMidLatitude) {
  const std::vector<CoursePoint> course = ResolveCourse(store);
  SizeAnalysisTables(store);
  const int count = static_cast<int>(course.size()) - 1;
  const double metresPerMinuteLon = kMetresPerMinuteLat * cosMidLatitude;
  double total = 0;
  for (int k = 1; k < count; ++k) {
    const CoursePoint& from = course[k];
    const CoursePoint& to = course[k + 1];
    double east = 0, south = 0;
    if (from.exists && to.exists) {
      const double toLat = to.isLine ? (to.lat + to.lat2) / 2 : to.lat;
      const double toLon = to.isLine ? (to.lon + to.lon2) / 2 : to.lon;
      east = (toLon - from.lon) * metresPerMinuteLon;
      south = (from.lat - toLat) * kMetresPerMinuteLat;
    }
    store.legBearing[k] = Bearing(east, south);
    store.legLengthMetres[k] = std::sqrt(east * east + south * south);
    store.legKind[k] = PointOfSail(store.legBearing[k], store.magneticVariation, store.windDirection);
    total += store.legLengthMetres[k];
  }
  if (count >= 1) store.legLengthMetres[count] = total;
}

}  // namespace analysis
