// Plane geometry of the race area: metres east (x) and north (y) of the course origin, compass angles in
// degrees (clockwise from north, the way the wind and the boats are spoken of).
#pragma once

#include <cmath>

namespace simulate {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kKnot = 1852.0 / 3600.0;  // metres per second in one knot

inline double Radians(double degrees) { return degrees * kPi / 180.0; }
inline double Degrees(double radians) { return radians * 180.0 / kPi; }

// An angle brought into (-180, 180].
inline double Signed(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a <= -180) a += 360;
  if (a > 180) a -= 360;
  return a;
}
// An angle brought into [0, 360).
inline double Compass(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a < 0) a += 360;
  return a >= 360 ? 0 : a;
}

struct Vec {
  double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
inline double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double Length(Vec a) { return std::hypot(a.x, a.y); }
// Unit vector of a compass bearing.
inline Vec Heading(double bearing) { return {std::sin(Radians(bearing)), std::cos(Radians(bearing))}; }
// Compass bearing of a vector (0 for the zero vector).
inline double BearingOf(Vec v) { return (v.x == 0 && v.y == 0) ? 0 : Compass(Degrees(std::atan2(v.x, v.y))); }

// Where the segment p0-p1 crosses the segment a-b: the fraction along p0-p1, or a negative value when the
// two do not cross.
inline double CrossingFraction(Vec p0, Vec p1, Vec a, Vec b) {
  const Vec r = p1 - p0, s = b - a;
  const double denominator = r.x * s.y - r.y * s.x;
  if (denominator == 0) return -1;
  const Vec q = a - p0;
  const double t = (q.x * s.y - q.y * s.x) / denominator;
  const double u = (q.x * r.y - q.y * r.x) / denominator;
  return (t >= 0 && t <= 1 && u >= 0 && u <= 1) ? t : -1;
}

// The fraction along p0-p1 of the point closest to c.
inline double ClosestFraction(Vec p0, Vec p1, Vec c) {
  const Vec r = p1 - p0;
  const double l2 = Dot(r, r);
  if (l2 == 0) return 0;
  const double t = Dot(c - p0, r) / l2;
  return t < 0 ? 0 : (t > 1 ? 1 : t);
}

}  // namespace simulate
