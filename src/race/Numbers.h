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

}  // namespace race
