// Date-time texts and spans in seconds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "race/DateTime.h"
#include "race/InputError.h"

namespace race {
namespace {

// Reads the text back as y/m/d h:m:s through EncodeDateTime, so the test does not rely on a formatter.
std::string Read(std::string_view text) {
  const auto value = ParseDateTime(text);
  if (!value) return "none";
  const double day = std::floor(*value);
  const long long seconds = std::llround((*value - day) * 86400);
  for (int y = 1899; y <= 2100; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        const auto encoded = EncodeDateTime(y, m, d);
        if (encoded && *encoded == day) {
          char buffer[40];
          std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02lld:%02lld:%02lld", y, m, d, seconds / 3600,
                        seconds / 60 % 60, seconds % 60);
          return buffer;
        }
      }
    }
  }
  return "out of range";
}

TEST(DateTime, DaysCountFrom30December1899) {
  EXPECT_DOUBLE_EQ(*EncodeDateTime(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(*EncodeDateTime(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(*EncodeDateTime(2008, 5, 17), 39585.0);
  EXPECT_DOUBLE_EQ(*EncodeDateTime(2008, 5, 17, 12), 39585.5);
  EXPECT_FALSE(EncodeDateTime(2023, 2, 29));
  EXPECT_TRUE(EncodeDateTime(2024, 2, 29));
  EXPECT_FALSE(EncodeDateTime(2024, 13, 1));
  EXPECT_DOUBLE_EQ(*EncodeDateTime(2008, 5, 17, 23, 59, 59.5), 39585.0 + 86399.5 / 86400);
}

TEST(DateTime, AcceptedForms) {
  EXPECT_EQ(Read("2008/05/17 10:30:00"), "2008/05/17 10:30:00");
  EXPECT_EQ(Read("2008/5/7 9:05"), "2008/05/07 09:05:00");
  EXPECT_EQ(Read("2008-05-17 10:30:15"), "2008/05/17 10:30:15");
  EXPECT_EQ(Read("2008-05-17T10:30:15"), "2008/05/17 10:30:15");
  EXPECT_EQ(Read("  2008/05/17   10:30:00 "), "2008/05/17 10:30:00");
  EXPECT_EQ(Read("2008/05/17"), "2008/05/17 00:00:00");
  EXPECT_EQ(Read("17/05/2008 01:02:03"), "2008/05/17 01:02:03");  // a four-digit last part is the year
  EXPECT_EQ(Read("10:30:00"), "1899/12/30 10:30:00");
  EXPECT_DOUBLE_EQ(*ParseDateTime("10:30:00.5"), 37800.5 / 86400);
}

TEST(DateTime, TwoDigitYearsAndEnglishMonthNames) {
  EXPECT_EQ(Read("08/MAY/17"), "2008/05/17 00:00:00");  // what the track loader makes of 17-MAY-08
  EXPECT_EQ(Read("23/JUL/01 10:53:32"), "2023/07/01 10:53:32");
  EXPECT_EQ(Read("23/jul/01"), "2023/07/01 00:00:00");
  EXPECT_EQ(Read("17-May-2008"), "2008/05/17 00:00:00");
  // The loggers' form reads the same in a race or wind file as in a track file.
  EXPECT_EQ(Read("17-MAY-08 10:00:00"), "2008/05/17 10:00:00");
  EXPECT_EQ(Read("01-jul-23"), "2023/07/01 00:00:00");
  EXPECT_EQ(Read("2008-05-17"), "2008/05/17 00:00:00");
  EXPECT_EQ(Read("2008/October/3"), "2008/10/03 00:00:00");
  EXPECT_EQ(Read("29/1/1"), "2029/01/01 00:00:00");
  EXPECT_EQ(Read("30/1/1"), "1930/01/01 00:00:00");
  EXPECT_EQ(Read("99/12/31"), "1999/12/31 00:00:00");
  EXPECT_EQ(Read("00/OCT/31"), "2000/10/31 00:00:00");
}

TEST(DateTime, RejectedTexts) {
  for (const char* bad :
       {"", "0", "x", "2008/05", "2008/13/01", "2008/02/30", "2008/05/17 24:00", "2008/05/17 10:60",
        "2008/05/17 10:30:61", "2008/05/17 10", "08/MAI/17", "2008/05-17", "2008/05/17/1",
        "2008/05/17 10:30 x", "123/05/17", "17/05/2008/", "2008/ma/17"}) {
    EXPECT_EQ(Read(bad), "none") << bad;
  }
  try {
    TextToDateTime("2008/13/01", "raceadmin/r.txt", 3);
    FAIL() << "no error";
  } catch (const InputError& e) {
    EXPECT_STREQ(e.what(), "raceadmin/r.txt:3: not a date: \"2008/13/01\"");
  }
}

TEST(DateTime, SpanSecondsIsSignedAndRounded) {
  const double start = *EncodeDateTime(2008, 5, 17, 10);
  const double finish = *EncodeDateTime(2008, 5, 17, 12);
  EXPECT_EQ(SpanSeconds(start, finish), 7200);
  EXPECT_EQ(SpanSeconds(finish, start), -7200);
  EXPECT_EQ(SpanSeconds(start, start + 0.4 / 86400), 0);
  EXPECT_EQ(SpanSeconds(start, start + 0.6 / 86400), 1);
  EXPECT_EQ(SpanSeconds(start, start - 0.6 / 86400), -1);
  EXPECT_EQ(SpanSeconds(start, start - 0.0005 / 86400), 0);
  // Half seconds go away from zero whatever noise the day fractions carry.
  const double gun = *EncodeDateTime(2008, 5, 17, 1);
  for (int k = 0; k < 600; ++k) {
    const double t = gun - (k + 0.5) / 86400;
    ASSERT_EQ(SpanSeconds(gun, t), -(k + 1)) << k;
    ASSERT_EQ(SpanSeconds(t, gun), k + 1) << k;
  }
  EXPECT_EQ(SpanSeconds(0, 30000), -1000000);  // does not fit an int
}

// Spans are rounded to the millisecond with a hand-made rounding (it runs for every fix): it must agree with
// the library's round-half-to-even on ties, tiny spans and spans of years.
TEST(DateTime, SpanSecondsRoundsMillisecondsAsTheLibraryDoes) {
  const auto expected = [](double a, double b) {
    const double seconds = std::nearbyint(std::fabs(b - a) * 86400.0 * 1000.0) / 1000.0 + 0.5;
    const int span = static_cast<int>(seconds);
    return b < a - 1.0 / 86400000.0 ? -span : span;
  };
  const double gun = *EncodeDateTime(2008, 5, 17, 1);
  for (const double ms : {0.0, 0.5, 1.5, 2.5, 499.5, 500.5, 1499.5, 2500.0, 86399999.5, 1e12 + 0.5}) {
    const double t = ms / 86400000.0;
    ASSERT_EQ(SpanSeconds(0, t), expected(0, t)) << ms;
    ASSERT_EQ(SpanSeconds(gun, gun + t), expected(gun, gun + t)) << ms;
    ASSERT_EQ(SpanSeconds(gun + t, gun), expected(gun + t, gun)) << ms;
  }
  for (int k = 0; k < 20000; ++k) {
    const double t = gun + (k * 37.0001 - 300000) / 86400.0;
    ASSERT_EQ(SpanSeconds(gun, t), expected(gun, t)) << k;
  }
}

TEST(UtcText, WritesXsdDateTimesAcrossCenturiesLeapDaysAndBeforeTheEpoch) {
  const auto text = [](long long seconds) {
    std::string out;
    AppendUtcText(out, seconds);
    return out;
  };
  EXPECT_EQ(text(0), "1899-12-30T00:00:00Z");
  EXPECT_EQ(text(-1), "1899-12-29T23:59:59Z");
  EXPECT_EQ(text(WholeSeconds(*EncodeDateTime(2008, 5, 17, 1, 2, 3))), "2008-05-17T01:02:03Z");
  EXPECT_EQ(text(WholeSeconds(*EncodeDateTime(2024, 2, 29, 23, 59, 59))), "2024-02-29T23:59:59Z");
  EXPECT_EQ(text(WholeSeconds(*EncodeDateTime(2000, 3, 1))), "2000-03-01T00:00:00Z");
  EXPECT_EQ(text(WholeSeconds(*EncodeDateTime(2100, 3, 1))), "2100-03-01T00:00:00Z");
  // Beyond what four digits of year can hold: a valid text rather than a broken one.
  EXPECT_EQ(text(400000LL * 365 * 86400), "0001-01-01T00:00:00Z");
}

TEST(UtcText, KeepsMillisecondsWhenAFixHasThem) {
  const auto text = [](long long milliseconds) {
    std::string out;
    AppendUtcMillisecondText(out, milliseconds);
    return out;
  };
  EXPECT_EQ(text(1000), "1899-12-30T00:00:01Z");  // whole seconds read as before
  EXPECT_EQ(text(1250), "1899-12-30T00:00:01.250Z");
  EXPECT_EQ(text(-100), "1899-12-29T23:59:59.900Z");  // before the epoch the fraction still counts up
  EXPECT_EQ(text(7), "1899-12-30T00:00:00.007Z");
}

}  // namespace
}  // namespace race
