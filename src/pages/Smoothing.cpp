#include "pages/Smoothing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pages {

template <typename Times, typename Values>
std::vector<double> MovingAverage(const Times& times, const Values& values, int n, double seconds,
                                  bool directions) {
  std::vector<double> out(values.size());
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = values[i];
  n = std::min({n, static_cast<int>(times.size()) - 1, static_cast<int>(values.size()) - 1});
  if (seconds <= 0 || n < 2) return out;
  constexpr double kRadians = std::numbers::pi / 180;
  const auto x = [&](int i) { return directions ? std::cos(values[i] * kRadians) : values[i]; };
  const auto y = [&](int i) { return directions ? std::sin(values[i] * kRadians) : 0.0; };
  double sumX = 0, sumY = 0;
  int from = 1, to = 0;  // the window is from..to
  for (int i = 1; i <= n; ++i) {
    while (to < n && times[to + 1] <= times[i] + seconds / 2) {
      ++to;
      sumX += x(to), sumY += y(to);
    }
    while (times[from] < times[i] - seconds / 2) {
      sumX -= x(from), sumY -= y(from);
      ++from;
    }
    const int count = to - from + 1;
    if (!directions) {
      out[i] = sumX / count;
    } else if (std::hypot(sumX, sumY) > 1e-9) {
      double degrees = std::atan2(sumY, sumX) / kRadians;
      out[i] = degrees < 0 ? degrees + 360 : degrees;
    }
  }
  return out;
}

template std::vector<double> MovingAverage(const std::vector<double>&, const std::vector<double>&, int,
                                           double, bool);
template std::vector<double> MovingAverage(const race::TimeColumn&, const race::MotionColumn&, int, double,
                                           bool);

}  // namespace pages
