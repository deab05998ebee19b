// The NMEA 0183 track reader. Only RMC carries the date beside time and position, so it alone makes fixes;
// positions ddmm.mmmm read as the text track form's degrees-and-minutes coordinates do.
#include "race/NmeaTrackReader.h"

#include "race/Convert.h"
#include "race/TextInput.h"

namespace race {
namespace {

// RMC fields after the address: time, status, lat, N/S, lon, E/W, speed, course, date, variation, E/W, mode.
enum RmcField { kAddress, kTime, kStatus, kLat, kLatHemisphere, kLon, kLonHemisphere, kDate = 9, kMode = 12 };
constexpr int kMinimumFields = kDate + 1;
constexpr int kMaximumFields = 20;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The body between '$' and '*' when the two hex digits after '*' are the XOR of its bytes.
std::optional<std::string_view> CheckedBody(std::string_view line) {
  const auto start = line.find('$');
  if (start == std::string_view::npos) {
    return std::nullopt;
  }
  line.remove_prefix(start + 1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  const auto star = line.find('*');
  if (star == std::string_view::npos || line.size() != star + 3) {
    return std::nullopt;
  }
  const int high = HexDigit(line[star + 1]);
  const int low = HexDigit(line[star + 2]);
  if (high < 0 || low < 0) {
    return std::nullopt;
  }
  const std::string_view body = line.substr(0, star);
  unsigned char sum = 0;
  for (const char c : body) sum ^= static_cast<unsigned char>(c);
  if (sum != high * 16 + low) {
    return std::nullopt;
  }
  return body;
}

// ddmm.mmmm (or dddmm.mmmm) with its hemisphere letter: the two digits before the point and the decimals are
// minutes, the digits before them degrees, exactly as the text track form splits a coordinate.
std::optional<double> DegreesMinutes(std::string_view text, std::string_view hemisphere, char positive,
                                     char negative, double limitDegrees) {
  if (hemisphere.size() != 1 || (hemisphere[0] != positive && hemisphere[0] != negative)) {
    return std::nullopt;
  }
  const auto point = text.find('.');
  const std::size_t wholeDigits = point == std::string_view::npos ? text.size() : point;
  if (wholeDigits < 3) {
    return std::nullopt;
  }
  const auto degrees = ParseNumber(text.substr(0, wholeDigits - 2));
  const auto minutes = ParseNumber(text.substr(wholeDigits - 2));
  if (!degrees || !minutes || *degrees < 0 || *minutes < 0 || *minutes >= 60) {
    return std::nullopt;
  }
  const double value = *degrees * 60 + *minutes;
  if (value > limitDegrees * 60) {
    return std::nullopt;
  }
  return hemisphere[0] == negative ? -value : value;
}

// hhmmss[.sss] with ddmmyy; two-digit years from 80 are the 1900s (GPS began in 1980), the rest the 2000s.
std::optional<TDateTime> RmcTime(std::string_view time, std::string_view date) {
  if (time.size() < 6 || date.size() != 6) {
    return std::nullopt;
  }
  const int hour = ParseDigits(time, 2);
  const int minute = ParseDigits(time.substr(2), 2);
  const auto second = ParseNumber(time.substr(4));
  const int day = ParseDigits(date, 2);
  const int month = ParseDigits(date.substr(2), 2);
  const int year = ParseDigits(date.substr(4), 2);
  if (hour < 0 || minute < 0 || !second || ParseDigits(time.substr(4), 2) < 0 || day < 0 || month < 0 ||
      year < 0) {
    return std::nullopt;
  }
  return LoggerTime(year >= 80 ? 1900 + year : 2000 + year, month, day, hour, minute, *second);
}

void ReadLines(std::istream& in, const std::string& file, const TrackFixSink& sink) {
  TextLines lines(in, file);
  std::string_view text;
  while (lines.Next(text)) {
    if (auto fix = ParseRmcSentence(text)) {
      fix->line = lines.lineNumber();
      sink(*fix);
    }
  }
}

}  // namespace

std::optional<TrackFix> ParseRmcSentence(std::string_view line) {
  const auto body = CheckedBody(line);
  if (!body) {
    return std::nullopt;
  }
  std::string_view fields[kMaximumFields];
  int count = 0;
  std::string_view rest = *body;
  while (count < kMaximumFields) {
    const auto comma = rest.find(',');
    fields[count++] = rest.substr(0, comma);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  // $GPRMC, $GNRMC, $IIRMC ...: any two-letter talker.
  const std::string_view address = fields[kAddress];
  if (count < kMinimumFields || address.size() != 5 || address.substr(2) != "RMC" || fields[kStatus] != "A") {
    return std::nullopt;
  }
  // NMEA 2.3 adds a mode letter; N says the fix is not valid even where the status claims it is.
  if (count > kMode && fields[kMode] == "N") {
    return std::nullopt;
  }
  const auto time = RmcTime(fields[kTime], fields[kDate]);
  const auto lat = DegreesMinutes(fields[kLat], fields[kLatHemisphere], 'N', 'S', 90);
  const auto lon = DegreesMinutes(fields[kLon], fields[kLonHemisphere], 'E', 'W', 180);
  if (!time || !lat || !lon) {
    return std::nullopt;
  }
  TrackFix fix;
  fix.gpsTime = *time;
  fix.lat = *lat;
  fix.lon = *lon;
  return fix;
}

void ReadNmeaTrack(std::istream& in, const std::string& file, const TrackFixSink& sink) {
  ReadLines(in, file, sink);
}

std::vector<TrackFix> ReadNmeaTrack(std::istream& in, const std::string& file) {
  std::vector<TrackFix> fixes;
  ReadNmeaTrack(in, file, [&fixes](const TrackFix& fix) { fixes.push_back(fix); });
  return fixes;
}

}  // namespace race
