// The course as positions: each designator of the race's course resolved to a mark or a line of the race
// file.
#pragma once

#include <vector>

#include "race/RaceStore.h"

namespace analysis {

struct CoursePoint {
  bool isLine = false;
  bool exists = false;        // false when the designator names a mark or line the race file does not have
  int index = 0;              // mark or line number
  double lat = 0, lon = 0;    // the mark, or end 1 of the line
  double lat2 = 0, lon2 = 0;  // end 2 of a line (the mark again for a mark)
};

// Course points 1..courseCount (element 0 unused). A designator containing "L" names a line by the number
// from its 2nd character ("L1"); any other names a mark by the number from its 3rd character ("MK2"). A
// designator whose number cannot be read throws race::InputError naming the race file.
std::vector<CoursePoint> ResolveCourse(const race::RaceStore& store);

// Makes the passing and leg tables hold every boat and every course point, however long the course.
void SizeAnalysisTables(race::RaceStore& store);

}  // namespace analysis
