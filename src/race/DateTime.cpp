// Calendar date-times from text and spans in seconds.
#include "race/DateTime.h"

#include <array>
#include <cmath>

#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr long long kDaysFrom1970To1899_12_30 = -25569;

// Days since 1970-01-01 of a proleptic Gregorian date (the well-known civil-date arithmetic).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 13> kDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month];
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Digits only, at most 4 of them; -1 otherwise.
int SmallNumber(std::string_view s) {
  if (s.empty() || s.size() > 4) return -1;
  int value = 0;
  for (char c : s) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// 1..12 for an English month name or its three-letter abbreviation, any case; 0 otherwise.
int MonthFromName(std::string_view s) {
  static constexpr std::array<std::string_view, 12> kNames = {
      "january", "february", "march",     "april",   "may",      "june",
      "july",    "august",   "september", "october", "november", "december"};
  if (s.size() < 3) return 0;
  for (char c : s) {
    if (!IsLetter(c)) return 0;
  }
  for (int m = 0; m < 12; ++m) {
    const std::string_view name = kNames[m];
    if (s.size() > name.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < s.size() && same; ++k) same = Lower(s[k]) == name[k];
    if (same && (s.size() == 3 || s.size() == name.size())) return m + 1;
  }
  return 0;
}

int FullYear(std::string_view digits, int value) {
  if (digits.size() == 4) return value;
  return value < 30 ? 2000 + value : 1900 + value;
}

std::optional<double> ParseDate(std::string_view text) {
  const std::size_t first = text.find_first_of("/-.");
  if (first == std::string_view::npos) return std::nullopt;
  const char separator = text[first];
  const std::size_t second = text.find(separator, first + 1);
  if (second == std::string_view::npos || text.find(separator, second + 1) != std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view a = text.substr(0, first);
  const std::string_view b = text.substr(first + 1, second - first - 1);
  const std::string_view c = text.substr(second + 1);
  const int va = SmallNumber(a), vc = SmallNumber(c);
  if (va < 0 || vc < 0 || a.size() == 3 || c.size() == 3) return std::nullopt;
  const int named = MonthFromName(b);
  const int month = named > 0 ? named : b.size() <= 2 ? SmallNumber(b) : -1;
  if (month < 1 || month > 12) return std::nullopt;
  int year = 0, day = 0;
  if (c.size() == 4 && a.size() <= 2) {  // day-month-year
    year = vc, day = va;
  } else if (separator == '-' && named > 0 && a.size() <= 2 && c.size() <= 2) {
    // The loggers' 17-MAY-08 is 17 May 2008 in every file, as the track files have always read it.
    year = FullYear(c, vc), day = va;
  } else if (c.size() <= 2) {  // year-month-day, the year possibly two-digit
    year = FullYear(a, va), day = vc;
  } else {
    return std::nullopt;
  }
  if (year < 1 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                             kDaysFrom1970To1899_12_30);
}

}  // namespace

double SpanMilliseconds(TDateTime a, TDateTime b) {
  return std::nearbyint((b - a) * kSecondsPerDay * 1000.0) / 1000.0;
}

std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour, int minute, double second) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || !(second >= 0 && second < 60))
    return std::nullopt;
  const double days =
      static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                          kDaysFrom1970To1899_12_30);
  return days + (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
}

std::optional<double> ParseTimeOfDay(std::string_view text) {
  std::size_t i = 0;
  auto readNumber = [&](int maxDigits) {
    int value = 0, digits = 0;
    while (i < text.size() && IsDigit(text[i]) && digits < maxDigits)
      value = value * 10 + (text[i++] - '0'), ++digits;
    return digits == 0 ? -1 : value;
  };
  const int hour = readNumber(2);
  if (hour < 0 || hour > 23 || i >= text.size() || text[i] != ':') return std::nullopt;
  ++i;
  const int minute = readNumber(2);
  if (minute < 0 || minute > 59) return std::nullopt;
  double second = 0;
  if (i < text.size() && text[i] == ':') {
    ++i;
    const int whole = readNumber(2);
    if (whole < 0 || whole > 59) return std::nullopt;
    second = whole;
    if (i < text.size() && text[i] == '.') {
      ++i;
      double scale = 0.1;
      const std::size_t start = i;
      while (i < text.size() && IsDigit(text[i])) second += (text[i++] - '0') * scale, scale /= 10;
      if (i == start) return std::nullopt;
    }
  }
  if (i != text.size()) return std::nullopt;
  return hour * 3600.0 + minute * 60.0 + second;
}

