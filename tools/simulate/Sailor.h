// One boat and its crew: the pre-start, the start, beating and running on the shifts, lay-line calls, mark
// roundings, and the mishaps (an early start, a retirement, a missed mark) a race committee sees.
#pragma once

#include <cmath>
#include <vector>

#include "simulate/Course.h"
#include "simulate/Polar.h"
#include "simulate/Random.h"
#include "simulate/Wind.h"

namespace simulate {

enum class Mishap { None, EarlyStart, Retire, MissMark };

struct Crew {
  double skill = 0.5;  // 0 = novice, 1 = the club's best
  Mishap mishap = Mishap::None;
  int missedPoint = -1;  // the course point a MissMark crew sails past
};

// The bow crossing the wind (or its reciprocal) while racing; the first entry is the side the boat raced
// off on.
struct Crossing {
  double seconds = 0;
  int side = 0;       // +1 wind on one side, -1 the other
  bool byBow = true;  // through the wind (a tack) rather than its reciprocal (a gybe)
};

class Sailor {
 public:
  enum class Phase { Milling, Approach, Recalled, Returning, Racing, Retired, Finished, Ashore };

  Sailor(const Crew& crew, const Course& course, const Polar& polar, double firstSeconds, Random random);
  // Advances the boat from raceSeconds by dt seconds.
  void Step(double raceSeconds, double dt, const WindModel& wind);

  Vec position() const { return position_; }
  double heading() const { return heading_; }
  double speedKnots() const { return speed_ / kKnot; }
  Phase phase() const { return phase_; }
  bool logging() const { return phase_ != Phase::Ashore; }
  bool racing() const { return phase_ == Phase::Approach || phase_ == Phase::Racing; }
  bool startedEarly() const { return early_; }
  // True passing time of each course point in race seconds (NaN when not passed): the first crossing of a
  // line between its ends, the closest approach to a mark while rounding it.
  const std::vector<double>& passings() const { return passings_; }
  const std::vector<Crossing>& crossings() const { return crossings_; }
  double racingUntil() const { return racingUntil_; }

 private:
  double Steer(Vec aim, double windDirection, double windSpeed, double now);
  Vec AimFor(int point) const;
  double SecondsTo(Vec aim, double windDirection, double windSpeed) const;
  void CheckProgress(Vec from, Vec to, double now, double dt);
  void TrackClosest(Vec from, Vec to, double now, double dt);
  void Advance(double now);

  Crew crew_;
  const Course& course_;
  const Polar& polar_;
  Random random_;
  Vec up_, right_;  // course axes from the mean wind

  Vec position_;
  double heading_ = 0, speed_ = 0;  // degrees true, metres per second
  int side_ = -1;                   // +1 port tack or gybe, -1 starboard
  Phase phase_ = Phase::Milling;
  int next_ = 0;  // the course point sailed for
  double lastTurn_ = -1e9;
  double meanWind_ = std::nan("");  // what the crew takes as the mean direction; NaN until it looks
  double helm_ = 0, trim_ = 0;      // slow steering and trimming errors
  double laylineError_ = 0;         // degrees past (+) or short of (-) the lay line the crew tacks
  double shiftThreshold_ = 6;       // header in degrees that makes this crew tack
  double speedFactor_ = 1;
  double turnRate_ = 10;  // degrees per second

  Vec holdSpot_, startAim_;
  double startTarget_ = 0;  // race seconds at which the crew means to hit the line
  bool early_ = false;
  double stopAt_ = 1e18;  // when the logger is switched off
  Vec lineSpot_;          // where on the next line the crew means to cross it

  std::vector<double> passings_;
  std::vector<Crossing> crossings_;
  double racingUntil_ = 0;
  int closestPoint_ = -1;  // the mark sailed for, whose closest approach is being followed
  double closestDistance_ = 1e18, closestTime_ = 0;
  int afterPoint_ = -1;  // the mark just rounded, followed for a minute more
  double afterDistance_ = 1e18, afterUntil_ = 0;
};

}  // namespace simulate
