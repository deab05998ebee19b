// Calendar date-times (days since 1899-12-30) from text, and spans between them in seconds.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "race/RaceStore.h"

namespace race {

// Seconds from a to b: |b - a| in seconds, plus 0.5, truncated; negative when b is earlier than a by more
// than a millisecond. A span that does not fit an int gives -1000000. Inline: every fix's time comes here.
inline int SpanSeconds(TDateTime a, TDateTime b) {
  constexpr double kSecondsPerDay = 86400.0;
  constexpr double kEqualTolerance = 1.0 / 86400000.0;  // one millisecond, in days
  // std::nearbyint without the library call: adding and taking away 2^52 leaves no bits below the point,
  // rounding halves to even as nearbyint does (the build keeps strict floating point, so it is not folded).
  constexpr double kTwoTo52 = 4503599627370496.0;
  // Day fractions carry binary noise far below a millisecond; snapping to whole milliseconds first keeps an
  // exact half second (a logger's 12:00:00.5) from falling to either side by chance.
  double milliseconds = std::fabs(b - a) * kSecondsPerDay * 1000.0;
  if (milliseconds < kTwoTo52) milliseconds = (milliseconds + kTwoTo52) - kTwoTo52;
  const double seconds = milliseconds / 1000.0 + 0.5;
  if (!(seconds < 2147483648.0)) return -1000000;
  const int span = static_cast<int>(seconds);
  return b < a - kEqualTolerance ? -span : span;
}

// Seconds from a to b to the millisecond, signed; fractions of a day far below a millisecond are noise.
double SpanMilliseconds(TDateTime a, TDateTime b);

// The date-time for a calendar day and time of day; nothing when a part is out of range.
std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                        double second = 0);

// Reads a date-time text. Accepted forms (a date, a time, or a date, blanks or "T", and a time):
//   date: y/m/d or y-m-d; with a four-digit last part d/m/y; with an English month name in the middle
//         (08/MAY/17, 17-May-2008), the four-digit part is the year, else the first part, except that the
//         loggers' day-month-year with "-" (17-MAY-08) is read as such.
//         Two-digit years: 00-29 are 2000-2029, 30-99 are 1930-1999.
//   time: h:mm or h:mm:ss, seconds may have decimals. A time alone lies on day 0 (1899-12-30).
// Nothing when the text is not one of these or names no real day or time.
std::optional<TDateTime> ParseDateTime(std::string_view text);

// Seconds into the day of a time text h:mm[:ss[.fff]], or nothing.
std::optional<double> ParseTimeOfDay(std::string_view text);

// ParseDateTime that throws InputError(file, line, "not a date: \"text\"") when the text is not a date.
TDateTime TextToDateTime(std::string_view text, const std::string& file = {}, int line = 0);

// Whole seconds since 1899-12-30 00:00 of a date-time, rounded to the nearest second.
long long WholeSeconds(TDateTime value);
// Appends the xsd:dateTime text of a count of whole seconds since 1899-12-30 taken as UTC:
// "2008-05-17T01:02:03Z". Written digit by digit: exports write one per fix, millions of them.
void AppendUtcText(std::string& out, long long seconds);
// The same for a count of milliseconds: "2008-05-17T01:02:03.250Z", or without a fraction when it is 0.
void AppendUtcMillisecondText(std::string& out, long long milliseconds);

}  // namespace race
