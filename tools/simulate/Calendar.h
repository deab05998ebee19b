// Civil date and time arithmetic for the files' time stamps: the gun plus race seconds, in local or GPS time.
#pragma once

#include <cmath>
#include <cstdint>

#include "simulate/Options.h"

namespace simulate {

struct Stamp {
  int year, month, day, hour, minute;
  double second;
};

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
inline std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

inline void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

// The time stamp raceSeconds after the gun, shifted by shiftHours (0 for local time, -TD for GPS time).
// Seconds are kept to a tenth so 10 Hz fixes stay apart.
inline Stamp StampAt(const LocalTime& gun, double raceSeconds, int shiftHours) {
  const std::int64_t tenths = static_cast<std::int64_t>(
      std::llround((static_cast<double>(DaysFromCivil(gun.year, gun.month, gun.day)) * 86400.0 + gun.hour * 3600.0 +
                    gun.minute * 60.0 + gun.second + shiftHours * 3600.0 + raceSeconds) *
                   10.0));
  std::int64_t days = tenths / 864000;
  std::int64_t rest = tenths % 864000;
  if (rest < 0) {
    rest += 864000;
    --days;
  }
  Stamp s{};
  CivilFromDays(days, s.year, s.month, s.day);
  s.hour = static_cast<int>(rest / 36000);
  s.minute = static_cast<int>(rest / 600 % 60);
  s.second = static_cast<double>(rest % 600) / 10.0;
  return s;
}

}  // namespace simulate
