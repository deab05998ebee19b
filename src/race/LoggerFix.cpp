// The calendar and number conversions the GPX and NMEA track readers share.
#include "race/LoggerFix.h"

#include <charconv>
#include <cmath>
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

constexpr std::int64_t kSecondsPerDay = 86400;

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
  const auto wholeSecond = static_cast<std::int64_t>(std::floor(second + 0.5));
  const std::int64_t total = (DaysFromCivil(year, month, day) - kEpoch) * kSecondsPerDay + hour * 3600 +
                             minute * 60 + wholeSecond - std::int64_t{zoneOffsetMinutes} * 60;
  std::int64_t days = total / kSecondsPerDay;
  std::int64_t secondOfDay = total % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    days -= 1;
  }
  return static_cast<double>(days) + static_cast<double>(secondOfDay) / kSecondsPerDay;
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return std::nullopt;
    }
  }
  // from_chars would take "inf", "nan" and exponents; a coordinate or a time field has none of them.
  if (text.empty()) {
    return std::nullopt;
  }
  for (const char c : text) {
    if (!(c >= '0' && c <= '9') && c != '.' && c != '-') {
      return std::nullopt;
    }
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
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
