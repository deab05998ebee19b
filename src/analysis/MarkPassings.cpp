// Mark passing detection: line crossings, closest approach to marks, first arrivals, finish places, trimming.
#include "analysis/MarkPassings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/CoursePoints.h"
#include "race/Numbers.h"

namespace analysis {

namespace {

constexpr double kProximityRadius = 0.2;  // minutes of arc, raw (no cosine factor)
constexpr double kLeaveDistance = 0.1;    // minutes farther than the closest approach end the search
constexpr double kStartWindowFraction =
    0.2;  // a start crossing must come in the first fifth of the time line
constexpr double kTrimSeconds = 60;

struct Track {
  const std::vector<double>& t;
  const std::vector<double>& lat;
  const std::vector<double>& lon;
  int n;
};

Track TrackOf(const race::RaceStore& store, int b) {
  const int n = std::min({store.fixCount[b], static_cast<int>(store.trackTime[b].size()) - 1,
                          static_cast<int>(store.trackLat[b].size()) - 1,
                          static_cast<int>(store.trackLon[b].size()) - 1});
  return {store.trackTime[b], store.trackLat[b], store.trackLon[b], std::max(n, 0)};
}

// The line through both ends in raw minutes; the side value changes sign where a track crosses it.
struct LineSide {
  double lat1, lon1, lat2, lon2, length, slope = 0, intercept = 0;

  explicit LineSide(const CoursePoint& p) : lat1(p.lat), lon1(p.lon), lat2(p.lat2), lon2(p.lon2) {
    length = std::sqrt((lat2 - lat1) * (lat2 - lat1) + (lon2 - lon1) * (lon2 - lon1));
    if (lon2 != lon1) {
      slope = (lat2 - lat1) / (lon2 - lon1);
      intercept = lat1 - slope * lon1;
    }
  }
  double Side(double lat, double lon) const {
    return slope == 0 && intercept == 0 ? lon - lon1 : slope * lon + intercept - lat;
  }
  bool BetweenEnds(double lat, double lon) const {
    const double d1 = std::sqrt((lat - lat1) * (lat - lat1) + (lon - lon1) * (lon - lon1));
    const double d2 = std::sqrt((lat - lat2) * (lat - lat2) + (lon - lon2) * (lon - lon2));
    return d1 < length && d2 < length;
  }
};

void FindCrossing(const race::RaceStore& store, const LineSide& line, int k, int b,
                  std::vector<int>& searchFrom, double& markTime) {
  const Track tr = TrackOf(store, b);
  int from, to;
  if (k == 1) {
    searchFrom[b] = 1;
    from = 1;
    to = race::RoundToInt(tr.n / 2.0) - 1;
  } else {
    from = searchFrom[b] + 1;
    to = tr.n - 1;
  }
  for (int i = from; i <= to; ++i) {
    const double s1 = line.Side(tr.lat[i], tr.lon[i]);
    const double s2 = line.Side(tr.lat[i + 1], tr.lon[i + 1]);
    if (s1 * s2 <= 0) {
      double f = s1 == s2 ? 0.0 : std::fabs(s1 / (s2 - s1));
      if (f > 1) f = 0;
      markTime = tr.t[i] + (tr.t[i + 1] - tr.t[i]) * f;
      searchFrom[b] = i + 1;
      const double pLat = tr.lat[i] + (tr.lat[i + 1] - tr.lat[i]) * f;
      const double pLon = tr.lon[i] + (tr.lon[i + 1] - tr.lon[i]) * f;
      if (line.BetweenEnds(pLat, pLon)) return;
      markTime = race::kNotPassed;
    }
    if (k == 1 && kStartWindowFraction * store.timelineEnd < tr.t[i]) return;
  }
}

void FindClosestApproach(const race::RaceStore& store, const CoursePoint& p, int k, int b,
                         std::vector<int>& searchFrom, double& markTime) {
  const Track tr = TrackOf(store, b);
  int from, to;
  if (k == 1) {
    from = 1;
    to = race::RoundToInt(tr.n / 2.0);
  } else {
    if (store.markTime[b][k - 1] > kPassedBelow)
      searchFrom[b] = 1;  // previous point missed: search from the top
    from = searchFrom[b];
    to = tr.n - 1;
  }
  double best = kProximityRadius;
  for (int i = std::max(from, 1); i <= to; ++i) {
    const double dLat = p.lat - tr.lat[i], dLon = p.lon - tr.lon[i];
    const double d = std::sqrt(dLat * dLat + dLon * dLon);
    if (d < best) {
      best = d;
      markTime = race::Round(tr.t[i]);
      searchFrom[b] = i + 1;
    }
    if (best < kProximityRadius && best + kLeaveDistance < d) return;
  }
}

}  // namespace

void DetectMarkPassings(race::RaceStore& store) {
  const std::vector<CoursePoint> course = ResolveCourse(store);
  SizeAnalysisTables(store);
  const int count = static_cast<int>(course.size()) - 1;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.trackTime.size()) - 1);
  std::vector<int> searchFrom(std::max(boats, 0) + 1, 1);
  for (int b = 1; b <= boats; ++b) {
    std::fill(store.markTime[b].begin(), store.markTime[b].end(), race::kNotPassed);
  }

  for (int k = 1; k <= count; ++k) {
    const CoursePoint& p = course[k];
    if (!p.exists) continue;  // a mark or line the race file lacks is never passed
    if (p.isLine) {
      const LineSide line(p);
      for (int b = 1; b <= boats; ++b) FindCrossing(store, line, k, b, searchFrom, store.markTime[b][k]);
    }
    if (k == count) continue;  // the finish is found by crossing only
    for (int b = 1; b <= boats; ++b) {
      if (store.markTime[b][k] > kPassedBelow)
        FindClosestApproach(store, p, k, b, searchFrom, store.markTime[b][k]);
    }
  }

  // A boat that left out a course point did not sail the course: its crossing of the finish line is no
  // finish, so it gets no place among the finishers.
  for (int b = 1; b <= boats; ++b) {
    for (int k = 1; k < count; ++k) {
      if (course[k].exists && store.markTime[b][k] > kPassedBelow)
        store.markTime[b][count] = race::kNotPassed;
    }
  }

  // A point nobody passed reads as not passed, rather than keeping what an earlier race left there.
  std::fill(store.firstArrivalTime.begin(), store.firstArrivalTime.end(), race::kNotPassed);
  for (int k = 1; k <= count; ++k) {
    double best = 1000000.0;
    for (int b = 1; b <= boats; ++b) {
      if (store.markTime[b][k] < best) {
        best = store.markTime[b][k];
        store.firstArrivalTime[k] = best;
      }
    }
  }

  for (int b = 1; b <= boats; ++b) {
    int rank = 1;
    if (count >= 1) {
      for (int c = 1; c <= boats; ++c) {
        if (store.markTime[c][count] < store.markTime[b][count]) ++rank;
      }
    }
    store.finishRank[b] = rank;
  }
}

void TrimAfterFinish(race::RaceStore& store) {
  const int count = std::min<int>(store.courseCount, static_cast<int>(store.markTime[0].size()) - 1);
  if (count < 1) return;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.trackTime.size()) - 1);
  for (int b = 1; b <= boats; ++b) {
    const double finish = store.markTime[b][count];
    if (!(finish < kPassedBelow)) continue;
    const Track tr = TrackOf(store, b);
    for (int i = tr.n; i >= 1; --i) {
      if (tr.t[i] < finish + kTrimSeconds) {
        store.fixCount[b] = i;
        break;
      }
    }
  }
}

}  // namespace analysis
