// Finding where the last leg ends: each boat's furthest progress before it turns away or stops.
#include "inference/Finish.h"

#include <algorithm>
#include <cmath>

#include "inference/Turns.h"

namespace inference {

namespace {

constexpr int kLegLookSeconds = 120;  // the way of the last leg: where the boats are this long after the mark
constexpr double kOffLegDegrees = 75;  // sailing more than this off the leg's way is no longer racing it
constexpr int kOffLegSeconds = 20;
constexpr double kBeforeStopMetres = 10;  // the line lies this far short of the earliest stop
constexpr double kLineEndMargin = 30;
constexpr double kStopShare = 0.25;
constexpr double kEasedOffShare = 0.5;  // of the boat's mean speed on the leg, over a minute
constexpr int kEasedOffSeconds = 60;    // the line at the first quarter of the boats' stops

}  // namespace

std::optional<FinishLine> FindFinishLine(const FleetGrid& grid, Point legStart,
                                         const std::vector<int>& lastRounding) {
  const int boats = static_cast<int>(grid.at.size());
  double sx = 0, sy = 0;
  for (int b = 0; b < boats; ++b) {
    const int r = lastRounding[b];
    if (r < 0 || !grid.Has(b, r + kLegLookSeconds)) continue;
    const Point p = grid.at[b][r + kLegLookSeconds];
    const double d = std::max(1.0, Distance(p, legStart));
    sx += (p.x - legStart.x) / d, sy += (p.y - legStart.y) / d;
  }
  const double norm = std::hypot(sx, sy);
  if (norm == 0) return std::nullopt;
  const Point along{sx / norm, sy / norm};
  const double legBearing = BearingOf({0, 0}, along);
  const auto u = [&](Point p) { return (p.x - legStart.x) * along.x + (p.y - legStart.y) * along.y; };
  const auto v = [&](Point p) { return (p.y - legStart.y) * along.x - (p.x - legStart.x) * along.y; };

  // Each boat's furthest progress along the leg before it turns away from it for good or stops.
  std::vector<double> stops;
  for (int b = 0; b < boats; ++b) {
    const int r = lastRounding[b];
    if (r < 0) continue;
    double furthest = 0, sailed = 0;
    int off = 0;
    for (int i = r; i < grid.count && grid.Has(b, i); ++i) {
      furthest = std::max(furthest, u(grid.at[b][i]));
      if (i > r && grid.Has(b, i - 1)) sailed += Distance(grid.at[b][i - 1], grid.at[b][i]);
      double out = 0;
      const bool moving = HeadingOutOf(grid, b, i, kTurnWindowSeconds, out);
      // Past the finish boats bear away, head up or ease off: each ends the leg.
      const bool easedOff = moving && i - r > kLegLookSeconds && grid.Has(b, i + kEasedOffSeconds) &&
                            Distance(grid.at[b][i], grid.at[b][i + kEasedOffSeconds]) <
                                kEasedOffShare * kEasedOffSeconds * sailed / (i - r);
      off = (!moving || easedOff || std::fabs(TurnBetween(legBearing, out)) > kOffLegDegrees) ? off + 1 : 0;
      if (off > kOffLegSeconds && i - r > kLegLookSeconds) break;
    }
    stops.push_back(furthest);
  }
  if (stops.empty()) return std::nullopt;
  std::sort(stops.begin(), stops.end());
  const double level = stops[static_cast<std::size_t>(kStopShare * (stops.size() - 1))] - kBeforeStopMetres;
  if (level <= 0) return std::nullopt;

  FinishLine line;
  line.finishSecond.assign(boats, -1);
  double vMin = 1e18, vMax = -1e18;
  // The first crossing after grid second from; a gap in the track is stepped over.
  const auto crossing = [&](int b, int from) {
    for (int i = from + 1; i < grid.count; ++i) {
      if (grid.Has(b, i) && grid.Has(b, i - 1) && u(grid.at[b][i - 1]) < level && u(grid.at[b][i]) >= level)
        return i;
    }
    return -1;
  };
  int firstRounding = grid.count;
  for (int b = 0; b < boats; ++b) {
    const int r = lastRounding[b];
    if (r < 0) continue;
    firstRounding = std::min(firstRounding, r);
    line.finishSecond[b] = crossing(b, r);
    if (line.finishSecond[b] < 0) continue;
    const double across = v(grid.at[b][line.finishSecond[b]]);
    vMin = std::min(vMin, across), vMax = std::max(vMax, across);
  }
  if (vMin > vMax) return std::nullopt;
  vMin -= kLineEndMargin, vMax += kLineEndMargin;
  // A boat whose rounding of the last mark went unseen (it turned less than the rest) still finishes when
  // it crosses the line, between its ends, after the fleet's first rounding there.
  for (int b = 0; b < boats; ++b) {
    if (lastRounding[b] >= 0) continue;
    const int i = crossing(b, firstRounding);
    if (i >= 0 && v(grid.at[b][i]) >= vMin && v(grid.at[b][i]) <= vMax) line.finishSecond[b] = i;
  }
  const Point across{-along.y, along.x};
  // v grows to the left of the way; across points there.
  line.end1 = {legStart.x + along.x * level + across.x * vMin,
               legStart.y + along.y * level + across.y * vMin};
  line.end2 = {legStart.x + along.x * level + across.x * vMax,
               legStart.y + along.y * level + across.y * vMax};
  return line;
}

}  // namespace inference
