// Rounding and the general number text.
#include "race/Numbers.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace race {

double Round(double value) {
  return std::nearbyint(value);
}  // default FE_TONEAREST: halves to even

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

namespace {

// The significant digits of a finite, non-zero magnitude rounded to at most 15, trailing zeros dropped,
// with the decimal exponent of the first digit: 0.0625 gives "625" and -2.
struct GeneralDigits {
  char digits[24];
  int count = 0;
  int exponent = 0;
};

// Reads "d.ddde+XX" (or "de+XX") as to_chars writes it in scientific form.
GeneralDigits ReadScientific(const char* text, const char* end) {
  GeneralDigits d;
  const char* p = text;
  for (; p < end && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits[d.count++] = *p;
  }
  std::from_chars(p + (p[1] == '+' ? 2 : 1), end, d.exponent);
  return d;
}

GeneralDigits FifteenDigits(double magnitude) {
  char text[40];
  const char* end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific).ptr;
  GeneralDigits d = ReadScientific(text, end);
  const GeneralDigits shortest = d;
  if (d.count > 15) {
    // The shortest text lies nearer the value than any 15-digit halfway point, so rounding its digits
    // rounds the value, except when the dropped digits are exactly a half: then the value itself decides.
    const std::string_view dropped(d.digits + 15, static_cast<size_t>(d.count - 15));
    const bool half = dropped.front() == '5' && dropped.find_first_not_of('0', 1) == std::string_view::npos;
    if (half) {
      end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14).ptr;
      d = ReadScientific(text, end);
    } else {
      d.count = 15;
      if (dropped.front() >= '5') {
        int k = 14;
        for (; k >= 0 && d.digits[k] == '9'; --k) d.digits[k] = '0';
        if (k >= 0) {
          ++d.digits[k];
        } else {  // 999... carried into a new leading digit
          d.digits[0] = '1';
          ++d.exponent;
        }
      }
    }
    // Next to the largest double, 15 digits can round beyond it; the full digits then stay.
    if (d.exponent == 308 && std::string_view(d.digits, 15) > "179769313486231") d = shortest;
  }
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

}  // namespace

void AppendGeneral(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "NAN";
    return;
  }
  if (std::isinf(value)) {
    out += value > 0 ? "INF" : "-INF";
    return;
  }
  if (value == 0) {
    out += '0';
    return;
  }
  // Fewest significant digits (at most 15) that read back to the value rounded to 15 digits.
  if (value < 0) out += '-';
  const GeneralDigits d = FifteenDigits(std::fabs(value));
  const std::string_view digits(d.digits, static_cast<size_t>(d.count));
  if (d.exponent >= -5 && d.exponent < 15) {
    if (d.exponent < 0) {
      out += "0.";
      out.append(static_cast<size_t>(-d.exponent - 1), '0');
      out += digits;
    } else if (d.count <= d.exponent + 1) {
      out += digits;
      out.append(static_cast<size_t>(d.exponent + 1 - d.count), '0');
    } else {
      const auto whole = static_cast<size_t>(d.exponent + 1);
      out += digits.substr(0, whole);
      out += '.';
      out += digits.substr(whole);
    }
    return;
  }
  // Tiny or huge: mantissa and an upper-case exponent of at least two digits, as in 1.5E-06.
  out += digits.front();
  if (d.count > 1) {
    out += '.';
    out += digits.substr(1);
  }
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", d.exponent < 0 ? '-' : '+',
                std::abs(d.exponent));
  out += exponentText;
}

std::string FormatGeneral(double value) {
  std::string text;
  AppendGeneral(text, value);
  return text;
}

namespace {

// The general text of a report cell: exponent forms only arise below 0.00001, where four places show 0.
std::string ReportGeneral(double value) {
  if (std::isfinite(value) && value != 0 && std::fabs(value) < 0.00001)
    return value < 0 ? "-0.0000000" : "0.0000000";
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

std::string FormatFiveChar(double value) {
  return ReportGeneral(value).substr(0, 5);
}

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
  if (!std::isfinite(dateTime) || std::fabs(dateTime) > 3e6)
    return FormatGeneral(dateTime);  // beyond year 9999
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
