// Track files written by today's loggers (GPX, NMEA) beside the text form: which form a file is, and reading
// one into a boat slot through the same race-window rules as the text form.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "race/RaceStore.h"

namespace race {

enum class TrackForm { kText, kGpx, kNmea };

// The form a track file name asks for by its extension, in any letter case: .gpx is GPX, .nmea and .nme are
// NMEA 0183, anything else the text form.
TrackForm TrackFormOf(std::string_view fileName);

// Streams a GPX or NMEA track from in into slot, appending the fixes inside the race window from n on.
// file names the file in messages. Throws InputError as the readers do.
void ReadLoggerTrack(RaceStore& store, int slot, std::istream& in, TrackForm form, const std::string& file, int& n);

}  // namespace race
