// Finding the gun from the fleet's common progress, and the start line from where the boats crossed.
#include "inference/Start.h"

#include <algorithm>
#include <cmath>

namespace inference {

namespace {

constexpr int kStep = 5;               // seconds between looks at the fleet's progress
constexpr double kLineEndMargin = 30;  // metres beyond the outermost boat
constexpr double kRacingPaceShare = 0.5;
// The gun is when the first fifth of the fleet crossed for the last time: one boat over early and back, or
// one that luffed across a moment before, does not move it.
constexpr double kGunCrossingShare = 0.2;

// Mean progress (metres a second) of the boats along their common direction over [i, i + span].
double CommonProgress(const FleetGrid& grid, int i, int span) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int b = 0; b < static_cast<int>(grid.at.size()); ++b) {
    if (!grid.Has(b, i) || !grid.Has(b, i + span)) continue;
    sx += grid.at[b][i + span].x - grid.at[b][i].x;
    sy += grid.at[b][i + span].y - grid.at[b][i].y;
    ++n;
  }
  return n == 0 ? 0 : std::hypot(sx, sy) / n / span;
}

}  // namespace

std::optional<int> FleetDeparture(const FleetGrid& grid, int from, int to) {
  std::vector<double> progress;
  std::vector<int> at;
  for (int i = from; i + kProgressSpanSeconds <= to; i += kStep) {
    progress.push_back(CommonProgress(grid, i, kProgressSpanSeconds));
    at.push_back(i);
  }
  if (progress.empty()) return std::nullopt;
  std::vector<double> sorted = progress;
  std::sort(sorted.begin(), sorted.end());
  const double pace = sorted[sorted.size() * 9 / 10];
  if (pace < 0.3) return std::nullopt;  // nobody went anywhere
  const double racing = kRacingPaceShare * pace;
  const int needed = kMinRaceStretchSeconds / kStep;
  for (std::size_t k = 0; k < progress.size(); ++k) {
    if (progress[k] < racing) continue;
    std::size_t end = k;
    while (end < progress.size() && progress[end] >= racing) ++end;
    if (static_cast<int>(end - k) >= needed) return at[k] + kProgressSpanSeconds / 2;
    k = end;
  }
  return std::nullopt;
}

StartLine FindStartLine(const FleetGrid& grid, int departure, Point firstMark,
                        const std::vector<int>& firstRounding) {
  // The fleet's middle at the departure, and the way to the first mark from there.
  double cx = 0, cy = 0;
  int n = 0;
  for (int b = 0; b < static_cast<int>(grid.at.size()); ++b) {
    if (grid.Has(b, departure)) cx += grid.at[b][departure].x, cy += grid.at[b][departure].y, ++n;
  }
  const Point centre = n > 0 ? Point{cx / n, cy / n} : firstMark;
  const double length = std::max(1.0, Distance(centre, firstMark));
  const Point along{(firstMark.x - centre.x) / length, (firstMark.y - centre.y) / length};
  const Point across{along.y, -along.x};
  const auto u = [&](Point p) { return (p.x - centre.x) * along.x + (p.y - centre.y) * along.y; };
  const auto v = [&](Point p) { return (p.x - centre.x) * across.x + (p.y - centre.y) * across.y; };

  const auto frontAt = [&](int i) {
    double front = -1e18;
    for (int b = 0; b < static_cast<int>(grid.at.size()); ++b) {
      if (grid.Has(b, i)) front = std::max(front, u(grid.at[b][i]));
    }
    return front > -1e18 ? front : 0;
  };
  StartLine line;
  line.gunSecond = departure;
  double level = 0, vMin = 1e18, vMax = -1e18;
  // The fleet is still coming up to the line at the departure: a first gun from there, then the line again
  // at the front of the fleet at that gun, and the gun from that line.
  for (int round = 0; round < 2; ++round) {
    level = frontAt(line.gunSecond);
    std::vector<int> crossings;
    vMin = 1e18, vMax = -1e18;
    for (int b = 0; b < static_cast<int>(grid.at.size()); ++b) {
      const int last = b < static_cast<int>(firstRounding.size()) && firstRounding[b] >= 0
                           ? firstRounding[b]
                           : std::min(grid.count - 1, departure + 600);
      int crossing = -1;
      for (int i = std::max(1, departure - 600); i <= last; ++i) {
        if (!grid.Has(b, i) || !grid.Has(b, i - 1)) continue;
        if (u(grid.at[b][i - 1]) < level && u(grid.at[b][i]) >= level) crossing = i;
      }
      if (crossing < 0) continue;
      crossings.push_back(crossing);
      const double across_ = v(grid.at[b][crossing]);
      vMin = std::min(vMin, across_), vMax = std::max(vMax, across_);
    }
    if (crossings.empty()) break;
    std::sort(crossings.begin(), crossings.end());
    line.gunSecond = crossings[static_cast<std::size_t>(kGunCrossingShare * (crossings.size() - 1))];
  }
  if (vMin > vMax) vMin = vMax = 0;
  vMin -= kLineEndMargin, vMax += kLineEndMargin;
  line.end1 = {centre.x + along.x * level + across.x * vMin, centre.y + along.y * level + across.y * vMin};
  line.end2 = {centre.x + along.x * level + across.x * vMax, centre.y + along.y * level + across.y * vMax};
  return line;
}

}  // namespace inference
