// A fast reader for the plain GPX most loggers write: the whole file in memory, scanned byte by byte for
// the track points, with no general XML parser in the way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "race/TrackFix.h"

namespace race {

// Reads every track point of text into fixes and the boat's name (first track's, else the metadata's) into
// name when given, exactly as the XML parser would. Returns false, with fixes and name unspecified, for
// anything it cannot read with certainty: a markup form it does not know, a document that is not well
// formed, or a point the reader would refuse. The caller then reads the file the slow way, which also gives
// the message.
bool ScanGpxTrack(std::string_view text, std::vector<TrackFix>& fixes, std::string* name);

// What both GPX readers share: text without XML's blanks around it, and the rule that names the boat (the
// first track's non-empty name, else the metadata's) applied to one more name element's text.
std::string_view TrimmedXmlBlanks(std::string_view text);
void TakeGpxName(std::string& name, bool& trackNamed, std::string_view text, bool ofTrack);

}  // namespace race
