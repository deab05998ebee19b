// The GPS track file a boat's logger leaves: a short header, then one "T" line per fix with hemisphere-letter
// coordinates, the GPS date and time, and an altitude.
#pragma once

#include <string>
#include <vector>

#include "simulate/Course.h"
#include "simulate/Options.h"
#include "simulate/Race.h"

namespace simulate {

// N/S or E/W followed by the number in the chosen form: DDMM.mmmm / DDDMM.mmmm, D.dddddd, or DDMMSS.ss.
std::string FormatLatitude(double minutes, CoordinateForm form);
std::string FormatLongitude(double minutes, CoordinateForm form);

// The date field: 2026/05/17, 17-05-2026 or 17-MAY-26.
std::string FormatFixDate(int year, int month, int day, DateForm form);

// The whole file, CR LF line ends. Times are GPS time (local time less the time difference); with more than one
// fix a second the seconds carry a tenth.
std::string TrackFileText(const std::vector<Fix>& fixes, const GeoFrame& frame, const Options& options,
                          const std::string& trackName);

}  // namespace simulate
