// Rounding and number-to-text forms shared by every part of the program, so no number is formatted twice.
#pragma once

#include <string>

namespace race {

// Nearest integer, halves to the even neighbour.
double Round(double value);
int RoundToInt(double value);

// Truncation toward zero.
int Int(double value);

// Shortest text that reads back to the same value (up to 15 significant digits), '.' as decimal point,
// exponent only below 0.00001.
std::string FormatGeneral(double value);
// The same text appended to out, for writers of many numbers.
void AppendGeneral(std::string& out, double value);

// The forms of the performance report. All start from the general text; a value too small for it to be
// written without an exponent (below 0.00001) is taken as 0 there, so the cuts never split an exponent.
// Nearest integer (halves to even) in decimal, never "-0".
std::string FormatInteger(double value);
// Fraction cut (not rounded) to exactly four places; a whole number has no point: 3, 2.1234, 2.5000.
std::string FormatFourPlace(double value);
// The general text cut to its first five characters: 2.12345 -> "2.123", 0.5 -> "0.5".
std::string FormatFiveChar(double value);
// The general text without its point and fraction: 359.9 -> "359".
std::string FormatWholeDegrees(double value);
// A formatted number with "+" in front when the value is above 0 (negatives carry their own "-").
std::string FormatSigned(double value, const std::string& formatted);

// A date-time (days since 1899-12-30) in the fixed form "yyyy/MM/dd HH:mm:ss", seconds rounded, that the
// batch command and the tests use where the desktop shows the user's short date and long time.
std::string FormatDateTime(double dateTime);

}  // namespace race
