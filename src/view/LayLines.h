// The wind axis and the two pairs of lay lines drawn from a mark or a line end.
#pragma once

#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

// Screen direction of the wind in degrees, 0..360: the true wind, less the race's wind direction when the
// chart is wind-up.
double ScreenWindDirection(int windTrueDirNow, bool northUp, int windDirection);

// Six dotted 600-pixel lines from (x, y): the wind axis both ways, then the port and starboard lay lines of
// layAngle1 and of layAngle2. Leaves the pen solid.
void DrawLayLines(Canvas& canvas, const race::RaceStore& store, double x, double y, int windTrueDirNow,
                  bool northUp);

}  // namespace view
