// Reads a boat's track from an NMEA 0183 log: the recommended-minimum ($xxRMC) sentences of a valid fix.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "race/LoggerFix.h"

namespace race {

// Hands each $xxRMC sentence with status A and a correct checksum to sink, in file order, with the line it
// stands on. Every other sentence, and any sentence that is damaged (checksum missing or wrong, fields that
// do not read), is skipped: instrument logs are noisy and one bad line must not lose the race.
void ReadNmeaTrack(std::istream& in, const std::string& file, const TrackFixSink& sink);
std::vector<TrackFix> ReadNmeaTrack(std::istream& in, const std::string& file);

// One line of the log as a fix (line left 0), or empty when it is not a usable RMC sentence.
std::optional<TrackFix> ParseRmcSentence(std::string_view line);

}  // namespace race
