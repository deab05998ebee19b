// Number and integer fields of input files.
#include "race/Convert.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "race/Fields.h"
#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Checks the decimal form by hand: from_chars alone would also take "inf", "nan" and hexadecimal.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

// The common short form (sign, at most 15 digits, a point, no exponent) as an integer over a power of ten:
// both are exact doubles, so the one division rounds correctly and equals what from_chars gives.
bool FastDecimal(std::string_view s, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::size_t i = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) ++i;
  long long mantissa = 0;
  int digits = 0, decimals = 0;
  bool point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      if (++digits > 15) return false;
      mantissa = mantissa * 10 + (c - '0');
      decimals += point ? 1 : 0;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  value = static_cast<double>(mantissa) / kPowers[decimals];
  if (negative) value = -value;
  return true;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  // Numbers in track files come without blanks around them: trim only when there is something to trim.
  if (!text.empty() &&
      (static_cast<unsigned char>(text.front()) <= 32 || static_cast<unsigned char>(text.back()) <= 32))
    text = TrimBlanks(text);
  if (double fast = 0; FastDecimal(text, fast)) return fast;
  if (!IsDecimalNumber(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

double ToNumber(std::string_view text, const std::string& file, int line) {
  if (const auto value = ParseNumber(text)) return *value;
  throw InputError(file, line, "not a number: " + Quoted(text));
}

int ToInteger(std::string_view text, const std::string& file, int line) {
  if (const auto value = ParseInteger(text)) return *value;
  throw InputError(file, line, "not an integer: " + Quoted(text));
}

double CheckedLatitude(double minutes, std::string_view text, const std::string& file, int line) {
  if (std::isfinite(minutes) && std::fabs(minutes) <= 90 * 60) return minutes;
  throw InputError(file, line, "latitude out of range: " + Quoted(text));
}

double CheckedLongitude(double minutes, std::string_view text, const std::string& file, int line) {
  if (std::isfinite(minutes) && std::fabs(minutes) <= 180 * 60) return minutes;
  throw InputError(file, line, "longitude out of range: " + Quoted(text));
}

}  // namespace race
