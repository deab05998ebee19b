// The calendar and number conversions the GPX and NMEA track readers share.
#include "race/LoggerFix.h"

#include <cstdint>

namespace race {
namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (the well-known era arithmetic).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr double kSecondsPerDay = 86400;

}  // namespace

std::optional<TDateTime> LoggerTime(int year, int month, int day, int hour, int minute, double second,
                                    int zoneOffsetMinutes) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  // A leap second (60) is let through; it lands on the first second of the next minute.
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || !(second >= 0 && second < 61)) {
    return std::nullopt;
  }
  if (zoneOffsetMinutes < -24 * 60 || zoneOffsetMinutes > 24 * 60) {
    return std::nullopt;
  }
  static const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);
  // Built as the text form builds a fix time, the day plus the seconds of the day over 86400, so that equal
  // texts give equal date-times and the window rules round a fraction of a second the same way for both.
  std::int64_t days = DaysFromCivil(year, month, day) - kEpoch;
  double secondOfDay = hour * 3600.0 + minute * 60.0 + second - zoneOffsetMinutes * 60.0;
  while (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    days -= 1;
  }
  while (secondOfDay >= kSecondsPerDay) {
    secondOfDay -= kSecondsPerDay;
    days += 1;
  }
  return static_cast<double>(days) + secondOfDay / kSecondsPerDay;
}

int ParseDigits(std::string_view text, int digits) {
  if (static_cast<int>(text.size()) < digits) {
    return -1;
  }
  int value = 0;
  for (int i = 0; i < digits; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') {
      return -1;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace race
