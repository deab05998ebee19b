// Rounding and the general number text that every report and export relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "race/Numbers.h"

namespace race {
namespace {

TEST(Numbers, RoundTakesHalvesToTheEvenNeighbour) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(220.5), 220);
  EXPECT_EQ(Round(221.5), 222);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(RoundToInt(359.6), 360);
  EXPECT_EQ(RoundToInt(1e300), 2147483647);
}

// Over the ranges the program meets, the text reads back to the value rounded to 15 digits and no
// shorter text would.
TEST(Numbers, GeneralTextIsTheFewestDigitsThatReadBack) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> minutes(-10800, 10800), exponents(-12, 14);
  char buffer[64];
  for (int i = 0; i < 20000; ++i) {
    for (double value : {minutes(random), minutes(random) / 60, std::pow(10.0, exponents(random))}) {
      std::snprintf(buffer, sizeof buffer, "%.14e", value);
      const double target = std::strtod(buffer, nullptr);
      const std::string text = FormatGeneral(value);
      ASSERT_EQ(std::strtod(text.c_str(), nullptr), target) << text;
      std::string mantissa;
      for (char c : text.substr(0, text.find('E'))) {
        if (c >= '0' && c <= '9' && !(mantissa.empty() && c == '0')) mantissa += c;
      }
      const int digits = static_cast<int>(mantissa.find_last_not_of('0') + 1);
      std::snprintf(buffer, sizeof buffer, "%.*e", std::max(digits - 2, 0), value);
      if (digits > 1) {
        ASSERT_NE(std::strtod(buffer, nullptr), target) << text << " could be " << buffer;
      }
    }
  }
}

TEST(Numbers, IntTruncatesTowardZero) {
  EXPECT_EQ(Int(2.9), 2);
  EXPECT_EQ(Int(-2.9), -2);
  EXPECT_EQ(Int(-1e300), -2147483647 - 1);
}

TEST(Numbers, GeneralTextIsShortestWithPointAndNoNeedlessExponent) {
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(12), "12");
  EXPECT_EQ(FormatGeneral(-7.25), "-7.25");
  EXPECT_EQ(FormatGeneral(0.1), "0.1");
  EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(2112.3456), "2112.3456");
  EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneral(0.000001), "1E-06");
  EXPECT_EQ(FormatGeneral(0.0000015), "1.5E-06");
  EXPECT_EQ(FormatGeneral(0.00005), "0.00005");
  EXPECT_EQ(FormatGeneral(0.00001), "0.00001");
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatGeneral(-2112.345600000001), "-2112.3456");
  EXPECT_EQ(FormatGeneral(1e15), "1E+15");
  EXPECT_EQ(FormatGeneral(10000000), "10000000");
  EXPECT_EQ(FormatGeneral(123456789012.5), "123456789012.5");
}

// The 15-digit rounding where the shortest text alone cannot decide, and where it carries or overflows.
TEST(Numbers, GeneralTextRoundsSixteenDigitHalvesByTheExactValue) {
  EXPECT_EQ(FormatGeneral(7.672542562549735), "7.67254256254973");  // just below the half
  EXPECT_EQ(FormatGeneral(2.468429743296745), "2.46842974329675");  // just above it
  EXPECT_EQ(FormatGeneral(6.337381796907495), "6.3373817969075");
  EXPECT_EQ(FormatGeneral(0.9999999999999999), "1");
  EXPECT_EQ(FormatGeneral(-99999.99999999999), "-100000");
  EXPECT_EQ(FormatGeneral(999999999999999.9), "1E+15");
  EXPECT_EQ(FormatGeneral(0.000009999999999999999), "0.00001");
  // Rounded to 15 digits the largest double would read back as infinity; its own digits stay.
  EXPECT_EQ(FormatGeneral(1.7976931348623157e308), "1.7976931348623157E+308");
  EXPECT_EQ(FormatGeneral(5e-324), "5E-324");
  std::string text = "x";
  AppendGeneral(text, 35.25);
  EXPECT_EQ(text, "x35.25");
}

TEST(Numbers, IntegerFormRoundsHalvesToEvenWithoutNegativeZero) {
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(1234.5), "1234");
  EXPECT_EQ(FormatInteger(1235.5), "1236");
  EXPECT_EQ(FormatInteger(-0.4), "0");
  EXPECT_EQ(FormatInteger(-12.6), "-13");
  EXPECT_EQ(FormatInteger(10000000), "10000000");
}

TEST(Numbers, FourPlaceFormCutsTheFractionToExactlyFourDigits) {
  EXPECT_EQ(FormatFourPlace(3.0), "3");
  EXPECT_EQ(FormatFourPlace(2.123456), "2.1234");
  EXPECT_EQ(FormatFourPlace(2.5), "2.5000");
  EXPECT_EQ(FormatFourPlace(2.99999), "2.9999");  // cut, not rounded up to 3
  EXPECT_EQ(FormatFourPlace(-0.12345), "-0.1234");
  EXPECT_EQ(FormatFourPlace(0.00012), "0.0001");
  EXPECT_EQ(FormatFourPlace(0.000001), "0.0000");  // no split exponent such as "1E-06" or "1.5E-"
  EXPECT_EQ(FormatFourPlace(-0.0000015), "-0.0000");
}

TEST(Numbers, FiveCharacterAndWholeDegreeFormsCutTheGeneralText) {
  EXPECT_EQ(FormatFiveChar(2.123456), "2.123");
  EXPECT_EQ(FormatFiveChar(0.5), "0.5");
  EXPECT_EQ(FormatFiveChar(123456.7), "12345");
  EXPECT_EQ(FormatFiveChar(0), "0");
  EXPECT_EQ(FormatFiveChar(0.0000015), "0.000");
  EXPECT_EQ(FormatWholeDegrees(359.99), "359");
  EXPECT_EQ(FormatWholeDegrees(45), "45");
  EXPECT_EQ(FormatWholeDegrees(0.0000001), "0");
}

TEST(Numbers, SignedFormPrefixesPlusOnlyAboveZero) {
  EXPECT_EQ(FormatSigned(0.5, FormatFourPlace(0.5)), "+0.5000");
  EXPECT_EQ(FormatSigned(-0.12345, FormatFourPlace(-0.12345)), "-0.1234");
  EXPECT_EQ(FormatSigned(0, FormatInteger(0)), "0");
  EXPECT_EQ(FormatSigned(0.3, FormatInteger(0.3)), "+0");  // the sign follows the value, not its text
}

TEST(Numbers, DateTimeFixedFormRoundsToTheSecond) {
  EXPECT_EQ(FormatDateTime(0), "1899/12/30 00:00:00");
  EXPECT_EQ(FormatDateTime(45108), "2023/07/01 00:00:00");
  EXPECT_EQ(FormatDateTime(45108 + (10 * 3600 + 58 * 60 + 5) / 86400.0), "2023/07/01 10:58:05");
  EXPECT_EQ(FormatDateTime(45108 + 0.9999999), "2023/07/02 00:00:00");
}

}  // namespace
}  // namespace race
