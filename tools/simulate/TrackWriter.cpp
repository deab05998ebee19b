// Formatting of track files in the three coordinate forms and the date forms the track loader reads.
#include "simulate/TrackWriter.h"

#include <cmath>
#include <cstdio>

#include "simulate/Calendar.h"

namespace simulate {
namespace {

// The number part of a coordinate of |minutes| with degreeDigits digits of whole degrees at least.
std::string CoordinateNumber(double minutes, CoordinateForm form, int degreeDigits) {
  char text[40];
  const double value = std::fabs(minutes);
  switch (form) {
    case CoordinateForm::Degrees:
      std::snprintf(text, sizeof text, "%.6f", value / 60);
      break;
    case CoordinateForm::DegreesMinutes: {
      // Round once in whole units of the last place so 59.99996 minutes carries into the degrees.
      const long long units = std::llround(value * 10000);
      std::snprintf(text, sizeof text, "%0*lld%02lld.%04lld", degreeDigits, units / 600000, units % 600000 / 10000,
                    units % 10000);
      break;
    }
    case CoordinateForm::DegreesMinutesSeconds: {
      const long long hundredths = std::llround(value * 6000);
      std::snprintf(text, sizeof text, "%0*lld%02lld%02lld.%02lld", degreeDigits, hundredths / 360000,
                    hundredths % 360000 / 6000, hundredths % 6000 / 100, hundredths % 100);
      break;
    }
  }
  return text;
}

}  // namespace

std::string FormatLatitude(double minutes, CoordinateForm form) {
  return (minutes < 0 ? "S" : "N") + CoordinateNumber(minutes, form, 2);
}

std::string FormatLongitude(double minutes, CoordinateForm form) {
  return (minutes < 0 ? "W" : "E") + CoordinateNumber(minutes, form, 3);
}

std::string FormatFixDate(int year, int month, int day, DateForm form) {
  static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  char text[24];
  switch (form) {
    case DateForm::YearMonthDay:
      std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, month, day);
      break;
    case DateForm::DayMonthYear:
      std::snprintf(text, sizeof text, "%02d-%02d-%04d", day, month, year);
      break;
    case DateForm::DayMonthNameYear:
      std::snprintf(text, sizeof text, "%02d-%s-%02d", day, kMonths[(month - 1) % 12], year % 100);
      break;
  }
  return text;
}

std::string TrackFileText(const std::vector<Fix>& fixes, const GeoFrame& frame, const Options& options,
                          const std::string& trackName) {
  const char* form = options.coordinates == CoordinateForm::Degrees                 ? "DEG"
                     : options.coordinates == CoordinateForm::DegreesMinutesSeconds ? "DMS"
                                                                                    : "DM";
  std::string text;
  text.reserve(fixes.size() * 48 + 512);
  text += "H  SOFTWARE NAME & VERSION\r\nI  PCX5 2.09\r\n\r\n";
  text += "H  R DATUM                IDX DA            DF            DX            DY            DZ\r\n";
  text += "M  G WGS 84               121 +0.000000e+00 +0.000000e+00 +0.000000e+00 +0.000000e+00 +0.000000e+00\r\n";
  text += "\r\nH  COORDINATE SYSTEM\r\nU  LAT LON ";
  text += form;
  text += "\r\n\r\nH  TN " + trackName + "\r\n";
  text += "H  LATITUDE    LONGITUDE    DATE      TIME     ALT  ;track\r\n";
  const bool tenths = options.race.rateHz > 1;
  char line[128];
  for (const Fix& f : fixes) {
    const Stamp s = StampAt(options.start, f.seconds, -options.timeDifference);
    const std::string date = FormatFixDate(s.year, s.month, s.day, options.dates);
    if (tenths) {
      std::snprintf(line, sizeof line, "%02d:%02d:%04.1f", s.hour, s.minute, s.second);
    } else {
      std::snprintf(line, sizeof line, "%02d:%02d:%02d", s.hour, s.minute, static_cast<int>(s.second));
    }
    const std::string time = line;
    std::snprintf(line, sizeof line, "T  %s %s %s %s %d\r\n",
                  FormatLatitude(frame.Lat(f.position), options.coordinates).c_str(),
                  FormatLongitude(frame.Lon(f.position), options.coordinates).c_str(), date.c_str(), time.c_str(), 1);
    text += line;
  }
  return text;
}

}  // namespace simulate
