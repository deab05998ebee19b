// Closest approaches of the fleet to course points and marks, for the load's warnings.
#include "analysis/CourseWarnings.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "analysis/CoursePoints.h"
#include "analysis/MarkPassings.h"
#include "race/Numbers.h"

namespace analysis {

namespace {

constexpr double kMetresPerMinute = 1852;

// Metres from a fix to the point (a mark) or to the segment between a line's ends, on a local flat chart.
double MetresTo(const CoursePoint& p, double lat, double lon, double cosMid) {
  const double ax = (p.lon - lon) * cosMid, ay = p.lat - lat;
  const double bx = (p.lon2 - lon) * cosMid, by = p.lat2 - lat;
  const double dx = bx - ax, dy = by - ay;
  const double lengthSquared = dx * dx + dy * dy;
  const double f = lengthSquared > 0 ? std::clamp(-(ax * dx + ay * dy) / lengthSquared, 0.0, 1.0) : 0.0;
  return std::hypot(ax + dx * f, ay + dy * f) * kMetresPerMinute;
}

double FleetClosestApproach(const race::RaceStore& store, const CoursePoint& p, double cosMid) {
  double best = std::numeric_limits<double>::infinity();
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.trackTime.size()) - 1);
  for (int b = 1; b <= boats; ++b) {
    const int n = std::min<int>(store.fixCount[b], static_cast<int>(store.trackLat[b].size()) - 1);
    for (int i = 1; i <= n; ++i)
      best = std::min(best, MetresTo(p, store.trackLat[b][i], store.trackLon[b][i], cosMid));
  }
  return best;
}

}  // namespace

void WarnAboutCourse(race::RaceStore& store, double cosMidLatitude) {
  const std::vector<CoursePoint> course = ResolveCourse(store);
  const int count = static_cast<int>(course.size()) - 1;
  const int boats = std::min<int>(store.boatCount, static_cast<int>(store.markTime.size()) - 1);
  for (int k = 2; k < count; ++k) {
    if (!course[k].exists) continue;
    bool passed = false;
    for (int b = 1; b <= boats && !passed; ++b) passed = Passed(store, b, k);
    if (passed) continue;
    const double closest = FleetClosestApproach(store, course[k], cosMidLatitude);
    Warn(store, race::WarningKind::kPointNobodyPassed,
         {store.courseMark[k], std::to_string(k),
          std::isfinite(closest) ? race::FormatInteger(closest) : "-"});
  }
  for (int m = 1; m <= std::min(store.markCount, race::kMaxMarks); ++m) {
    CoursePoint mark;
    mark.lat = mark.lat2 = store.markLat[m];
    mark.lon = mark.lon2 = store.markLon[m];
    const double miles = FleetClosestApproach(store, mark, cosMidLatitude) / kMetresPerMinute;
    if (std::isfinite(miles) && miles > kFarMarkNauticalMiles)
      Warn(store, race::WarningKind::kMarkFarFromTracks,
           {"MK" + std::to_string(m), race::FormatGeneral(race::Round(miles * 10) / 10)});
  }
}

}  // namespace analysis
