// The race definition reader (raceadmin/<race>.txt): race information, course geometry and boat list.
#pragma once

#include <string>

#include "race/RaceStore.h"

namespace race {

// Reads the race definition file at path (a full path) into the store. When the file does not exist only
// preStartSeconds is reset to 180 and nothing else changes. Otherwise counts, titles and northUp are reset,
// the records are applied and the derived fields (startTimeGps, finishTimeGps, boatListHeight,
// timelineStart, timelineEnd, raceCaption, raceDate) are set. BN records count only when the track file
// exists in gpsdat/, AT records only when the attachment exists in attachment/ (both under
// store.programFolder). Throws InputError on a malformed value or a record with too few fields; fields
// set before that line stay set. The caller sets the display controls (orientation, attachment button,
// trace scale) from northUp and attachmentCount.
void ParseRaceFile(RaceStore& store, const std::string& path);

}  // namespace race
