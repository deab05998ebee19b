// Laying the marks and lines of the two course kinds.
#include "simulate/Course.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace simulate {

int MaxLaps(CourseKind kind) { return kind == CourseKind::Triangle ? 3 : 5; }

Course BuildCourse(CourseKind kind, int laps, double windDirection, double legMetres, int boats,
                   double boatLength) {
  if (laps < 1 || laps > MaxLaps(kind)) throw std::invalid_argument("laps out of range");
  // Axes: up toward the wind, right as seen looking upwind.
  const Vec up = Heading(windDirection);
  const Vec right = Heading(windDirection + 90);
  auto at = [&](double u, double v) { return up * u + right * v; };

  Course course;
  course.kind = kind;
  course.legMetres = legMetres;
  // A start line about one and a half boat lengths per boat, the committee boat at the right (starboard) end.
  const double startHalf = std::max(75.0, 0.75 * boats * boatLength);
  course.lines.push_back({at(0, startHalf), at(0, -startHalf)});
  course.points.push_back({true, 0, "L1", false});
  course.marks.push_back(at(legMetres, 0));  // MK1 windward

  if (kind == CourseKind::WindwardLeeward) {
    const double gateHalf = std::clamp(5.0 * boatLength, 35.0, 60.0);
    const double gateDown = std::clamp(0.12 * legMetres, 100.0, 300.0);
    course.marks.push_back(at(-gateDown, -gateHalf));  // MK2 gate, left looking upwind
    course.marks.push_back(at(-gateDown, gateHalf));   // MK3 gate, right
    course.lines.push_back({course.marks[1], course.marks[2]});  // L2 the gate
    // The finish lies off to starboard of the gate, clear of the water the fleet mills in before the start.
    course.lines.push_back({at(-gateDown, startHalf + 170), at(-gateDown, startHalf + 270)});  // L3 finish
    for (int lap = 1; lap <= laps; ++lap) {
      course.points.push_back({false, 0, "MK1", false});
      if (lap < laps) course.points.push_back({true, 1, "L2", true});
    }
    course.points.push_back({true, 2, "L3", false});
  } else {
    const double leewardDown = std::clamp(0.1 * legMetres, 80.0, 250.0);
    course.marks.push_back(at(legMetres * 0.45, -legMetres * 0.6));  // MK2 wing, to port of the windward mark
    course.marks.push_back(at(-leewardDown, 0));                     // MK3 leeward
    course.lines.push_back({at(-leewardDown, startHalf + 170), at(-leewardDown, startHalf + 270)});  // L2 finish
    for (int lap = 1; lap <= laps; ++lap) {
      course.points.push_back({false, 0, "MK1", false});
      course.points.push_back({false, 1, "MK2", false});
      course.points.push_back({false, 2, "MK3", false});
    }
    course.points.push_back({false, 0, "MK1", false});
    course.points.push_back({true, 1, "L2", false});
  }
  return course;
}

Course BuildPassage(const std::vector<Vec>& route, int boats, double boatLength) {
  if (route.size() < 2 || route.size() > kMaxPassageMarks + 2) throw std::invalid_argument("a passage needs 2 to 12 points");
  Course course;
  course.kind = CourseKind::Passage;
  auto squareLine = [](Vec centre, Vec toward, double half) {
    const Vec across = Heading(BearingOf(toward) + 90) * half;
    return CourseLine{centre + across, centre - across};
  };
  const double startHalf = std::max(75.0, 0.75 * boats * boatLength);
  course.lines.push_back(squareLine(route[0], route[1] - route[0], startHalf));
  course.points.push_back({true, 0, "L1", false});
  for (size_t i = 1; i + 1 < route.size(); ++i) {
    course.marks.push_back(route[i]);
    course.points.push_back({false, static_cast<int>(i - 1), "MK" + std::to_string(i), false});
  }
  const size_t last = route.size() - 1;
  course.lines.push_back(squareLine(route[last], route[last] - route[last - 1], 100));
  course.points.push_back({true, 1, "L2", false});
  course.legMetres = Length(route[1] - route[0]);
  return course;
}

GeoFrame::GeoFrame(double latitudeDegrees, double longitudeDegrees)
    : lat0_(latitudeDegrees * 60), lon0_(longitudeDegrees * 60),
      metresPerMinuteLon_(1852.0 * std::cos(Radians(latitudeDegrees))) {}

Vec GeoFrame::ToPlane(double latMinutes, double lonMinutes) const {
  return {(lonMinutes - lon0_) * metresPerMinuteLon_, (latMinutes - lat0_) * 1852.0};
}

}  // namespace simulate
