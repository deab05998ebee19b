// The local time of a place and moment, daylight saving included, from the system's time zone database.
#pragma once

#include <optional>
#include <string>

namespace inference {

struct LocalZone {
  std::string name;       // "Europe/Berlin"
  int offsetMinutes = 0;  // local time less UTC at that moment
};

// The zone of the nearest place listed in the time zone database's zone table (zone.tab) and its offset at
// utcSeconds (seconds since 1970). zoneTable names the table; nothing when it cannot be read or the nearest
// listed place is more than kMaxZoneDistanceKm away (open sea: the caller falls back to nautical time).
inline constexpr double kMaxZoneDistanceKm = 1500;
std::optional<LocalZone> TimeZoneAt(double latDegrees, double lonDegrees, long long utcSeconds,
                                    const std::string& zoneTable = "/usr/share/zoneinfo/zone.tab");

// The offset of the named zone at utcSeconds, read through the C library with TZ set for the call only.
std::optional<int> ZoneOffsetMinutes(const std::string& zone, long long utcSeconds);

}  // namespace inference
