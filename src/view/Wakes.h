// The wakes behind the boats when one of their options is on: longer than the five-fix wake, coloured from
// slow to fast (with a legend on the chart), and tacks and gybes marked on them.
#pragma once

#include <vector>

#include "analysis/Manoeuvres.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"
#include "view/ChartProjector.h"

namespace view {

inline constexpr int kWakeSegments = 4;       // the plain wake: four steps back from the boat's last fix
inline constexpr int kLongWakeSegments = 20;  // the long tail

// Blue for a standing boat through green and yellow to red at the fastest speed of the race.
Colour SpeedColour(double knots, double fastest);

// A wake of the given number of steps of `step` fixes back from fix lastFix, starting at the boat's place;
// each step in the colour of its speed when speedColoured, else in `plain`.
void DrawOptionWake(Canvas& frame, const race::RaceStore& store, int boat, int lastFix, int step,
                    int segments, Point boatAt, bool speedColoured, Colour plain, Colour sea,
                    const ChartProjector& project);

// The tacks (squares) and gybes (circles) of a boat whose crossing lies between race seconds from and to,
// each at the first fix from its crossing on.
void DrawManoeuvreMarks(Canvas& frame, const race::RaceStore& store, int boat,
                        const std::vector<analysis::Manoeuvre>& manoeuvres, double from, double to,
                        const ChartProjector& project);

// The speed colours' key: a bar from slow to fast, above the scale bar, with the fastest speed.
void DrawSpeedLegend(Canvas& frame, double fastest, Colour sea);

}  // namespace view
