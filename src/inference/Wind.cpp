// Reading the tack headings of each leg: a leg sailed on two headings either side of its bearing was beaten
// (or gybed) up; their bisector points into the wind.
#include "inference/Wind.h"

#include <cmath>
#include <numbers>

#include "inference/Turns.h"

namespace inference {

namespace {

constexpr int kHeadingSeconds = 10;
constexpr int kSampleStep = 5;
constexpr int kClearOfMarkSeconds = 30;
constexpr double kOffBearingDegrees = 15;  // headings closer to the leg's bearing belong to neither tack
constexpr double kTackShare = 0.2;         // each tack holds at least this share of the leg
// No boat sails closer than about 35 degrees to the wind, so its tacks (and gybes) lie further apart than
// this: two headings nearer each other are a bend in the leg, round a passing mark or a bank.
constexpr double kMinTackingAngle = 60;

struct TwoTacks {
  double bisector = 0;
  double speed = 0;
};

double MeanBearing(double sumSin, double sumCos) {
  const double b = std::atan2(sumSin, sumCos) * 180 / std::numbers::pi;
  return b < 0 ? b + 360 : b;
}

std::optional<TwoTacks> LegTacks(const FleetGrid& grid, const LegSailing& leg) {
  const double bearing = BearingOf(leg.from, leg.to);
  double sin[2] = {0, 0}, cos[2] = {0, 0};
  int count[2] = {0, 0}, all = 0;
  double metres = 0, seconds = 0;
  for (int b = 0; b < static_cast<int>(grid.at.size()); ++b) {
    if (leg.enter[b] < 0 || leg.leave[b] < 0) continue;
    for (int i = leg.enter[b] + kClearOfMarkSeconds; i + kClearOfMarkSeconds < leg.leave[b];
         i += kSampleStep) {
      double heading = 0;
      if (!HeadingOutOf(grid, b, i, kHeadingSeconds, heading)) continue;
      ++all;
      metres += Distance(grid.at[b][i], grid.at[b][i + kHeadingSeconds]), seconds += kHeadingSeconds;
      const double off = TurnBetween(bearing, heading);
      if (std::fabs(off) < kOffBearingDegrees || std::fabs(off) > 90) continue;
      const int side = off < 0 ? 0 : 1;
      const double r = heading * std::numbers::pi / 180;
      sin[side] += std::sin(r), cos[side] += std::cos(r), ++count[side];
    }
  }
  if (all == 0 || count[0] < kTackShare * all || count[1] < kTackShare * all) return std::nullopt;
  const double left = MeanBearing(sin[0], cos[0]), right = MeanBearing(sin[1], cos[1]);
  if (std::fabs(TurnBetween(left, right)) < kMinTackingAngle) return std::nullopt;
  return TwoTacks{std::fmod(left + TurnBetween(left, right) / 2 + 360, 360.0), metres / seconds};
}

}  // namespace

std::optional<double> WindFromTacks(const FleetGrid& grid, const std::vector<LegSailing>& legs) {
  std::optional<TwoTacks> slowest;
  std::vector<TwoTacks> tacked;
  for (std::size_t k = 0; k < legs.size(); ++k) {
    if (auto tacks = LegTacks(grid, legs[k])) {
      tacked.push_back(*tacks);
      // A start is laid square to the wind with the first leg a beat: tacks there settle it; else the
      // slowest two-headed leg is taken for the beat.
      if (k == 0) {
        slowest = tacks;
        slowest->speed = -1;
      }
      if (!slowest || tacks->speed < slowest->speed) slowest = tacks;
    }
  }
  if (!slowest) return std::nullopt;
  // Average the beats that agree with the slowest one.
  double sumSin = 0, sumCos = 0;
  for (const TwoTacks& t : tacked) {
    if (std::fabs(TurnBetween(slowest->bisector, t.bisector)) > 45) continue;
    sumSin += std::sin(t.bisector * std::numbers::pi / 180),
        sumCos += std::cos(t.bisector * std::numbers::pi / 180);
  }
  return MeanBearing(sumSin, sumCos);
}

}  // namespace inference
