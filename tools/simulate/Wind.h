// The wind over the race area: a mean direction and strength with a persistent shift, oscillating shifts that
// roll down the course from upwind, and puffs that drift downwind with the breeze.
#pragma once

#include <vector>

#include "simulate/Geometry.h"
#include "simulate/Random.h"

namespace simulate {

struct WindSample {
  double direction = 0;  // true, degrees, where the wind comes from
  double speed = 0;      // knots
};

struct WindSettings {
  double direction = 0;        // mean true direction at the gun
  double speed = 10;           // mean speed, knots
  double persistentShift = 0;  // degrees the mean turns by over the race (veer positive)
  double oscillation = 6;      // amplitude of the main oscillation, degrees
  double puffiness = 1;        // 0 = no puffs, 1 = a normal puffy day
  double shiftSeconds = 2400;  // seconds from the first fix over which the persistent shift builds
};

class WindModel {
 public:
  // The area is the box of the course with room around it; the time span covers the whole simulation.
  WindModel(const WindSettings& settings, Vec areaLow, Vec areaHigh, double startSeconds, double endSeconds,
            Random random);
  WindSample At(Vec position, double raceSeconds) const;
  const WindSettings& settings() const { return settings_; }

 private:
  struct Wave {
    double amplitude, period, phase;
  };
  struct Puff {
    Vec born;            // centre at birth
    double birth, life;  // seconds
    double radius;       // metres
    double strength;     // fraction of speed added at the centre
    double shift;        // degrees turned at the centre
  };
  WindSettings settings_;
  double startSeconds_;
  Vec downwind_;  // unit vector the air moves along
  double drift_;  // metres per second the patterns move
  std::vector<Wave> directionWaves_, speedWaves_;
  std::vector<Puff> puffs_;
  std::vector<std::vector<int>> puffsByMinute_;  // the puffs alive in each minute of the span
};

}  // namespace simulate
