// Number and integer fields of input files.
#include "race/Convert.h"

#include <charconv>
#include <limits>

#include "race/Fields.h"
#include "race/InputError.h"

namespace race {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
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

}  // namespace race
