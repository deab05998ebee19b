// Track files as today's loggers write them: GPX 1.1 from a phone or watch, NMEA 0183 RMC sentences from an
// instrument system. Times are UTC (GPS time), as the loggers keep them.
#pragma once

#include <string>
#include <vector>

#include "simulate/Course.h"
#include "simulate/Options.h"
#include "simulate/Race.h"

namespace simulate {

// One trk of one trkseg, decimal degrees to seven places, times with a tenth when logging faster than 1 Hz.
std::string GpxTrackText(const std::vector<Fix>& fixes, const GeoFrame& frame, const Options& options,
                         const std::string& trackName);

// One $GPRMC sentence per fix with its checksum, CR LF line ends; speed and course over ground from the
// neighbouring fixes.
std::string NmeaTrackText(const std::vector<Fix>& fixes, const GeoFrame& frame, const Options& options);

}  // namespace simulate
