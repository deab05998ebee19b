// One position report of a boat's logger, before the race window and the race clock are applied.
#pragma once

#include "race/RaceStore.h"

namespace race {

struct TrackFix {
  TDateTime gpsTime = 0;  // UTC date-time of the fix
  double lat = 0;         // minutes of arc, north positive
  double lon = 0;         // minutes of arc, east positive
  int line = 0;           // line of the file the fix came from, for messages
};

}  // namespace race
