// The pieces of the text track form: coordinates in their three forms and the fix date.
#include <gtest/gtest.h>

#include "race/DateTime.h"
#include "race/InputError.h"
#include "race/TextTrack.h"

namespace race {
namespace {

TEST(TextTrack, CoordinatesInTheirThreeForms) {
  EXPECT_NEAR(ParseCoordinate("N3512.3456", kDegreesMinutes), 2112.3456, 1e-9);
  EXPECT_NEAR(ParseCoordinate("W00130.5", kDegreesMinutes), -90.5, 1e-9);
  EXPECT_NEAR(ParseCoordinate("E00948.32298", kDegreesMinutes), 588.32298, 1e-9);
  EXPECT_NEAR(ParseCoordinate("S012.5", kDegreesMinutes), -12.5, 1e-9);  // one degree digit
  EXPECT_NEAR(ParseCoordinate("N351230.5", kDegreesMinutesSeconds), 35 * 60 + 12 + 30.5 / 60, 1e-9);
  EXPECT_NEAR(ParseCoordinate("E35.25", kDecimalDegrees), 2115, 1e-9);
  EXPECT_NEAR(ParseCoordinate("W1", kDecimalDegrees), -60, 1e-9);
}

TEST(TextTrack, CoordinatesWithoutTheirDigitsAreErrors) {
  for (const auto& [text, format] : {std::pair{"N32.5", kDegreesMinutes},  // no degrees before the minutes
                                     std::pair{"N3512", kDegreesMinutes},  // no decimal point
                                     std::pair{"N1230.5", kDegreesMinutesSeconds}, std::pair{"N35x2.1", kDegreesMinutes},
                                     std::pair{"N", kDecimalDegrees}, std::pair{"", kDegreesMinutes},
                                     std::pair{"N35.1.2", kDegreesMinutes}}) {
    EXPECT_THROW(ParseCoordinate(text, format, "gpsdat/a.txt", 3), InputError) << text;
  }
}

TEST(TextTrack, FixDatesAreReorderedAndFarDatesPushedOutOfTheWindow) {
  const TDateTime raceDate = *EncodeDateTime(2008, 5, 17);
  EXPECT_EQ(NormaliseGpsDate("17-05-2008", raceDate), "2008/05/17");
  EXPECT_EQ(NormaliseGpsDate("17-MAY-08", raceDate), "08/MAY/17");
  EXPECT_EQ(NormaliseGpsDate("2008/05/17", raceDate), "2008/05/17");
  EXPECT_EQ(NormaliseGpsDate("16-MAY-09", raceDate), "09/MAY/16");   // 364 days on
  EXPECT_EQ(NormaliseGpsDate("17-MAY-09", raceDate), "2000/1/1");    // 365 days on
  EXPECT_EQ(NormaliseGpsDate("19-MAY-07", raceDate), "07/MAY/19");   // 364 days before (over 29 February)
  EXPECT_EQ(NormaliseGpsDate("18-MAY-07", raceDate), "2000/1/1");
  EXPECT_EQ(NormaliseGpsDate("17-05", raceDate), "2000/1/1");
  EXPECT_EQ(NormaliseGpsDate("garbage", raceDate), "2000/1/1");
}

}  // namespace
}  // namespace race