std::optional<TDateTime> ParseDateTime(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  text = text.substr(begin, end - begin);
  if (text.empty()) return std::nullopt;

  std::string_view datePart = text, timePart;
  std::size_t split = text.find(' ');
  if (split == std::string_view::npos) {
    // An ISO-style "T" between a digit and a digit also separates date and time.
    for (std::size_t k = 1; k + 1 < text.size(); ++k) {
      if (text[k] == 'T' && IsDigit(text[k - 1]) && IsDigit(text[k + 1])) {
        split = k;
        break;
      }
    }
  }
  if (split != std::string_view::npos) {
    datePart = text.substr(0, split);
    timePart = text.substr(split + 1);
    while (!timePart.empty() && static_cast<unsigned char>(timePart.front()) <= 32) timePart.remove_prefix(1);
  } else if (text.find(':') != std::string_view::npos) {
    datePart = {}, timePart = text;
  }

  double value = 0;
  if (!datePart.empty()) {
    const auto date = ParseDate(datePart);
    if (!date) return std::nullopt;
    value = *date;
  }
  if (!timePart.empty()) {
    const auto seconds = ParseTimeOfDay(timePart);
    if (!seconds) return std::nullopt;
    value += *seconds / kSecondsPerDay;
  }
  return value;
}

TDateTime TextToDateTime(std::string_view text, const std::string& file, int line) {
  if (const auto value = ParseDateTime(text)) return *value;
  throw InputError(file, line, "not a date: " + Quoted(text));
}

long long WholeSeconds(TDateTime value) {
  return std::llround(value * kSecondsPerDay);
}

void AppendUtcText(std::string& out, long long seconds) {
  const long long perDay = static_cast<long long>(kSecondsPerDay);
  long long days = seconds / perDay;
  long long second = seconds % perDay;
  if (second < 0) {
    second += perDay;
    --days;
  }
  // Civil date from days since 1970-01-01: the inverse of DaysFromCivil (Howard Hinnant's algorithm).
  const long long z = days + kDaysFrom1970To1899_12_30 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long dayOfEra = z - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long mp = (5 * dayOfYear + 2) / 153;
  const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  if (year < 0 || year > 9999) {  // outside what xsd:dateTime's four-digit form can say
    out += "0001-01-01T00:00:00Z";
    return;
  }
  char text[] = "0000-00-00T00:00:00Z";
  const auto two = [&text](int at, long long value) {
    text[at] = static_cast<char>('0' + value / 10);
    text[at + 1] = static_cast<char>('0' + value % 10);
  };
  two(0, year / 100);
  two(2, year % 100);
  two(5, month);
  two(8, day);
  two(11, second / 3600);
  two(14, second / 60 % 60);
  two(17, second % 60);
  out.append(text, sizeof text - 1);
}

void AppendUtcMillisecondText(std::string& out, long long milliseconds) {
  long long seconds = milliseconds / 1000;
  long long fraction = milliseconds % 1000;
  if (fraction < 0) {
    fraction += 1000;
    --seconds;
  }
  AppendUtcText(out, seconds);
  if (fraction == 0 || out.empty()) return;
  out.pop_back();  // the "Z" goes after the fraction
  const char digits[] = {'.', static_cast<char>('0' + fraction / 100),
                         static_cast<char>('0' + fraction / 10 % 10), static_cast<char>('0' + fraction % 10),
                         'Z'};
  out.append(digits, sizeof digits);
}

}  // namespace race
