// The boat's polar: table values, interpolation, the no-go zone and the best angles up and down wind.
#include <gtest/gtest.h>

#include <cmath>

#include "simulate/Geometry.h"
#include "simulate/Polar.h"

namespace {

using simulate::Polar;

TEST(Polar, ReadsTheTableAtItsRowsAndColumnsAndBetweenThem) {
  const Polar polar;
  EXPECT_DOUBLE_EQ(polar.Speed(90, 10), 7.0);
  EXPECT_DOUBLE_EQ(polar.Speed(90, 12), 7.2);
  EXPECT_NEAR(polar.Speed(90, 11), 7.1, 1e-12);                         // halfway between two columns
  EXPECT_NEAR(polar.Speed(100, 10), (7.0 + 7.1) / 2, 1e-12);           // halfway between two rows
  EXPECT_DOUBLE_EQ(polar.Speed(-90, 10), polar.Speed(90, 10));          // either tack
  EXPECT_DOUBLE_EQ(polar.Speed(270, 10), polar.Speed(90, 10));          // angles taken round the circle
}

TEST(Polar, MakesNoWayHeadToWindAndSlowsInLightAir) {
  const Polar polar;
  EXPECT_DOUBLE_EQ(polar.Speed(0, 12), 0.0);
  EXPECT_LT(polar.Speed(25, 12), 1.5);
  EXPECT_NEAR(polar.Speed(90, 2), polar.Speed(90, 4) / 2, 1e-12);
  EXPECT_DOUBLE_EQ(polar.Speed(90, 0), 0.0);
  EXPECT_DOUBLE_EQ(polar.Speed(90, 40), polar.Speed(90, 25));  // held at the strongest column
}

TEST(Polar, BestAnglesAreWhereAKeelboatSails) {
  const Polar polar;
  for (double wind : {4.0, 6.0, 10.0, 16.0, 20.0}) {
    SCOPED_TRACE(wind);
    EXPECT_GE(polar.BeatAngle(wind), 38);
    EXPECT_LE(polar.BeatAngle(wind), 48);
    EXPECT_GE(polar.RunAngle(wind), 138);
    EXPECT_LE(polar.RunAngle(wind), 165);
    // The cached optimum is no worse than sailing a few degrees either side of it.
    const double beat = polar.BeatAngle(wind);
    EXPECT_GE(polar.BeatVmg(wind) + 1e-3, polar.Speed(beat + 4, wind) * std::cos((beat + 4) * simulate::kPi / 180));
    EXPECT_GE(polar.BeatVmg(wind) + 1e-3, polar.Speed(beat - 4, wind) * std::cos((beat - 4) * simulate::kPi / 180));
    EXPECT_GT(polar.RunVmg(wind), 0);
  }
  EXPECT_GT(polar.BeatVmg(12), polar.BeatVmg(6));
}

}  // namespace
