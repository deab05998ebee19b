// Number and integer fields of input files; a text that is not one throws InputError with file and line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace race {

// A decimal number: optional sign, digits with an optional "." and an optional exponent; surrounding
// blanks are ignored. Nothing for anything else (an empty text, "1,5", "inf").
std::optional<double> ParseNumber(std::string_view text);
// A decimal integer: optional sign and digits, surrounding blanks ignored, within the int range.
std::optional<int> ParseInteger(std::string_view text);

// As above, throwing InputError(file, line, "not a number: \"text\"") or ("not an integer: ...").
double ToNumber(std::string_view text, const std::string& file, int line);
int ToInteger(std::string_view text, const std::string& file, int line);

// A position read from text (minutes of arc) checked for sense: a finite latitude within 90 degrees either
// side, a finite longitude within 180. Returns minutes; throws InputError(file, line, "latitude out of
// range: \"text\"") otherwise.
double CheckedLatitude(double minutes, std::string_view text, const std::string& file, int line);
double CheckedLongitude(double minutes, std::string_view text, const std::string& file, int line);

}  // namespace race
