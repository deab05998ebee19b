// Boat speed of a typical 8-10 m club keelboat by true wind angle and true wind speed, and the angles that
// make the best speed toward or away from the wind.
#pragma once

namespace simulate {

class Polar {
 public:
  Polar();
  // Boat speed in knots for a true wind angle (degrees, either side; 0 = head to wind) and a true wind speed
  // in knots. Bilinear between the table's rows and columns; no way is made inside the no-go zone.
  double Speed(double trueWindAngle, double windSpeed) const;
  // The true wind angles of best velocity made good, beating and running, for a wind speed.
  double BeatAngle(double windSpeed) const;
  double RunAngle(double windSpeed) const;
  // Velocity made good (knots) at those angles.
  double BeatVmg(double windSpeed) const;
  double RunVmg(double windSpeed) const;

 private:
  static constexpr int kSpeedSteps = 61;  // cached optimum angles every 0.5 knot from 0 to 30
  double beatAngle_[kSpeedSteps];
  double runAngle_[kSpeedSteps];
  double Cached(const double* table, double windSpeed) const;
};

}  // namespace simulate
