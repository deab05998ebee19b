// A text track's fix line as loggers write it, read in one pass: six blank-separated fields, hemisphere
// letters with plain digits, a time h:mm:ss. Every other line goes the general way (field splitting and the
// number readers), which also words the errors; on the lines it takes, this reading gives the same values.
#pragma once

#include <string_view>

namespace race {

struct PlainFixLine {
  std::string_view date;  // the date field as written
  double timeOfDay = 0;   // seconds into the day
  double lat = 0;         // minutes of arc, negative south, within 90 degrees
  double lon = 0;         // minutes of arc, negative west, within 180 degrees
};

// Reads line as a fix in the coordinate form format (see CoordFormat). False when the line is not a fix
// line in the plain form or holds anything the general reading would treat otherwise (a value out of range,
// more digits than a double holds exactly, control characters, a fraction of a second ...).
bool ReadPlainFixLine(std::string_view line, int format, PlainFixLine& fix);

}  // namespace race
