// Reads a boat's track from a GPX 1.0 or 1.1 file: every track point of every track segment, in file order.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "race/LoggerFix.h"

namespace race {

// Streams the GPX in `in` through an XML parser and hands each trkpt (lat, lon, time) to sink. Times are
// xsd:dateTime, with or without fractional seconds and zone suffix (none means UTC), kept to the
// millisecond. Throws InputError naming `file` and the line for malformed XML, a document that is not GPX, a
// track point without a usable lat, lon or time.
// When name is given it receives the first track's name, else the file's metadata name, else stays empty.
void ReadGpxTrack(std::istream& in, const std::string& file, const TrackFixSink& sink,
                  std::string* name = nullptr);
std::vector<TrackFix> ReadGpxTrack(std::istream& in, const std::string& file);

// The same read of a GPX document in memory through the general XML parser alone, which every file the fast
// scanner leaves takes; the scanner is held to it.
void ParseGpxXml(std::string_view text, const std::string& file, const TrackFixSink& sink,
                 std::string* name = nullptr);

// The xsd:dateTime text of a GPX time element as a UTC date-time; empty when it is not one.
std::optional<TDateTime> ParseGpxTime(std::string_view text);

// The fields of a GPX time, before they make a date-time; secondEnd is where the seconds' text ends.
struct GpxTimeFields {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  double second = 0;
  int zoneMinutes = 0;
  std::size_t secondEnd = 0;
};

// ParseGpxTime for the times of one file in turn. Consecutive times of a log mostly differ in the seconds
// alone: when only they changed, the other fields of the last time are taken again.
class GpxTimeReader {
 public:
  std::optional<TDateTime> operator()(std::string_view text);

 private:
  std::string last_;  // the last time read, empty before the first
  GpxTimeFields fields_;
};

}  // namespace race
