// Rounding and the general number text.
#include "race/Numbers.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace race {

double Round(double value) { return std::nearbyint(value); }  // default FE_TONEAREST: halves to even

int RoundToInt(double value) {
  const double r = Round(value);
  if (!(r > std::numeric_limits<int>::min()) || !(r < std::numeric_limits<int>::max())) {
    return r > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
  }
  return static_cast<int>(r);
}

int Int(double value) {
  if (!(value > std::numeric_limits<int>::min()) || !(value < std::numeric_limits<int>::max())) {
    return value > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
  }
  return static_cast<int>(value);
}

std::string FormatGeneral(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // Fewest significant digits (at most 15) that read back to the value rounded to 15 digits: the
  // shortest round-trip text of the value, or of the value rounded to 15 digits when that text is longer.
  char buffer[64];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
  char* exponentMark = std::find(buffer, end, 'e');
  const auto mantissaDigits = std::count_if(buffer, exponentMark, [](char c) { return c >= '0' && c <= '9'; });
  if (mantissaDigits > 15) {
    end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    std::from_chars(buffer, end, value);
  }
  const double magnitude = std::fabs(value);
  if (magnitude >= 0.00001 && magnitude < 1e15) {
    end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(buffer, end);
  }
  // Tiny or huge: mantissa and an upper-case exponent of at least two digits, as in 1.5E-06.
  end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
  const std::string text(buffer, end);
  const auto e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return text.substr(0, e) + exponentText;
}

namespace {

// The general text of a report cell: exponent forms only arise below 0.00001, where four places show 0.
std::string ReportGeneral(double value) {
  if (std::isfinite(value) && value != 0 && std::fabs(value) < 0.00001) return value < 0 ? "-0.0000000" : "0.0000000";
  return FormatGeneral(value);
}

}  // namespace

std::string FormatInteger(double value) {
  if (!std::isfinite(value)) return FormatGeneral(value);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", Round(value) + 0.0);  // + 0.0 turns -0 into 0
  return buffer;
}

std::string FormatFourPlace(double value) {
  std::string text = ReportGeneral(value);
  const auto point = text.find('.');
  if (point == std::string::npos) return text;
  text += "00000";
  return text.substr(0, point + 5);
}

std::string FormatFiveChar(double value) { return ReportGeneral(value).substr(0, 5); }

std::string FormatWholeDegrees(double value) {
  std::string text = ReportGeneral(value);
  const auto point = text.find('.');
  if (point != std::string::npos) text.erase(point);
  return text == "-0" ? "0" : text;
}

std::string FormatSigned(double value, const std::string& formatted) {
  return value > 0 ? "+" + formatted : formatted;
}

std::string FormatDateTime(double dateTime) {
  if (!std::isfinite(dateTime) || std::fabs(dateTime) > 3e6) return FormatGeneral(dateTime);  // beyond year 9999
  using namespace std::chrono;
  constexpr long long kSecondsPerDay = 86400;
  const long long total = std::llround(dateTime * kSecondsPerDay);
  long long day = total / kSecondsPerDay;
  long long second = total % kSecondsPerDay;
  if (second < 0) {
    second += kSecondsPerDay;
    --day;
  }
  const year_month_day date{sys_days{year{1899} / December / 30} + days{day}};
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u %02lld:%02lld:%02lld", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), second / 3600,
                second / 60 % 60, second % 60);
  return buffer;
}

}  // namespace race
