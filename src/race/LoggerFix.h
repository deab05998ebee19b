// What the readers of logger formats (GPX, NMEA) share: the per-fix sink, the UTC clock arithmetic that turns
// a logger's calendar time into a date-time, and fixed-width digit fields.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "race/TrackFix.h"

namespace race {

// Receives each fix as it is read, so a long track never has to sit in memory twice.
using TrackFixSink = std::function<void(const TrackFix&)>;

// The date-time of a logger's calendar time. zoneOffsetMinutes is the offset the time was written in (+540
// for
// "+09:00"); it is taken off to reach UTC. A fraction of a second is kept, and the fix keeps it to the
// millisecond in the race clock (a 10 Hz logger's fixes each have their own time). Empty when a field is out
// of range.
std::optional<TDateTime> LoggerTime(int year, int month, int day, int hour, int minute, double second,
                                    int zoneOffsetMinutes = 0);

// A run of exactly `digits` decimal digits at the start of text, or -1.
int ParseDigits(std::string_view text, int digits);

}  // namespace race
