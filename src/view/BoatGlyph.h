// Boat glyphs on the chart: the hull outline turned to the heading, the sail set from the true wind angle
// and speed, and the yellow wind pointer beside each boat.
#pragma once

#include <array>

#include "analysis/Navigation.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

// Fills hullX/hullY with the pointed-bow outline when boatLength > 3.0, else the flat-bow one.
void SelectHullOutline(race::RaceStore& store);

// Heading on the screen in degrees, -180..180: the course, less the wind direction in wind-up view.
double ScreenHeading(double course, bool northUp, int windDirection);

// Outline points 0..7 and the mast (point 8), scaled to lengthPx and turned clockwise by headingDeg about
// the unrounded centre.
std::array<Point, 9> HullPoints(const race::RaceStore& store, analysis::Offset centre, double lengthPx,
                                double headingDeg);

// Offsets from a boat to the three corners of its wind pointer (L and 2L out on the windward side).
struct WindPointer {
  analysis::Offset p0, p1, p2;
};
WindPointer WindPointerOffsets(int windTrueDirNow, double lengthPx, bool northUp, int windDirection);

// Sail corners after the mast: the clew side follows half the apparent wind angle, leeward.
std::array<Point, 4> SailPoints(Point mast, double lengthPx, double course, double speed, double twa,
                                bool northUp, int windDirection);

struct GlyphStyle {
  double lengthPx = 6;  // boatLenPx, at least 6
  double seaBrightness = 100;
  bool northUp = true;
  int windDirection = 0;
  const WindPointer* pointer = nullptr;  // drawn when set (the compass hover)
};

// One boat of the frame: filled hull, wind pointer, and the sail once the boat is over 8 pixels long.
void DrawBoatGlyph(Canvas& canvas, const race::RaceStore& store, int boat, analysis::Offset centre,
                   double course, double speed, double twa, const GlyphStyle& style);

}  // namespace view
