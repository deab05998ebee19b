// The one-pass reading of plain fix lines against the general one (field splitter and number readers): the
// lines it takes must read to the same values to the bit, and every line it cannot read alike it must leave.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "race/Convert.h"
#include "race/DateTime.h"
#include "race/Fields.h"
#include "race/InputError.h"
#include "race/PlainFixLine.h"
#include "race/TextTrack.h"

namespace race {
namespace {

// What the general reading makes of a fix line; nothing when it is no fix line or a coordinate fails.
std::optional<PlainFixLine> GeneralReading(const std::string& line, int format) {
  const Fields fields = SplitFields(line, ' ');
  if (fields.lineFieldCount != 6 || fields[1].find('T') == std::string_view::npos) return std::nullopt;
  const auto time = ParseTimeOfDay(fields[5]);
  if (!time) return std::nullopt;
  try {
    return PlainFixLine{fields[4], *time,
                        CheckedLatitude(ParseCoordinate(fields[2], format), fields[2], "", 0),
                        CheckedLongitude(ParseCoordinate(fields[3], format), fields[3], "", 0)};
  } catch (const InputError&) {
    return std::nullopt;
  }
}

// The one-pass reading takes line and agrees with the general one to the bit.
void ExpectSameReading(const std::string& line, int format) {
  PlainFixLine plain;
  ASSERT_TRUE(ReadPlainFixLine(line, format, plain)) << line;
  const auto general = GeneralReading(line, format);
  ASSERT_TRUE(general) << line;
  EXPECT_EQ(plain.date, general->date) << line;
  EXPECT_EQ(plain.timeOfDay, general->timeOfDay) << line;
  EXPECT_EQ(plain.lat, general->lat) << line;
  EXPECT_EQ(plain.lon, general->lon) << line;
}

TEST(PlainFixLine, LoggerLinesReadAsTheGeneralReadingReadsThem) {
  for (const std::string line : {
           "T  N3517.50000 E13949.20000 17-MAY-08 01:00:00 3",
           "T N3517.5 E13949.2 17-MAY-08 1:00:00 0",                        // one hour digit, few decimals
           "   T   S0012.00001   W00000.99999  17-05-2008  23:59:59  x  ",  // blanks around and between
           "T N0000. W18000.0 17-MAY-08 00:00:00 0",  // no decimals; the date line itself
           "T N3517.1234567890123 E13949.0000000000001 17-MAY-08 12:34:56 0",  // thirteen decimals
           "T N000000000003517.5 E0013949.2 17-MAY-08 12:00:00 0",             // leading zeros
           "TRK N9000.0 S9000.0 any-date 12:00:00 \xE6\x97\xA5",  // limits; any date and last field
       }) {
    ExpectSameReading(line, kDegreesMinutes);
  }
  ExpectSameReading("T N351730.25 W1394912.5 17-MAY-08 01:00:00 3", kDegreesMinutesSeconds);
  ExpectSameReading("T S35.2916666 E139.82 17-MAY-08 01:00:00 3", kDecimalDegrees);
  ExpectSameReading("T N0.00000000000001 W179.99999999999 17-MAY-08 01:00:00 3", kDecimalDegrees);
}

TEST(PlainFixLine, RandomCoordinatesReadToTheSameBits) {
  std::mt19937 random(21);
  std::uniform_int_distribution<int> digit(0, 9);
  int taken = 0, tried = 0;
  for (const int format : {kDecimalDegrees, kDegreesMinutes, kDegreesMinutesSeconds}) {
    const int columns = format == kDecimalDegrees ? 0 : format == kDegreesMinutes ? 2 : 4;
    // Leading zeros and decimals beyond the digits a double holds, so the limits are crossed both ways.
    auto digits = [&](int count) {
      std::string text;
      for (int i = 0; i < count; ++i) text += static_cast<char>('0' + digit(random));
      return text;
    };
    auto coordinate = [&](const char* letters, unsigned maxDegrees) {
      std::string text(1, letters[random() % 2]);
      text.append(random() % 13, '0');
      text += std::to_string(random() % maxDegrees) + digits(columns) + "." +
              digits(static_cast<int>(random() % 17));
      return text;
    };
    for (int k = 0; k < 3000; ++k, ++tried) {
      const std::string lat = coordinate("NS", 90), lon = coordinate("EW", 180);
      const std::string line = "T " + lat + " " + lon + " 17-MAY-08 01:00:00 3";
      PlainFixLine plain;
      if (!ReadPlainFixLine(line, format, plain)) continue;
      ++taken;
      ExpectSameReading(line, format);
    }
  }
  // Most of them lie within the limits of the one-pass reading; the test is worth nothing otherwise.
  EXPECT_GT(taken, tried / 4);
}

TEST(PlainFixLine, OddLinesAreLeftToTheGeneralReading) {
  for (const std::string line : {
           "",
           "H  LATITUDE    LONGITUDE    DATE      TIME     ALT  ;track",  // no T in the first field
           "T N3517.5 E13949.2 17-MAY-08 01:00:00",                       // five fields
           "T N3517.5 E13949.2 17-MAY-08 01:00:00 3 4",                   // seven
           "T\tN3517.5 E13949.2 17-MAY-08 01:00:00 3",                    // a tab the splitter trims
           "T N3517.5 E13949.2 17-MAY-08 01:00:00 3\x01",                 // a control character
           "T N+3517.5 E13949.2 17-MAY-08 01:00:00 3",                    // signs
           "T N-3517.5 E13949.2 17-MAY-08 01:00:00 3",
           "T n3517.5 E13949.2 17-MAY-08 01:00:00 3",  // no hemisphere letter
           "T 3517.5 E13949.2 17-MAY-08 01:00:00 3",
           "T N3517 E13949.2 17-MAY-08 01:00:00 3",                   // no point
           "T N17.5 E13949.2 17-MAY-08 01:00:00 3",                   // no degrees
           "T N3517.5.1 E13949.2 17-MAY-08 01:00:00 3",               // two points
           "T N3517.5e1 E13949.2 17-MAY-08 01:00:00 3",               // an exponent
           "T N3517.5x E13949.2 17-MAY-08 01:00:00 3",                // letters
           "T N3517.1234567890123456 E13949.2 17-MAY-08 01:00:00 3",  // more decimals than a double holds
           "T N123456789012345678.5 E13949.2 17-MAY-08 01:00:00 3",   // an integer past 64 bits
           "T N9000.00001 E13949.2 17-MAY-08 01:00:00 3",             // off the globe
           "T N3517.5 E18000.1 17-MAY-08 01:00:00 3",
           "T N3517.5 E13949.2 17-MAY-08 01:00:00.5 3",  // a fraction of a second
           "T N3517.5 E13949.2 17-MAY-08 01:00 3",       // no seconds
           "T N3517.5 E13949.2 17-MAY-08 24:00:00 3",    // times out of range
           "T N3517.5 E13949.2 17-MAY-08 01:60:00 3",
           "T N3517.5 E13949.2 17-MAY-08 01:00:60 3",
           "T N3517.5 E13949.2 17-MAY-08 1:0:00 3",
           "T N3517.5 E13949.2 17-MAY-08 001:00:00 3",
       }) {
    PlainFixLine plain;
    EXPECT_FALSE(ReadPlainFixLine(line, kDegreesMinutes, plain)) << line;
  }
  // The splitter keeps 5000 bytes after a separator: a date that long leaves no time field to the general
  // reading, so the line is no fix there.
  const std::string longDate = "T N3517.5 E13949.2 " + std::string(6000, 'x') + " 01:00:00 3";
  PlainFixLine plain;
  EXPECT_FALSE(ReadPlainFixLine(longDate, kDegreesMinutes, plain));
  EXPECT_FALSE(GeneralReading(longDate, kDegreesMinutes));
}

}  // namespace
}  // namespace race
