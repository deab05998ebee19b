// One pass over a plain fix line. The values are built with the same operations, in the same order, as the
// general reading (a decimal is its digits as an integer divided by a power of ten; degrees, minutes and
// seconds are summed as there), so both give the same doubles to the last bit.
#include "race/PlainFixLine.h"

#include <cmath>

#include "race/TextTrack.h"

namespace race {
namespace {

// The general splitter cuts lines of thousands of bytes short; a fix line is far shorter.
constexpr std::size_t kMaxFixLineBytes = 1000;
constexpr int kMaxPartDigits = 15;            // the digits of a number that a double holds exactly
constexpr int kMaxWholeDigits = 17;           // digits before a point that still fit a 64-bit integer
constexpr double kMaxLatitude = 90 * 60.0;    // minutes
constexpr double kMaxLongitude = 180 * 60.0;  // minutes

constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr long long kIntPowers[] = {1LL,
                                    10LL,
                                    100LL,
                                    1000LL,
                                    10000LL,
                                    100000LL,
                                    1000000LL,
                                    10000000LL,
                                    100000000LL,
                                    1000000000LL,
                                    10000000000LL,
                                    100000000000LL,
                                    1000000000000LL,
                                    10000000000000LL,
                                    100000000000000LL,
                                    1000000000000000LL};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reading position in a line.
struct Cursor {
  const char* p;
  const char* end;

  // Skips the blanks before a field: false at the line's end or a control character (the general splitter
  // trims those off fields, which this reading does not try to copy).
  bool ToField() {
    while (p < end && *p == ' ') ++p;
    return p<end&& static_cast<unsigned char>(*p)> ' ';
  }
  // Whether the field just read ends here.
  bool FieldEnds() const { return p == end || *p == ' '; }
  // A field of any bytes above blank.
  std::string_view Word() {
    const char* start = p;
    while (p<end&& static_cast<unsigned char>(*p)> ' ') ++p;
    return {start, static_cast<std::size_t>(p - start)};
  }
  // A run of at most maxDigits digits as an integer, with their count.
  bool Digits(int maxDigits, long long& value, int& count) {
    // On locals, so the loop keeps them in registers.
    const char* q = p;
    long long digits = 0;
    int n = 0;
    for (; q < end && IsDigit(*q); ++q) {
      if (++n > maxDigits) return false;
      digits = digits * 10 + (*q - '0');
    }
    p = q;
    value = digits;
    count = n;
    return true;
  }
  // Two digits, or -1.
  int TwoDigits() {
    if (end - p < 2 || !IsDigit(p[0]) || !IsDigit(p[1])) return -1;
    p += 2;
    return (p[-2] - '0') * 10 + (p[-1] - '0');
  }
  bool Take(char c) {
    if (p == end || *p != c) return false;
    ++p;
    return true;
  }
};

// A coordinate: a hemisphere letter, digits, a point and digits. Minutes of arc, or false.
bool ReadCoordinate(Cursor& in, int format, double limit, double& minutes) {
  const char hemisphere = *in.p++;
  if (hemisphere != 'N' && hemisphere != 'S' && hemisphere != 'E' && hemisphere != 'W') return false;
  long long whole = 0, fraction = 0;
  int wholeDigits = 0, decimals = 0;
  // Without a point the general reading decides (an error in most forms).
  if (!in.Digits(kMaxWholeDigits, whole, wholeDigits) || wholeDigits == 0 || !in.Take('.')) return false;
  if (!in.Digits(kMaxPartDigits, fraction, decimals) || !in.FieldEnds()) return false;
  double value = 0;
  if (format == kDecimalDegrees) {
    if (wholeDigits + decimals > kMaxPartDigits) return false;
    value = static_cast<double>(whole * kIntPowers[decimals] + fraction) / kPowers[decimals] * 60.0;
  } else if (format == kDegreesMinutesSeconds) {
    // dddmmss.s: the degrees, two digits of minutes, the seconds with their decimals.
    if (wholeDigits <= 4 || wholeDigits - 4 > kMaxPartDigits || 2 + decimals > kMaxPartDigits) return false;
    const long long seconds = whole % 100 * kIntPowers[decimals] + fraction;
    value = static_cast<double>(whole / 10000) * 60.0 + static_cast<double>(whole / 100 % 100) +
            static_cast<double>(seconds) / kPowers[decimals] / 60.0;
  } else {
    // dddmm.m: the degrees, then the minutes with their decimals.
    if (wholeDigits <= 2 || wholeDigits - 2 > kMaxPartDigits || 2 + decimals > kMaxPartDigits) return false;
    const long long minuteDigits = whole % 100 * kIntPowers[decimals] + fraction;
    value = static_cast<double>(whole / 100) * 60.0 + static_cast<double>(minuteDigits) / kPowers[decimals];
  }
  if (hemisphere == 'S' || hemisphere == 'W') value = -value;
  if (!(std::fabs(value) <= limit)) return false;
  minutes = value;
  return true;
}

// A time h:mm:ss or hh:mm:ss in seconds, or false.
bool ReadTime(Cursor& in, double& seconds) {
  int hour = -1;
  if (in.end - in.p >= 2 && in.p[1] == ':') {
    hour = IsDigit(*in.p) ? *in.p++ - '0' : -1;
  } else {
    hour = in.TwoDigits();
  }
  if (hour < 0 || hour > 23 || !in.Take(':')) return false;
  const int minute = in.TwoDigits();
  if (minute < 0 || minute > 59 || !in.Take(':')) return false;
  const int second = in.TwoDigits();
  if (second < 0 || second > 59 || !in.FieldEnds()) return false;
  seconds = hour * 3600.0 + minute * 60.0 + second;
  return true;
}

}  // namespace

bool ReadPlainFixLine(std::string_view line, int format, PlainFixLine& fix) {
  if (line.size() > kMaxFixLineBytes) return false;
  Cursor in{line.data(), line.data() + line.size()};
  if (!in.ToField() || in.Word().find('T') == std::string_view::npos) return false;
  if (!in.ToField() || !ReadCoordinate(in, format, kMaxLatitude, fix.lat)) return false;
  if (!in.ToField() || !ReadCoordinate(in, format, kMaxLongitude, fix.lon)) return false;
  if (!in.ToField()) return false;
  fix.date = in.Word();
  if (!in.ToField() || !ReadTime(in, fix.timeOfDay)) return false;
  if (!in.ToField()) return false;
  in.Word();
  // Nothing but blanks may follow the sixth field.
  while (in.p < in.end && *in.p == ' ') ++in.p;
  return in.p == in.end;
}

}  // namespace race
