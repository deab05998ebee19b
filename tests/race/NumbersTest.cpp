// Rounding and the general number text that every report and export relies on.
#include "race/Numbers.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(FormatGeneral(10000000), "10000000");
  EXPECT_EQ(FormatGeneral(123456789012.5), "123456789012.5");
}

}  // namespace
}  // namespace race
