// What the readers of logger formats (GPX, NMEA) share: the per-fix sink and the UTC clock arithmetic that
// turns a logger's calendar time into the whole-second date-time the text track form carries.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "race/TrackFix.h"

namespace race {

// Receives each fix as it is read, so a long track never has to sit in memory twice.
using TrackFixSink = std::function<void(const TrackFix&)>;

// The date-time of a logger's UTC calendar time, rounded to the whole second as the text track form holds it:
// the nearest second, a half second going to the later one. zoneOffsetMinutes is the offset the time was
// written in (+540 for "+09:00"); it is taken off to reach UTC. Empty when a field is out of range.
std::optional<TDateTime> LoggerTime(int year, int month, int day, int hour, int minute, double second,
                                    int zoneOffsetMinutes = 0);

// A decimal number in the plain "C" form ("-35.25", "+1.5", "12"); empty for anything else, including blanks.
std::optional<double> ParseDecimal(std::string_view text);

// A run of exactly `digits` decimal digits at the start of text, or -1.
int ParseDigits(std::string_view text, int digits);

}  // namespace race
