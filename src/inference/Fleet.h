// The boats of a race to be made, on a flat local chart in metres, and the same tracks sampled once a second.
#pragma once

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "race/WholeTrackFile.h"

namespace inference {

struct Point {
  double x = 0;  // metres east of the fleet's origin
  double y = 0;  // metres north
};

inline double Distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

struct FleetBoat {
  std::string name;
  std::filesystem::path file;
  std::vector<double> time;  // seconds since 1899-12-30, UTC, increasing
  std::vector<Point> at;
};

struct Fleet {
  double originLat = 0, originLon = 0;  // minutes of arc
  double cosLat = 1;
  std::vector<FleetBoat> boats;

  Point ToLocal(double lat, double lon) const;
  void ToMinutes(Point p, double& lat, double& lon) const;
};

// The tracks on one chart whose origin is the middle of all fixes.
Fleet MakeFleet(const std::vector<race::WholeTrack>& tracks, const std::vector<std::filesystem::path>& files,
                const std::vector<std::string>& names);

// Every boat's position once a second from t0 for count seconds; a second outside a boat's track, or inside
// a gap of more than kMaxGapSeconds between its fixes, has no position.
inline constexpr double kMaxGapSeconds = 120;
struct FleetGrid {
  double t0 = 0;
  int count = 0;
  std::vector<std::vector<Point>> at;  // [boat][second]
  std::vector<std::vector<char>> has;  // [boat][second]

  bool Has(int boat, int i) const { return i >= 0 && i < count && has[boat][i]; }
};
FleetGrid SampleFleet(const Fleet& fleet, double t0, double t1);

// Degrees clockwise from north of the way from a to b.
double BearingOf(Point a, Point b);
// The smallest turn from bearing a to bearing b, -180..180 degrees, clockwise positive.
double TurnBetween(double a, double b);

}  // namespace inference
