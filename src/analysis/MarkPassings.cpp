// Mark passing detection: line crossings, closest approach to marks, first arrivals, finish places, trimming.
#include "analysis/MarkPassings.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
constexpr double kNoStop = std::numeric_limits<double>::infinity();

struct Track {
  const race::TimeColumn& t;
  const race::PositionColumn& lat;
  const race::PositionColumn& lon;
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

// The first fix at or after the gun: the searches for every point after the start look from there on.
int FirstFixAtGun(const Track& tr) {
  int i = 1;
  while (i <= tr.n && tr.t[i] < 0) ++i;
  return i;
}

// Looks for a crossing between the ends on the segments i -> i + 1, i = from..to. An accepted crossing sets
// markTime and moves searchFrom past it; a crossing outside the ends is no passing and moves nothing.
void FindCrossing(const Track& tr, const LineSide& line, int from, int to, double stopAfter, int& searchFrom,
                  double& markTime) {
  for (int i = std::max(from, 1); i <= to; ++i) {
    const double s1 = line.Side(tr.lat[i], tr.lon[i]);
    const double s2 = line.Side(tr.lat[i + 1], tr.lon[i + 1]);
    if (s1 * s2 <= 0) {
      double f = s1 == s2 ? 0.0 : std::fabs(s1 / (s2 - s1));
      if (f > 1) f = 0;
      const double pLat = tr.lat[i] + (tr.lat[i + 1] - tr.lat[i]) * f;
      const double pLon = tr.lon[i] + (tr.lon[i + 1] - tr.lon[i]) * f;
      if (line.BetweenEnds(pLat, pLon)) {
        markTime = tr.t[i] + (tr.t[i + 1] - tr.t[i]) * f;
        searchFrom = i + 1;
        return;
      }
    }
    if (stopAfter < tr.t[i]) return;
  }
}

// The closest fix within the proximity radius among fixes from..to, ending once the boat has moved away.
void FindClosestApproach(const Track& tr, const CoursePoint& p, int from, int to, int& searchFrom,
                         double& markTime) {
  double best = kProximityRadius;
  for (int i = std::max(from, 1); i <= to; ++i) {
    const double dLat = p.lat - tr.lat[i], dLon = p.lon - tr.lon[i];
    const double d = std::sqrt(dLat * dLat + dLon * dLon);
    if (d < best) {
      best = d;
      markTime = race::Round(tr.t[i]);
      searchFrom = i + 1;
    }
    if (best < kProximityRadius && best + kLeaveDistance < d) return;
  }
}

// The start: the first crossing between the ends in the first half of the track and the first fifth of the
// time line, else the closest approach to end 1. Crossings before the gun stay: they show early starters.
void FindStart(const Track& tr, const CoursePoint& p, double timelineEnd, int& searchFrom, double& markTime) {
  const int half = race::RoundToInt(tr.n / 2.0);
  if (p.isLine)
    FindCrossing(tr, LineSide(p), 1, half - 1, kStartWindowFraction * timelineEnd, searchFrom, markTime);
  if (markTime > kPassedBelow) FindClosestApproach(tr, p, 1, half, searchFrom, markTime);
}

// A later point: from where the boat's last passing left off, never before the gun and never back. A line
// counts only when crossed between its ends; a mark by closest approach (never the finish, which is a line).
void FindLaterPoint(const Track& tr, const CoursePoint& p, bool isFinish, int& searchFrom, double& markTime) {
  const int gun = FirstFixAtGun(tr);
  if (p.isLine) {
    FindCrossing(tr, LineSide(p), std::max(searchFrom + 1, gun), tr.n - 1, kNoStop, searchFrom, markTime);
  } else if (!isFinish) {
    FindClosestApproach(tr, p, std::max(searchFrom, gun), tr.n - 1, searchFrom, markTime);
  }
}

}  // namespace

void RankFinishers(race::RaceStore& store) {
  SizeAnalysisTables(store);
  const int count = store.courseCount;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.markTime.size()) - 1);
  std::vector<int> group(std::max(boats, 0) + 1, 2);
  for (int b = 1; b <= boats; ++b) {
    if (count >= 1 && Passed(store, b, count)) group[b] = MissedPoints(store, b).empty() ? 0 : 1;
  }
  for (int b = 1; b <= boats; ++b) {
    int rank = 1;
    for (int c = 1; c <= boats; ++c) {
      if (group[c] < group[b] ||
          (group[c] == group[b] && group[b] < 2 && store.markTime[c][count] < store.markTime[b][count]))
        ++rank;
    }
    store.finishRank[b] = rank;
  }
}

bool Passed(const race::RaceStore& store, int b, int k) {
  return b >= 1 && b < static_cast<int>(store.markTime.size()) && k >= 1 &&
         k < static_cast<int>(store.markTime[b].size()) && store.markTime[b][k] < kPassedBelow;
}

bool PassedInOrder(const race::RaceStore& store, int b, int k) {
  return Passed(store, b, k) && (k < 3 || Passed(store, b, k - 1));
}

std::vector<int> MissedPoints(const race::RaceStore& store, int b) {
  std::vector<int> missed;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.markTime.size()) - 1);
  for (int k = 2; k < store.courseCount; ++k) {
    if (Passed(store, b, k)) continue;
    for (int c = 1; c <= boats; ++c) {
      if (Passed(store, c, k)) {
        missed.push_back(k);
        break;
      }
    }
  }
  return missed;
}

std::string MissedPointNames(const race::RaceStore& store, int b) {
  std::string names;
  for (const int k : MissedPoints(store, b)) {
    if (!names.empty()) names += ' ';
    names += k < static_cast<int>(store.courseMark.size()) ? store.courseMark[k] : std::string();
  }
  return names;
}

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
    for (int b = 1; b <= boats; ++b) {
      const Track tr = TrackOf(store, b);
      if (k == 1) {
        FindStart(tr, p, store.timelineEnd, searchFrom[b], store.markTime[b][k]);
      } else {
        FindLaterPoint(tr, p, k == count, searchFrom[b], store.markTime[b][k]);
      }
    }
  }

  // The first boat at each point; a passing after a missed point (a boat sailing home past a mark it has
  // not reached in the race) is no arrival. A point nobody passed reads as not passed.
  std::fill(store.firstArrivalTime.begin(), store.firstArrivalTime.end(), race::kNotPassed);
  for (int k = 1; k <= count; ++k) {
    for (int b = 1; b <= boats; ++b) {
      if (PassedInOrder(store, b, k) && store.markTime[b][k] < store.firstArrivalTime[k])
        store.firstArrivalTime[k] = store.markTime[b][k];
    }
  }
  RankFinishers(store);
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
