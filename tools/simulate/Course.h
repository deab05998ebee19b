// The race course laid by the committee: marks, lines and the order they are sailed in, in metres around the
// middle of the start line, and the conversion of those metres to latitude and longitude.
#pragma once

#include <string>
#include <vector>

#include "simulate/Geometry.h"

namespace simulate {

enum class CourseKind { WindwardLeeward, Triangle, Passage };

struct CourseLine {
  Vec end1, end2;
};

struct CoursePoint {
  bool isLine = false;
  int index = 0;           // 0-based into marks or lines
  std::string designator;  // as the race file's course record names it: "L1", "MK2"
  bool isGate = false;     // a line between two marks that boats round either of
};

struct Course {
  CourseKind kind = CourseKind::WindwardLeeward;
  std::vector<Vec> marks;
  std::vector<CourseLine> lines;
  std::vector<CoursePoint> points;  // in sailing order: start line first, finish line last
  double legMetres = 0;
};

// Windward-leeward: start line, windward mark, leeward gate (a line between two marks) and a finish line
// below the start; laps windward legs. Triangle: start, windward, wing and leeward marks per lap, one more
// windward leg, and the finish near the leeward mark. windDirection is the true mean wind.
Course BuildCourse(CourseKind kind, int laps, double windDirection, double legMetres, int boats, double boatLength);

// A distance race along a route: a start line through route[0] square to the first leg, the marks
// route[1..n-2] to be left to port, and a finish line through route[n-1] square to the last leg.
Course BuildPassage(const std::vector<Vec>& route, int boats, double boatLength);

// The longest course the analysis tables hold is 12 points; more laps than fit are refused.
int MaxLaps(CourseKind kind);
// The most marks a passage may round between its start and finish lines.
inline constexpr int kMaxPassageMarks = 10;

// Latitude and longitude, in minutes of arc, of the plane's points: the flat-earth rule the program uses.
class GeoFrame {
 public:
  GeoFrame(double latitudeDegrees, double longitudeDegrees);
  double Lat(Vec p) const { return lat0_ + p.y / 1852.0; }
  double Lon(Vec p) const { return lon0_ + p.x / metresPerMinuteLon_; }
  Vec ToPlane(double latMinutes, double lonMinutes) const;

 private:
  double lat0_, lon0_, metresPerMinuteLon_;
};

}  // namespace simulate
