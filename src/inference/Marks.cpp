// Clustering the fleet's turns into marks and reading the course from each boat's roundings.
#include "inference/Marks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <unordered_map>

namespace inference {

namespace {

constexpr double kRoundingOffsetMetres = 8;

// The live turns by square cells of the cluster radius, so a look round a point reads nine cells, not the
// whole race.
class TurnIndex {
 public:
  TurnIndex(const std::vector<Turn>& turns, int boatCount, double radius)
      : turns_(turns), radius_(radius), live_(turns.size(), 1), stamp_(boatCount, 0) {
    for (std::size_t i = 0; i < turns.size(); ++i)
      cells_[Key(Cell(turns[i].apex.x), Cell(turns[i].apex.y))].push_back(i);
  }

  std::vector<const Turn*> Near(Point p) const {
    std::vector<const Turn*> near;
    ForNear(p, [&](std::size_t i) { near.push_back(&turns_[i]); });
    return near;
  }

  int BoatsNear(Point p) {
    ++query_;
    int boats = 0;
    ForNear(p, [&](std::size_t i) {
      int& seen = stamp_[turns_[i].boat];
      if (seen != query_) seen = query_, ++boats;
    });
    return boats;
  }

  void RemoveNear(Point p) {
    ForNear(p, [&](std::size_t i) { live_[i] = 0; });
  }
  void Remove(const Turn* turn) { live_[static_cast<std::size_t>(turn - turns_.data())] = 0; }
  bool Live(std::size_t i) const { return live_[i] != 0; }
  std::size_t size() const { return turns_.size(); }
  const Turn& operator[](std::size_t i) const { return turns_[i]; }

 private:
  long long Cell(double metres) const { return static_cast<long long>(std::floor(metres / radius_)); }
  static long long Key(long long cx, long long cy) { return cx * 1000003LL + cy; }

  template <typename Visit>
  void ForNear(Point p, Visit visit) const {
    const long long cx = Cell(p.x), cy = Cell(p.y);
    for (long long dx = -1; dx <= 1; ++dx) {
      for (long long dy = -1; dy <= 1; ++dy) {
        const auto cell = cells_.find(Key(cx + dx, cy + dy));
        if (cell == cells_.end()) continue;
        for (std::size_t i : cell->second) {
          if (live_[i] && Distance(turns_[i].apex, p) <= radius_) visit(i);
        }
      }
    }
  }

  const std::vector<Turn>& turns_;
  double radius_;
  std::vector<char> live_;
  std::vector<int> stamp_;
  int query_ = 0;
  std::unordered_map<long long, std::vector<std::size_t>> cells_;
};

int DistinctBoats(const std::vector<const Turn*>& near) {
  std::set<int> boats;
  for (const Turn* turn : near) boats.insert(turn->boat);
  return static_cast<int>(boats.size());
}

Point Middle(const std::vector<const Turn*>& turns) {
  std::vector<double> xs, ys;
  for (const Turn* turn : turns) xs.push_back(turn->apex.x), ys.push_back(turn->apex.y);
  const auto median = [](std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
  };
  return {median(xs), median(ys)};
}

// Boats round a mark a few metres off, so the apexes of their turns lie outside it: the mark is that far
// inside, where the change of heading points.
Point Inside(Point centre, const std::vector<const Turn*>& turns) {
  double x = 0, y = 0;
  for (const Turn* turn : turns) {
    const double in = turn->before * std::numbers::pi / 180, out = turn->after * std::numbers::pi / 180;
    x += std::sin(out) - std::sin(in), y += std::cos(out) - std::cos(in);
  }
  const double length = std::hypot(x, y);
  if (length == 0) return centre;
  return {centre.x + x / length * kRoundingOffsetMetres, centre.y + y / length * kRoundingOffsetMetres};
}

bool Holds(const std::vector<Rounding>& sailed, const std::vector<int>& course) {
  std::size_t k = 0;
  for (const Rounding& r : sailed) {
    if (k < course.size() && r.mark == course[k]) ++k;
  }
  return k == course.size();
}

}  // namespace

std::vector<Point> TurnClusters(const std::vector<Turn>& turns, int boatCount, int minBoats,
                                const MarkScale& scale) {
  TurnIndex index(turns, boatCount, scale.clusterRadius);
  std::vector<Point> marks;
  for (;;) {
    // The turn with the most boats turning near it seeds the next cluster.
    const Turn* seed = nullptr;
    int seedBoats = 0;
    for (std::size_t i = 0; i < index.size(); ++i) {
      if (!index.Live(i)) continue;
      const int boats = index.BoatsNear(index[i].apex);
      if (boats > seedBoats) seed = &index[i], seedBoats = boats;
    }
    if (seed == nullptr || seedBoats < minBoats) break;
    Point centre = seed->apex;
    for (int pass = 0; pass < 3; ++pass) {
      const auto near = index.Near(centre);
      if (DistinctBoats(near) >= minBoats) centre = Middle(near);
    }
    const auto near = index.Near(centre);
    index.RemoveNear(centre);
    index.Remove(seed);
    if (DistinctBoats(near) >= minBoats) marks.push_back(Inside(centre, near));
  }
  return marks;
}

std::vector<Rounding> BoatRoundings(const FleetGrid& grid, int boat, const std::vector<Point>& marks,
                                    int from, int to, const MarkScale& scale) {
  std::vector<Rounding> roundings;
  for (int m = 0; m < static_cast<int>(marks.size()); ++m) {
    int closest = -1;
    double closestDistance = 0;
    const auto close = [&] {
      if (closest < 0) return;
      double in = 0, out = 0;
      const int span = 4 * scale.turnWindowSeconds;
      if (HeadingInto(grid, boat, closest, span, in) && HeadingOutOf(grid, boat, closest, span, out) &&
          std::fabs(TurnBetween(in, out)) >= kRoundingTurnDegrees) {
        roundings.push_back({m, closest});
      }
      closest = -1;
    };
    for (int i = from; i <= to; ++i) {
      if (!grid.Has(boat, i)) continue;
      const double d = Distance(grid.at[boat][i], marks[m]);
      if (d <= scale.clusterRadius) {
        if (closest < 0 || d < closestDistance) closest = i, closestDistance = d;
      } else if (d > 2 * scale.clusterRadius) {
        close();
      }
    }
    close();
  }
  std::sort(roundings.begin(), roundings.end(),
            [](const Rounding& a, const Rounding& b) { return a.second < b.second; });
  return roundings;
}

std::vector<int> ConsensusCourse(const std::vector<std::vector<Rounding>>& roundings, int minBoats) {
  std::vector<int> best;
  int bestSupport = 0;
  for (const auto& sailed : roundings) {
    // Every boat's own sequence, and each with one rounding left out, are the candidates: a boat that
    // circled a mark once more than the rest still proposes the fleet's course.
    for (int skip = -1; skip < static_cast<int>(sailed.size()); ++skip) {
      std::vector<int> course;
      for (int k = 0; k < static_cast<int>(sailed.size()); ++k) {
        if (k != skip) course.push_back(sailed[k].mark);
      }
      int support = 0;
      for (const auto& other : roundings) support += Holds(other, course) ? 1 : 0;
      if (support < minBoats) continue;
      if (course.size() > best.size() || (course.size() == best.size() && support > bestSupport)) {
        best = course, bestSupport = support;
      }
    }
  }
  return best;
}

}  // namespace inference
