// Finding turns: the bearing sailed over a short stretch before and after each second.
#include "inference/Turns.h"

#include <cmath>
#include <numbers>

namespace inference {

bool HeadingInto(const FleetGrid& grid, int boat, int i, int span, double& bearing) {
  if (!grid.Has(boat, i - span) || !grid.Has(boat, i)) return false;
  const Point a = grid.at[boat][i - span], b = grid.at[boat][i];
  if (Distance(a, b) < kMinMovingSpeed * span) return false;
  bearing = BearingOf(a, b);
  return true;
}

bool HeadingOutOf(const FleetGrid& grid, int boat, int i, int span, double& bearing) {
  if (!grid.Has(boat, i) || !grid.Has(boat, i + span)) return false;
  const Point a = grid.at[boat][i], b = grid.at[boat][i + span];
  if (Distance(a, b) < kMinMovingSpeed * span) return false;
  bearing = BearingOf(a, b);
  return true;
}

bool IsTack(const Turn& turn, double windFrom) {
  constexpr double kCloseHauledDegrees = 75;
  const double in = TurnBetween(windFrom, turn.before), out = TurnBetween(windFrom, turn.after);
  return std::fabs(in) < kCloseHauledDegrees && std::fabs(out) < kCloseHauledDegrees && (in < 0) != (out < 0);
}

std::optional<double> WindIfTacks(const std::vector<Turn>& turns) {
  double x = 0, y = 0;
  for (const Turn& turn : turns) {
    const double middle = (turn.before + TurnBetween(turn.before, turn.after) / 2) * std::numbers::pi / 180;
    x += std::sin(middle), y += std::cos(middle);
  }
  if (turns.empty() || std::hypot(x, y) == 0) return std::nullopt;
  double wind = std::atan2(x, y) * 180 / std::numbers::pi;
  if (wind < 0) wind += 360;
  for (const Turn& turn : turns) {
    if (!IsTack(turn, wind)) return std::nullopt;
  }
  return wind;
}

std::vector<Turn> FindTurns(const FleetGrid& grid, int from, int to, const MarkScale& scale) {
  std::vector<Turn> turns;
  const int w = scale.turnWindowSeconds;
  for (int b = 0; b < static_cast<int>(grid.at.size()); ++b) {
    Turn best;
    best.angle = 0;
    int bestAt = -1;
    for (int i = std::max(from, w); i <= std::min(to, grid.count - 1 - w); ++i) {
      double in = 0, out = 0;
      if (!HeadingInto(grid, b, i, w, in) || !HeadingOutOf(grid, b, i, w, out)) continue;
      const double angle = std::fabs(TurnBetween(in, out));
      if (bestAt >= 0 && i - bestAt > w) {
        turns.push_back(best);
        bestAt = -1;
      }
      if (angle >= scale.minTurnDegrees && (bestAt < 0 || angle > best.angle)) {
        best = Turn{b, i, grid.at[b][i], in, out, angle};
        bestAt = i;
      }
    }
    if (bestAt >= 0) turns.push_back(best);
  }
  return turns;
}

}  // namespace inference
