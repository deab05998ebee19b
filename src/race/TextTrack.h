// The text track file form: "T" lines of hemisphere-lettered coordinates, a date and a GPS time of day.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "race/RaceStore.h"
#include "race/TextInput.h"
#include "race/TrackFix.h"

namespace race {

enum CoordFormat { kDecimalDegrees = 1, kDegreesMinutes = 2, kDegreesMinutesSeconds = 3 };

// A hemisphere letter and a number in the given form (N3512.3456 in degrees and decimal minutes is
// 2112.3456) as minutes of arc, negative for S and W. Throws InputError(file, line, "not a coordinate: ...")
// when the number cannot be read (no decimal point in forms 2 and 3, letters, missing digits).
double ParseCoordinate(std::string_view text, int format, const std::string& file = {}, int line = 0);

// The date field of a fix as a date text: a-b-c (day-month-year) becomes c/b/a, other texts stay.
// A date 365 days or more from raceDate, or one that cannot be read, gives "2000/1/1", which lies
// outside every race window.
std::string NormaliseGpsDate(std::string_view text, TDateTime raceDate);

// Reads track lines for the boat in slot, appending the fixes inside the race window from n on. Throws
// InputError for a coordinate that does not read or lies off the globe.
void ReadTextTrack(RaceStore& store, int slot, TextLines& lines, int& n);

// Every fix of a text track whatever its date, in file order, for a race still to be made from it.
std::vector<TrackFix> ReadTextTrackFixes(TextLines& lines);

}  // namespace race
