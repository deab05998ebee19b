// The wind field: waves of direction and strength travelling down the course, and drifting puffs.
#include "simulate/Wind.h"

#include <algorithm>
#include <cmath>

namespace simulate {

WindModel::WindModel(const WindSettings& settings, Vec areaLow, Vec areaHigh, double startSeconds,
                     double endSeconds, Random random)
    : settings_(settings), startSeconds_(startSeconds) {
  downwind_ = Heading(settings.direction + 180);
  drift_ = std::max(settings.speed, 3.0) * kKnot * 0.8;
  // The main oscillation of 6-12 minutes with a shorter, smaller one on top: what a sea breeze over open
  // water does, and what makes tacking on the headers pay.
  directionWaves_.push_back({settings.oscillation, random.Uniform(360, 720), random.Uniform(0, 2 * kPi)});
  directionWaves_.push_back({settings.oscillation * 0.4, random.Uniform(120, 240), random.Uniform(0, 2 * kPi)});
  speedWaves_.push_back({0.08, random.Uniform(400, 900), random.Uniform(0, 2 * kPi)});
  speedWaves_.push_back({0.04, random.Uniform(90, 200), random.Uniform(0, 2 * kPi)});

  // Puffs: enough that about a quarter of the water is in one at any time. Larger areas get larger puffs so
  // the count, and with it the cost of a wind lookup, stays bounded.
  const Vec size = areaHigh - areaLow;
  const double area = std::max(size.x * size.y, 1.0);
  const double meanRadius = std::clamp(std::sqrt(area) / 12, 150.0, 5000.0);
  const double meanLife = 600;
  const double alive = settings.puffiness * 0.25 * area / (kPi * meanRadius * meanRadius);
  const double span = endSeconds - startSeconds;
  const int count = static_cast<int>(alive * span / meanLife);
  puffsByMinute_.resize(static_cast<size_t>(span / 60) + 2);
  for (int i = 0; i < count; ++i) {
    Puff p;
    p.life = random.Uniform(0.6, 1.4) * meanLife;
    p.birth = random.Uniform(startSeconds - p.life, endSeconds);
    p.radius = random.Uniform(0.6, 1.4) * meanRadius;
    p.strength = random.Uniform(0.12, 0.35);
    p.shift = random.Gauss(0, 5);
    // Place the puff anywhere in the area at the middle of its life, then move it back to where it was born.
    const Vec middle{random.Uniform(areaLow.x, areaHigh.x), random.Uniform(areaLow.y, areaHigh.y)};
    p.born = middle - downwind_ * (drift_ * p.life / 2);
    const int index = static_cast<int>(puffs_.size());
    puffs_.push_back(p);
    const int first = std::max(0, static_cast<int>((p.birth - startSeconds) / 60));
    const int last = std::min(static_cast<int>(puffsByMinute_.size()) - 1,
                              static_cast<int>((p.birth + p.life - startSeconds) / 60));
    for (int m = first; m <= last; ++m) puffsByMinute_[m].push_back(index);
  }
}

WindSample WindModel::At(Vec position, double raceSeconds) const {
  // Shifts arrive upwind first: the pattern seen here now reaches the committee boat later.
  const double upwind = -Dot(position, downwind_);
  const double t = raceSeconds + upwind / drift_;
  double direction = settings_.direction;
  const double progress = std::clamp((raceSeconds - startSeconds_) / settings_.shiftSeconds, 0.0, 1.0);
  direction += settings_.persistentShift * progress;
  for (const Wave& w : directionWaves_) direction += w.amplitude * std::sin(2 * kPi * t / w.period + w.phase);
  double factor = 1;
  for (const Wave& w : speedWaves_) factor += w.amplitude * std::sin(2 * kPi * t / w.period + w.phase);

  const int minute = static_cast<int>((raceSeconds - startSeconds_) / 60);
  if (minute >= 0 && minute < static_cast<int>(puffsByMinute_.size())) {
    for (int index : puffsByMinute_[minute]) {
      const Puff& p = puffs_[index];
      const double age = raceSeconds - p.birth;
      if (age <= 0 || age >= p.life) continue;
      const Vec centre = p.born + downwind_ * (drift_ * age);
      const double dx = position.x - centre.x, dy = position.y - centre.y;
      const double reach = 2.5 * p.radius;
      if (std::fabs(dx) > reach || std::fabs(dy) > reach) continue;
      const double weight = std::sin(kPi * age / p.life) * std::exp(-(dx * dx + dy * dy) / (2 * p.radius * p.radius));
      factor += p.strength * weight;
      direction += p.shift * weight;
    }
  }
  return {Compass(direction), std::max(settings_.speed * factor, 0.5)};
}

}  // namespace simulate
