// Sea colours from the brightness slider and the daylight rule that drives it in AUTO mode.
#include <gtest/gtest.h>

#include "view/SeaColour.h"

namespace view {
namespace {

TEST(SeaColour, BrightnessGivesSeaAndContrastingGrid) {
  Sea sea;
  ScrollBar3Change(sea, 100);
  EXPECT_EQ(sea.seaColour, Rgb(160, 220, 255));
  EXPECT_EQ(sea.gridColour, Rgb(110, 170, 255));
  ScrollBar3Change(sea, 50);
  EXPECT_EQ(sea.seaColour, Rgb(80, 110, 232));
  EXPECT_EQ(sea.gridColour, Rgb(160, 190, 255));
  ScrollBar3Change(sea, 0);
  EXPECT_EQ(sea.seaColour, Rgb(0, 0, 70));
  EXPECT_EQ(sea.gridColour, Rgb(80, 80, 150));
  EXPECT_EQ(sea.seaBrightness, 0);
}

TEST(SeaColour, PresetSwatchSetsColourAndStyle) {
  Sea sea;
  ChooseSeaPreset(sea, 3);
  EXPECT_EQ(sea.seaStyle, 3);
  EXPECT_EQ(sea.seaColour, Rgb(96, 160, 223));
  ChooseSeaPreset(sea, 6);  // no such swatch
  EXPECT_EQ(sea.seaStyle, 3);
}

TEST(SeaColour, DawnAndDuskRamps) {
  analysis::SunEstimate sun;
  sun.sunriseSecond = 21600;
  sun.sunsetSecond = 64800;
  EXPECT_DOUBLE_EQ(DaylightLevel(21600 + 1800, sun), 75);
  EXPECT_DOUBLE_EQ(DaylightLevel(21600 - 1800, sun), 25);
  EXPECT_DOUBLE_EQ(DaylightLevel(21600, sun), 50);
  EXPECT_DOUBLE_EQ(DaylightLevel(64800 - 1200, sun), 75);
  EXPECT_DOUBLE_EQ(DaylightLevel(64800 + 1200, sun), 25);
  EXPECT_DOUBLE_EQ(DaylightLevel(64800 + 2400, sun), 0);
  EXPECT_DOUBLE_EQ(DaylightLevel(43200, sun), 100);
  EXPECT_DOUBLE_EQ(DaylightLevel(3600, sun), 0);
}

TEST(SeaColour, AutoMovesTheSliderOnlyWhenOn) {
  analysis::SunEstimate sun;
  sun.sunriseSecond = 21600;
  sun.sunsetSecond = 64800;
  sun.raceStartSecondOfDay = 64800;  // the gun at sunset
  Sea sea;
  EXPECT_DOUBLE_EQ(ApplyAutoSea(sea, sun, 1200), 66000);
  EXPECT_EQ(sea.seaBrightness, 25);
  CheckBox3Click(sea, false);
  ApplyAutoSea(sea, sun, -1200);
  EXPECT_EQ(sea.seaBrightness, 25);
}

TEST(SeaColour, ClockSecondWrapsRoundMidnightBothWays) {
  EXPECT_DOUBLE_EQ(ClockSecond(86000, 500), 100);
  // A pre-start that begins before midnight is still a time of day, not a negative second.
  EXPECT_DOUBLE_EQ(ClockSecond(60, -190), 86270);
}

}  // namespace
}  // namespace view
