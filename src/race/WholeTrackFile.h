// A logger's track file read whole, whatever its form and dates: what a race is made from before any race
// file exists.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "race/TrackFix.h"

namespace race {

struct WholeTrack {
  std::string name;             // the GPX track or metadata name; empty when the file has none
  std::vector<TrackFix> fixes;  // sorted by time, one fix per moment
};

inline constexpr std::uintmax_t kMaxTrackBytes = 256u << 20;

// Reads every fix of a GPX, NMEA or text track file (the form from the name, as the race loader picks it).
// Throws InputError naming the file when it cannot be read, is malformed, holds no fix or is bigger than
// kMaxTrackBytes.
WholeTrack ReadWholeTrack(const std::filesystem::path& path);

}  // namespace race
