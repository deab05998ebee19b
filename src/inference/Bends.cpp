// Finding the fleet's bends: each boat's track against the straight way, then whether the fleet agrees.
#include "inference/Bends.h"

#include <algorithm>
#include <cmath>

namespace inference {

namespace {

// A straight stretch strays from its chord by no more than this share of its length (plus the GPS noise).
constexpr double kStraightShare = 0.12;
constexpr double kStraightNoiseMetres = 15;

// Signed distance of p to the left of the way from a to b.
double Off(Point a, Point b, Point p) {
  const double length = std::max(1.0, Distance(a, b));
  return ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / length;
}

// The second between from and to furthest off the chord, and how far (signed).
int Furthest(const FleetGrid& grid, int boat, int from, int to, double& off) {
  const Point a = grid.at[boat][from], b = grid.at[boat][to];
  int best = from;
  off = 0;
  for (int i = from + 1; i < to; ++i) {
    if (!grid.Has(boat, i)) continue;
    const double d = Off(a, b, grid.at[boat][i]);
    if (std::fabs(d) > std::fabs(off)) off = d, best = i;
  }
  return best;
}

bool Straight(const FleetGrid& grid, int boat, int from, int to) {
  double off = 0;
  Furthest(grid, boat, from, to, off);
  return std::fabs(off) <=
         kStraightShare * Distance(grid.at[boat][from], grid.at[boat][to]) + kStraightNoiseMetres;
}

double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

}  // namespace

std::optional<Bend> FleetBend(const FleetGrid& grid, const std::vector<int>& enter,
                              const std::vector<int>& leave, int minBoats, double radius,
                              std::optional<double> windFrom) {
  const int boats = static_cast<int>(grid.at.size());
  std::vector<int> at(boats, -1);
  std::vector<double> xs, ys;
  int left = 0;
  for (int b = 0; b < boats; ++b) {
    const int from = enter[b], to = leave[b];
    if (from < 0 || to <= from + 2 || !grid.Has(b, from) || !grid.Has(b, to)) continue;
    double off = 0;
    const int i = Furthest(grid, b, from, to, off);
    const Point a = grid.at[b][from], p = grid.at[b][i], c = grid.at[b][to];
    const double turn = std::fabs(TurnBetween(BearingOf(a, p), BearingOf(p, c)));
    if (std::fabs(off) < kMinBendMetres || turn < kMinBendDegrees || turn > kMaxBendDegrees) continue;
    if (windFrom &&
        (TurnBetween(*windFrom, BearingOf(a, p)) < 0) != (TurnBetween(*windFrom, BearingOf(p, c)) < 0))
      continue;
    if (!Straight(grid, b, from, i) || !Straight(grid, b, i, to)) continue;
    at[b] = i;
    xs.push_back(p.x), ys.push_back(p.y);
    left += off > 0 ? 1 : -1;
  }
  if (static_cast<int>(xs.size()) < minBoats) return std::nullopt;
  Bend bend{{Median(xs), Median(ys)}, std::vector<int>(boats, -1)};
  // The boats agree: they bend the same way, near one place. Every boat that sailed the leg passes the bend
  // where it came closest, though its own track may have wandered too much to show it.
  int agree = 0;
  for (int b = 0; b < boats; ++b) {
    if (at[b] >= 0 && Distance(grid.at[b][at[b]], bend.at) <= radius) ++agree;
    if (enter[b] < 0 || leave[b] <= enter[b]) continue;
    double closest = radius;
    for (int i = enter[b] + 1; i < leave[b]; ++i) {
      if (grid.Has(b, i) && Distance(grid.at[b][i], bend.at) <= closest)
        closest = Distance(grid.at[b][i], bend.at), bend.second[b] = i;
    }
  }
  if (agree < minBoats || std::abs(left) < minBoats) return std::nullopt;
  return bend;
}

}  // namespace inference
