// How a crew sails: steering for the next mark by beating, reaching or running, tacking on headers and lay
// lines, timing the start, and the mishaps.
#include "simulate/Sailor.h"

#include <algorithm>
#include <limits>

namespace simulate {
namespace {
constexpr double kNotYet = std::numeric_limits<double>::quiet_NaN();
constexpr double kMissDistance = 520;  // a crew that misses the mark turns this far short of it (metres)
}  // namespace

Sailor::Sailor(const Crew& crew, const Course& course, const Polar& polar, double firstSeconds, Random random)
    : crew_(crew), course_(course), polar_(polar), random_(random), passings_(course.points.size(), kNotYet) {
  const CourseLine& start = course.lines[0];
  const Vec middle = (start.end1 + start.end2) * 0.5;
  const double half = Length(start.end1 - start.end2) / 2;
  // Up is the course side of the start line: toward the first mark (or the finish of a passage straight to
  // it).
  const Vec first =
      course.marks.empty() ? (course.lines[1].end1 + course.lines[1].end2) * 0.5 : course.marks[0];
  up_ = (first - middle) * (1.0 / Length(first - middle));
  right_ = {up_.y, -up_.x};
  const double wind = BearingOf(up_);
  const double skill = crew.skill;

  position_ = middle + up_ * random_.Uniform(-300, -100) + right_ * random_.Uniform(-half - 40, half + 40);
  side_ = random_.Chance(0.5) ? 1 : -1;
  heading_ = Compass(wind + side_ * 95);
  speed_ = 2.0;
  // The better crews favour the committee-boat end; the rest spread along the line.
  const double along = std::clamp(random_.Gauss(0.25 * skill, 0.4), -0.65, 0.65);
  startAim_ = middle + right_ * (along * half) + up_ * 5.0;
  holdSpot_ = middle + right_ * std::clamp(along * half + random_.Uniform(-40, 40), -0.8 * half, 0.8 * half) +
              up_ * random_.Uniform(-120, -50);
  startTarget_ = crew.mishap == Mishap::EarlyStart
                     ? -random_.Uniform(3, 6)
                     : random_.Uniform(0.5, 2.5) + (1 - skill) * random_.Uniform(0, 14);
  speedFactor_ = 0.93 + 0.07 * skill + random_.Gauss(0, 0.006);
  shiftThreshold_ = 3 + 7 * (1 - skill);
  turnRate_ = 9 + 4 * skill;
  lastTurn_ = firstSeconds;
}

void Sailor::Step(double now, double dt, const WindModel& wind) {
  if (phase_ == Phase::Ashore) return;
  if (now >= stopAt_) {
    phase_ = Phase::Ashore;
    return;
  }
  const WindSample w = wind.At(position_, now);
  if (std::isnan(meanWind_)) meanWind_ = w.direction;  // the crew's first look at the wind
  meanWind_ = Compass(meanWind_ + Signed(w.direction - meanWind_) * std::min(1.0, dt / 240));
  const double decay = std::exp(-dt / 20);
  const double keep = std::sqrt(1 - decay * decay);
  helm_ = helm_ * decay + keep * (1 + 2.5 * (1 - crew_.skill)) * random_.Gauss();
  trim_ = trim_ * decay + keep * 0.015 * random_.Gauss();

  const Vec middle = (course_.lines[0].end1 + course_.lines[0].end2) * 0.5;
  const double aboveLine = Dot(position_ - middle, up_);
  double want = heading_;
  double factor = 1;
  double motor = -1;  // knots under engine, when the sails are down
  switch (phase_) {
    case Phase::Milling: {
      if (Length(holdSpot_ - position_) > 80) {
        want = Steer(holdSpot_, w.direction, w.speed, now);
        factor = 0.7;
      } else {
        // Reach to and fro along the line, never closer to the wind than a close reach.
        want = BearingOf(right_ * side_);
        const double angle = Signed(want - w.direction);
        if (std::fabs(angle) < 55) want = Compass(w.direction + (angle < 0 ? -55 : 55));
        factor = 0.45;
        if (Dot(position_ - holdSpot_, Heading(want)) > 50 && now - lastTurn_ > 20) {
          side_ = -side_;
          lastTurn_ = now;
        }
      }
      if (now >= startTarget_ - SecondsTo(startAim_, w.direction, w.speed) - 15) phase_ = Phase::Approach;
      break;
    }
    case Phase::Approach: {
      want = Steer(startAim_, w.direction, w.speed, now);
      if (now < startTarget_) {
        const double need = SecondsTo(startAim_, w.direction, w.speed);
        factor = std::clamp(need / (startTarget_ - now), 0.25, 1.0);
      }
      // Luff rather than cross before the gun, unless this is the crew that goes early.
      const double climb = std::max(Dot(Heading(heading_), up_) * speed_, 0.1);
      if (crew_.mishap != Mishap::EarlyStart && now < 0 && aboveLine + climb * -now > -3) {
        factor = std::min(factor, 0.3);
      }
      break;
    }
    case Phase::Recalled:
      want = Steer(middle + up_ * 200.0, w.direction, w.speed, now);
      if (now >= 8) phase_ = Phase::Returning;
      break;
    case Phase::Returning: {
      // Back below the line inside its ends, then start again from there.
      const double half = 0.5 * Length(course_.lines[0].end1 - course_.lines[0].end2);
      const double across = std::clamp(Dot(position_ - middle, right_), -0.6 * half, 0.6 * half);
      want = Steer(middle + right_ * across - up_ * 40.0, w.direction, w.speed, now);
      if (aboveLine < -12) {
        phase_ = Phase::Approach;
        startTarget_ = now;
        startAim_ = middle + right_ * across + up_ * 5.0;
      }
      break;
    }
    case Phase::Racing: {
      if (crew_.mishap == Mishap::Retire && next_ == 1 && !course_.points[1].isLine &&
          Length(course_.marks[0] - position_) < 0.55 * course_.legMetres) {
        phase_ = Phase::Retired;
        stopAt_ = now + random_.Uniform(300, 480);
        break;
      }
      want = Steer(AimFor(next_), w.direction, w.speed, now);
      break;
    }
    case Phase::Retired:
      want = BearingOf(right_ * -1.0);
      motor = 5.5;
      break;
    case Phase::Finished:
      want = Compass(w.direction + side_ * 100);
      factor = 0.35;
      break;
    case Phase::Ashore:
      break;
  }

  const double oldAngle = Signed(heading_ - w.direction);
  const double turn = std::clamp(Signed(want - heading_), -turnRate_ * dt, turnRate_ * dt);
  heading_ = Compass(heading_ + turn);
  const double angle = Signed(heading_ - w.direction);
  if (std::fabs(angle) > 90 && std::fabs(oldAngle) > 90 && angle * oldAngle < 0) speed_ *= 0.85;  // a gybe
  if (phase_ == Phase::Racing) {
    const int side = angle >= 0 ? 1 : -1;
    if (crossings_.empty() || side != crossings_.back().side)
      crossings_.push_back({now, side, std::fabs(angle) < 90});
    racingUntil_ = now;
  }
  double target =
      motor > 0 ? motor * kKnot : polar_.Speed(angle, w.speed) * kKnot * speedFactor_ * (1 + trim_) * factor;
  const double lag = target > speed_ ? 6.0 : 3.0;
  speed_ += (target - speed_) * std::min(1.0, dt / lag);

  const Vec from = position_;
  const Vec to = position_ + Heading(heading_) * (speed_ * dt);
  CheckProgress(from, to, now, dt);
  position_ = to;
}

double Sailor::Steer(Vec aim, double wind, double windSpeed, double now) {
  const double beat = polar_.BeatAngle(windSpeed) + helm_;
  const double run = std::min(polar_.RunAngle(windSpeed) - helm_, 179.0);
  const double bearing = BearingOf(aim - position_);
  const double distance = Length(aim - position_);
  const double r = Signed(bearing - wind);
  const double error = phase_ == Phase::Racing ? laylineError_ : 0;
  const bool racing = phase_ == Phase::Racing;
  const double shift = side_ * Signed(wind - meanWind_);
  auto turnOver = [&]() {
    side_ = -side_;
    lastTurn_ = now;
  };
  if (std::fabs(r) <= 90) {
    if (side_ * r >= beat) return bearing;
    if (side_ * r <= -(beat + error) && now - lastTurn_ > 12) {
      turnOver();
      laylineError_ *= 0.3;
      return side_ * r >= beat ? bearing : Compass(wind + side_ * beat);
    }
    if (racing && shift > shiftThreshold_ && now - lastTurn_ > 45 && distance > 250) turnOver();
    return Compass(wind + side_ * beat);
  }
  if (distance < 100) return bearing;  // the last boat lengths to a mark or line are sailed straight
  const double cone = 180 - run;
  const double d = Signed(bearing - wind - 180);
  if (side_ * d <= -cone) return bearing;
  if (side_ * d >= cone + error && now - lastTurn_ > 12) {
    turnOver();
    laylineError_ *= 0.3;
    return side_ * d <= -cone ? bearing : Compass(wind + side_ * run);
  }
  if (racing && shift < -shiftThreshold_ && now - lastTurn_ > 45 && distance > 300) turnOver();
  return Compass(wind + side_ * run);
}

double Sailor::SecondsTo(Vec aim, double wind, double windSpeed) const {
  // Straight there when the bearing can be sailed, else close-hauled with the way made good toward it.
  const double beat = polar_.BeatAngle(windSpeed);
  const double r = std::fabs(Signed(BearingOf(aim - position_) - wind));
  const double along =
      r >= beat ? polar_.Speed(r, windSpeed) : polar_.Speed(beat, windSpeed) * std::cos(Radians(beat - r));
  return Length(aim - position_) / std::max(along * kKnot * speedFactor_, 0.3) + 4;
}

Vec Sailor::AimFor(int point) const {
  const CoursePoint& p = course_.points[point];
  if (p.isLine) {
    // Through the chosen spot to the far side of the line, whichever side the boat is on, so a boat that
    // went round the end comes back through it.
    const CourseLine& line = course_.lines[p.index];
    const Vec along = line.end2 - line.end1;
    Vec normal{along.y, -along.x};
    normal = normal * (1.0 / std::max(Length(normal), 1e-9));
    const double side = Dot(position_ - line.end1, normal) > 0 ? 1 : -1;
    if (Length(lineSpot_ - position_) > 20) return lineSpot_;
    return lineSpot_ - normal * (30.0 * side);
  }
  // Marks are left to port: pass a few metres to the right of the mark as the boat sees it.
  const Vec mark = course_.marks[p.index];
  return mark + Heading(BearingOf(mark - position_) + 90) * 8.0;
}

void Sailor::CheckProgress(Vec from, Vec to, double now, double dt) {
  const CourseLine& start = course_.lines[0];
  if (phase_ == Phase::Milling || phase_ == Phase::Approach) {
    const double f = CrossingFraction(from, to, start.end1, start.end2);
    if (f >= 0 && Dot(to - from, up_) > 0) {
      const double crossed = now + f * dt;
      if (std::isnan(passings_[0])) passings_[0] = crossed;
      if (crossed < 0) {
        early_ = true;
        phase_ = Phase::Recalled;
      } else {
        phase_ = Phase::Racing;
        // Most crews hold starboard off the line for a while before they look for a shift.
        lastTurn_ = now + random_.Uniform(-20, 100);
        Advance(now);
      }
    }
    return;
  }
  if (phase_ != Phase::Racing) return;
  TrackClosest(from, to, now, dt);
  const CoursePoint& p = course_.points[next_];
  if (p.isLine) {
    const CourseLine& line = course_.lines[p.index];
    const double f = CrossingFraction(from, to, line.end1, line.end2);
    if (f >= 0) {
      passings_[next_] = now + f * dt;
      Advance(now);
    }
    return;
  }
  const Vec mark = course_.marks[p.index];
  const double distance = Length(mark - to);
  if (crew_.mishap == Mishap::MissMark && next_ == crew_.missedPoint && distance < kMissDistance) {
    closestPoint_ = -1;
    Advance(now);
    return;
  }
  if (distance < 10 || (distance < 45 && Dot(mark - to, Heading(heading_)) < 0)) Advance(now);
}

void Sailor::TrackClosest(Vec from, Vec to, double now, double dt) {
  // The mark being sailed for, and for a minute after it the one just rounded, since a boat turning round a
  // mark may come closest to it after it is abeam.
  auto follow = [&](int point, double& best, double& when) {
    const Vec mark = course_.marks[course_.points[point].index];
    const double f = ClosestFraction(from, to, mark);
    const double d = Length(from + (to - from) * f - mark);
    if (d >= best) return false;
    best = d;
    when = now + f * dt;
    return true;
  };
  if (closestPoint_ >= 0) follow(closestPoint_, closestDistance_, closestTime_);
  if (afterPoint_ >= 0) {
    double when = 0;
    if (now > afterUntil_)
      afterPoint_ = -1;
    else if (follow(afterPoint_, afterDistance_, when))
      passings_[afterPoint_] = when;
  }
}

void Sailor::Advance(double now) {
  if (closestPoint_ == next_) {
    passings_[next_] = closestTime_;
    afterPoint_ = next_;
    afterDistance_ = closestDistance_;
    afterUntil_ = now + 60;
  }
  closestPoint_ = -1;
  ++next_;
  if (next_ >= static_cast<int>(course_.points.size())) {
    phase_ = Phase::Finished;
    stopAt_ = now + random_.Uniform(60, 180);
    return;
  }
  laylineError_ = std::clamp(random_.Gauss(1.5, 1 + 5 * (1 - crew_.skill)), -8.0, 12.0);
  const CoursePoint& p = course_.points[next_];
  if (!p.isLine) {
    closestPoint_ = next_;
    closestDistance_ = 1e18;
    return;
  }
  const CourseLine& line = course_.lines[p.index];
  Vec spot;
  if (p.isGate) {
    // Round the gate mark nearer the boat's side, passing just inside it.
    const bool first = Length(line.end1 - position_) < Length(line.end2 - position_);
    const Vec mark = first ? line.end1 : line.end2;
    const Vec other = first ? line.end2 : line.end1;
    spot = mark + (other - mark) * 0.35;
  } else {
    spot = (line.end1 + line.end2) * 0.5 + (line.end2 - line.end1) * random_.Uniform(-0.3, 0.3);
  }
  lineSpot_ = spot;
}

}  // namespace simulate
