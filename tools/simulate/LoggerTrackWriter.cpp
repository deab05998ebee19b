// Writes a boat's simulated fixes as a GPX file or an NMEA log, for races whose tracks come straight from
// loggers.
#include "simulate/LoggerTrackWriter.h"

#include <cmath>
#include <cstdio>

#include "simulate/Calendar.h"

namespace simulate {
namespace {

constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

// Seconds with a tenth when fixes come faster than one a second, else whole: "05.3" or "05".
std::string Seconds(double second, bool tenths) {
  char text[16];
  if (tenths) {
    std::snprintf(text, sizeof text, "%04.1f", second);
  } else {
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(second));
  }
  return text;
}

// ddmm.mmmm (dddmm.mmmm) of |minutes|, rounded once so 59.99996 minutes carries into the degrees.
std::string DegreesMinutes(double minutes, int degreeDigits) {
  const long long units = std::llround(std::fabs(minutes) * 10000);
  char text[32];
  std::snprintf(text, sizeof text, "%0*lld%02lld.%04lld", degreeDigits, units / 600000,
                units % 600000 / 10000, units % 10000);
  return text;
}

}  // namespace

std::string GpxTrackText(const std::vector<Fix>& fixes, const GeoFrame& frame, const Options& options,
                         const std::string& trackName) {
  std::string text;
  text.reserve(fixes.size() * 90 + 512);
  text +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"regatix-simulate\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "<trk><name>" +
      trackName + "</name><trkseg>\n";
  const bool tenths = options.race.rateHz > 1;
  char line[160];
  for (const Fix& f : fixes) {
    const Stamp s = StampAt(options.start, f.seconds, -options.timeDifference);
    std::snprintf(line, sizeof line,
                  "<trkpt lat=\"%.7f\" lon=\"%.7f\"><time>%04d-%02d-%02dT%02d:%02d:%sZ</time></trkpt>\n",
                  frame.Lat(f.position) / 60, frame.Lon(f.position) / 60, s.year, s.month, s.day, s.hour,
                  s.minute, Seconds(s.second, tenths).c_str());
    text += line;
  }
  text += "</trkseg></trk>\n</gpx>\n";
  return text;
}

std::string NmeaTrackText(const std::vector<Fix>& fixes, const GeoFrame& frame, const Options& options) {
  std::string text;
  text.reserve(fixes.size() * 72);
  char body[160];
  for (std::size_t k = 0; k < fixes.size(); ++k) {
    const Fix& f = fixes[k];
    // Over ground from the fix before (the first fix looks at the one after).
    double knots = 0, course = 0;
    if (fixes.size() > 1) {
      const Fix& a = k > 0 ? fixes[k - 1] : fixes[0];
      const Fix& b = k > 0 ? f : fixes[1];
      const Vec step = b.position - a.position;
      if (b.seconds > a.seconds) knots = Length(step) / (b.seconds - a.seconds) / kMetresPerSecondPerKnot;
      course = BearingOf(step);
    }
    const Stamp s = StampAt(options.start, f.seconds, -options.timeDifference);
    const double lat = frame.Lat(f.position), lon = frame.Lon(f.position);
    const int n = std::snprintf(
        body, sizeof body, "GPRMC,%02d%02d%05.2f,A,%s,%c,%s,%c,%.1f,%.1f,%02d%02d%02d,,,A", s.hour, s.minute,
        s.second, DegreesMinutes(lat, 2).c_str(), lat < 0 ? 'S' : 'N', DegreesMinutes(lon, 3).c_str(),
        lon < 0 ? 'W' : 'E', knots, course, s.day, s.month, s.year % 100);
    unsigned sum = 0;
    for (int i = 0; i < n; ++i) sum ^= static_cast<unsigned char>(body[i]);
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, "%02X", sum);
    text += '$';
    text += body;
    text += '*';
    text += checksum;
    text += "\r\n";
  }
  return text;
}

}  // namespace simulate
