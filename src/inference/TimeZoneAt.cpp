// The C++ library of our compiler has no time zone database access, so the zone is looked up in tzdata's
// zone.tab (each zone's principal place) and its offset read through localtime_r with TZ set for the call.
#include "inference/TimeZoneAt.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <numbers>
#include <sstream>

namespace inference {

namespace {

// "+DDMM" or "+DDMMSS" (latitude), "+DDDMM" or "+DDDMMSS" (longitude) as degrees.
std::optional<double> IsoDegrees(const std::string& text, int degreeDigits) {
  if (text.size() < static_cast<std::size_t>(1 + degreeDigits + 2)) return std::nullopt;
  const double sign = text[0] == '-' ? -1 : 1;
  const double degrees = std::atof(text.substr(1, degreeDigits).c_str());
  const double minutes = std::atof(text.substr(1 + degreeDigits, 2).c_str());
  const double seconds = text.size() >= static_cast<std::size_t>(1 + degreeDigits + 4)
                             ? std::atof(text.substr(3 + degreeDigits, 2).c_str())
                             : 0;
  return sign * (degrees + minutes / 60 + seconds / 3600);
}

double GreatCircleKm(double lat1, double lon1, double lat2, double lon2) {
  const double r = std::numbers::pi / 180;
  const double a = std::sin((lat2 - lat1) * r / 2), b = std::sin((lon2 - lon1) * r / 2);
  const double h = a * a + std::cos(lat1 * r) * std::cos(lat2 * r) * b * b;
  return 2 * 6371 * std::asin(std::min(1.0, std::sqrt(h)));
}

// Sets TZ for its lifetime and puts back what was there.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const std::string& zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone.c_str(), 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> old_;
};

}  // namespace

std::optional<int> ZoneOffsetMinutes(const std::string& zone, long long utcSeconds) {
  const ScopedTimeZone scoped(zone);
  const std::time_t t = static_cast<std::time_t>(utcSeconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return std::nullopt;
  return static_cast<int>(local.tm_gmtoff / 60);
}

std::optional<LocalZone> TimeZoneAt(double latDegrees, double lonDegrees, long long utcSeconds,
                                    const std::string& zoneTable) {
  std::ifstream in(zoneTable);
  std::string line, bestZone;
  double bestKm = kMaxZoneDistanceKm;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string country, coordinates, zone;
    if (!(fields >> country >> coordinates >> zone)) continue;
    // The coordinates are ISO 6709: latitude then longitude, each with its sign.
    const auto split = coordinates.find_first_of("+-", 1);
    if (split == std::string::npos) continue;
    const std::string latText = coordinates.substr(0, split), lonText = coordinates.substr(split);
    const auto lat = IsoDegrees(latText, 2);
    const auto lon = IsoDegrees(lonText, 3);
    if (!lat || !lon) continue;
    const double km = GreatCircleKm(latDegrees, lonDegrees, *lat, *lon);
    if (km < bestKm) bestKm = km, bestZone = zone;
  }
  if (bestZone.empty()) return std::nullopt;
  const auto offset = ZoneOffsetMinutes(bestZone, utcSeconds);
  if (!offset) return std::nullopt;
  return LocalZone{bestZone, *offset};
}

}  // namespace inference
