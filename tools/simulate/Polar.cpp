// The polar table of the simulated fleet and its lookup.
#include "simulate/Polar.h"

#include <algorithm>
#include <cmath>

namespace simulate {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Columns: true wind speed in knots.
constexpr int kWindColumns = 9;
constexpr double kWind[kWindColumns] = {4, 6, 8, 10, 12, 14, 16, 20, 25};

// Rows: true wind angle in degrees; values: boat speed in knots. Shaped after the published polars of
// 8-10 m sport keelboats: pointing at 40-45 degrees, fastest broad reaching, planing only in strong winds.
constexpr int kAngleRows = 16;
constexpr double kAngle[kAngleRows] = {0, 25, 32, 36, 40, 45, 52, 60, 75, 90, 110, 120, 135, 150, 165, 180};
constexpr double kSpeed[kAngleRows][kWindColumns] = {
    {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {0.6, 0.8, 1.0, 1.1, 1.2, 1.2, 1.2, 1.2, 1.2},
    {2.4, 3.3, 4.0, 4.4, 4.6, 4.7, 4.7, 4.7, 4.6},
    {3.0, 4.1, 4.8, 5.3, 5.5, 5.5, 5.5, 5.5, 5.4},
    {3.4, 4.5, 5.2, 5.6, 5.8, 5.9, 6.0, 6.0, 6.0},
    {3.8, 5.0, 5.8, 6.2, 6.4, 6.5, 6.6, 6.6, 6.6},
    {4.2, 5.4, 6.1, 6.4, 6.6, 6.7, 6.8, 6.9, 6.9},
    {4.5, 5.7, 6.3, 6.6, 6.8, 6.9, 7.0, 7.1, 7.2},
    {4.8, 6.0, 6.6, 6.9, 7.1, 7.2, 7.3, 7.5, 7.7},
    {4.9, 6.1, 6.7, 7.0, 7.2, 7.4, 7.6, 7.9, 8.3},
    {4.8, 6.0, 6.7, 7.1, 7.4, 7.7, 8.1, 8.8, 9.8},
    {4.5, 5.8, 6.6, 7.0, 7.4, 7.8, 8.3, 9.4, 10.8},
    {4.1, 5.4, 6.6, 7.2, 7.6, 8.1, 8.8, 10.4, 12.4},
    {3.6, 4.8, 6.0, 6.6, 7.1, 7.5, 8.1, 9.5, 11.2},
    {3.0, 4.0, 5.0, 5.6, 6.1, 6.5, 7.0, 8.0, 9.4},
    {2.7, 3.6, 4.5, 5.0, 5.5, 5.9, 6.3, 7.2, 8.4},
};

// Index of the interval holding value and the fraction across it, clamped to the table.
void Locate(const double* axis, int count, double value, int& index, double& fraction) {
  if (value <= axis[0]) {
    index = 0;
    fraction = 0;
    return;
  }
  if (value >= axis[count - 1]) {
    index = count - 2;
    fraction = 1;
    return;
  }
  index = static_cast<int>(std::upper_bound(axis, axis + count, value) - axis) - 1;
  fraction = (value - axis[index]) / (axis[index + 1] - axis[index]);
}

}  // namespace

Polar::Polar() {
  for (int s = 0; s < kSpeedSteps; ++s) {
    const double wind = std::max(0.5 * s, 1.0);
    double bestBeat = -1, bestRun = -1;
    beatAngle_[s] = 42;
    runAngle_[s] = 150;
    for (double a = 30; a <= 60; a += 0.25) {
      const double vmg = Speed(a, wind) * std::cos(a * kPi / 180);
      if (vmg > bestBeat) {
        bestBeat = vmg;
        beatAngle_[s] = a;
      }
    }
    for (double a = 120; a <= 180; a += 0.25) {
      const double vmg = -Speed(a, wind) * std::cos(a * kPi / 180);
      if (vmg > bestRun) {
        bestRun = vmg;
        runAngle_[s] = a;
      }
    }
  }
}

double Polar::Speed(double trueWindAngle, double windSpeed) const {
  double angle = std::fabs(std::remainder(trueWindAngle, 360.0));
  int row = 0, column = 0;
  double rowFraction = 0, columnFraction = 0;
  Locate(kAngle, kAngleRows, angle, row, rowFraction);
  // Below the lightest column the boat slows in proportion; above the strongest it is held at that speed.
  const double scale = windSpeed < kWind[0] ? std::max(windSpeed, 0.0) / kWind[0] : 1.0;
  Locate(kWind, kWindColumns, std::max(windSpeed, kWind[0]), column, columnFraction);
  auto at = [&](int r) {
    return kSpeed[r][column] + (kSpeed[r][column + 1] - kSpeed[r][column]) * columnFraction;
  };
  return scale * (at(row) + (at(row + 1) - at(row)) * rowFraction);
}

double Polar::Cached(const double* table, double windSpeed) const {
  const double position = std::clamp(windSpeed * 2.0, 0.0, kSpeedSteps - 1.0);
  const int index = std::min(static_cast<int>(position), kSpeedSteps - 2);
  const double fraction = position - index;
  return table[index] + (table[index + 1] - table[index]) * fraction;
}

double Polar::BeatAngle(double windSpeed) const { return Cached(beatAngle_, windSpeed); }
double Polar::RunAngle(double windSpeed) const { return Cached(runAngle_, windSpeed); }

double Polar::BeatVmg(double windSpeed) const {
  const double a = BeatAngle(windSpeed);
  return Speed(a, windSpeed) * std::cos(a * kPi / 180);
}

double Polar::RunVmg(double windSpeed) const {
  const double a = RunAngle(windSpeed);
  return -Speed(a, windSpeed) * std::cos(a * kPi / 180);
}

}  // namespace simulate
