// Race order from positions interpolated between fixes and the passings found at load.
#include "analysis/Leaderboard.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/CoursePoints.h"
#include "analysis/Legs.h"
#include "analysis/Manoeuvres.h"
#include "analysis/MarkPassings.h"
#include "analysis/Navigation.h"

namespace analysis {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.14159265358979323846;
constexpr double kLeaderPaceSeconds = 60;  // the leader's speed made good is taken over this last stretch
constexpr double kNoWay = 0.2;             // metres per second: slower, a gap in seconds means nothing

class Fleet {
 public:
  explicit Fleet(const race::RaceStore& store) : store_(store), course_(ResolveCourse(store)) {
    last_ = static_cast<int>(course_.size()) - 1;
    cosLat_ = 1;
    for (int k = 1; k <= last_; ++k) {
      if (course_[k].exists) {
        cosLat_ = std::cos(course_[k].lat / 60 * kPi / 180);
        break;
      }
    }
  }

  int last() const { return last_; }

  bool HasFixes(int b) const { return Fixes(b) >= 1; }

  bool FinishedBy(int b, double t) const { return last_ >= 2 && Time(b, last_) <= t; }

  // Course points passed one after the other by time t.
  int PointsPassed(int b, double t) const {
    int k = 0;
    while (k < last_ && Time(b, k + 1) <= t) ++k;
    return k;
  }

  double MetresToGo(int b, double t) const {
    if (FinishedBy(b, t)) return 0;
    const int k = PointsPassed(b, t);
    const CoursePoint& next = course_[std::min(k + 1, last_)];
    double east = 0, north = 0;
    if (next.exists) {
      const double lat = next.isLine ? (next.lat + next.lat2) / 2 : next.lat;
      const double lon = next.isLine ? (next.lon + next.lon2) / 2 : next.lon;
      const auto [boatLat, boatLon] = PositionAt(b, t);
      east = (lon - boatLon) * kMetresPerMinuteLat * cosLat_;
      north = (lat - boatLat) * kMetresPerMinuteLat;
    }
    double toNext = std::hypot(east, north);
    if (k >= 1 && k < last_) {
      const bool alongWind = store_.legKind[k] == kUpwind || store_.legKind[k] == kDownwind;
      const double axis = (alongWind ? TrueWindAt(store_, t) : store_.legBearing[k]) * kPi / 180;
      const double along = east * std::sin(axis) + north * std::cos(axis);
      toNext = alongWind ? std::fabs(along) : std::max(0.0, along);
    }
    double after = 0;
    for (int j = k + 1; j < last_; ++j) after += store_.legLengthMetres[j];
    return toNext + after;
  }

  double Time(int b, int k) const {
    const double t = store_.markTime[b][k];
    return t < kPassedBelow ? t : std::numeric_limits<double>::infinity();
  }

 private:
  int Fixes(int b) const {
    if (b >= static_cast<int>(store_.trackTime.size())) return 0;
    return std::min({store_.fixCount[b], static_cast<int>(store_.trackTime[b].size()) - 1,
                     static_cast<int>(store_.trackLat[b].size()) - 1,
                     static_cast<int>(store_.trackLon[b].size()) - 1});
  }

  std::pair<double, double> PositionAt(int b, double t) const {
    const int n = Fixes(b);
    const auto& time = store_.trackTime[b];
    const auto& lat = store_.trackLat[b];
    const auto& lon = store_.trackLon[b];
    if (t <= time[1]) return {lat[1], lon[1]};
    if (t >= time[n]) return {lat[n], lon[n]};
    const int i = static_cast<int>(time.UpperBound(1, n + 1, t)) - 1;
    const double span = time[i + 1] - time[i];
    const double f = span > 0 ? (t - time[i]) / span : 0;
    return {lat[i] + (lat[i + 1] - lat[i]) * f, lon[i] + (lon[i + 1] - lon[i]) * f};
  }

  const race::RaceStore& store_;
  std::vector<CoursePoint> course_;
  int last_ = 0;
  double cosLat_ = 1;
};

}  // namespace

std::vector<LeaderboardRow> RankFleet(const race::RaceStore& store, double t) {
  const Fleet fleet(store);
  std::vector<LeaderboardRow> rows;
  for (int b = 1; b <= store.boatCount; ++b) {
    LeaderboardRow row;
    row.boat = b;
    const bool tracked = fleet.HasFixes(b);
    row.finished = tracked && fleet.FinishedBy(b, t);
    row.pointsPassed = tracked ? (row.finished ? fleet.last() : fleet.PointsPassed(b, t)) : 0;
    row.metresToGo = tracked ? fleet.MetresToGo(b, t) : std::numeric_limits<double>::infinity();
    rows.push_back(row);
  }
  auto finishRank = [&](const LeaderboardRow& r) {
    return store.finishRank[r.boat] > 0 ? store.finishRank[r.boat] : 1 << 20;
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const LeaderboardRow& a, const LeaderboardRow& b) {
    if (a.finished != b.finished) return a.finished;
    if (a.finished) {
      if (finishRank(a) != finishRank(b)) return finishRank(a) < finishRank(b);
      return fleet.Time(a.boat, fleet.last()) < fleet.Time(b.boat, fleet.last());
    }
    if (a.pointsPassed != b.pointsPassed) return a.pointsPassed > b.pointsPassed;
    return a.metresToGo < b.metresToGo;
  });
  if (rows.empty()) return rows;

  const LeaderboardRow& leader = rows.front();
  const double winnerFinish = leader.finished ? fleet.Time(leader.boat, fleet.last()) : kNone;
  // The leader's pace: the way made good toward the finish over its last minute (up to its finish).
  const double paceEnd = leader.finished ? winnerFinish : t;
  const double pace =
      (fleet.MetresToGo(leader.boat, paceEnd - kLeaderPaceSeconds) - fleet.MetresToGo(leader.boat, paceEnd)) /
      kLeaderPaceSeconds;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    LeaderboardRow& row = rows[i];
    row.place = static_cast<int>(i) + 1;
    if (row.finished) {
      row.gapMetres = kNone;
      row.gapSeconds = fleet.Time(row.boat, fleet.last()) - winnerFinish;
    } else {
      row.gapMetres = row.metresToGo - leader.metresToGo;
      row.gapSeconds = pace > kNoWay && std::isfinite(row.gapMetres) ? row.gapMetres / pace : kNone;
    }
    const int k = row.pointsPassed;
    const double first = k >= 1 ? store.firstArrivalTime[k] : kNone;
    row.gapAtRounding = k >= 1 && first < kPassedBelow ? fleet.Time(row.boat, k) - first : kNone;
  }
  return rows;
}

}  // namespace analysis
