// Marks and lines as every chart picture draws them: a yellow dot with the course point's red label beside
// it.
#pragma once

#include <string>

#include "analysis/Navigation.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

void DrawMarkDot(Canvas& frame, int x, int y);

// The label of the mark or line end at (x, y), written on the sea colour.
void DrawCourseLabel(Canvas& frame, Colour seaColour, const std::string& label, int x, int y);

// The label of a line end. A race file often gives a gate both as two marks and as the line between them;
// where an end falls on a mark the line's label goes under the mark's, so the two do not overprint.
void DrawLineEndLabel(Canvas& frame, Colour seaColour, const std::string& label, analysis::ChartPoint end,
                      const race::RaceStore& store, const analysis::ChartView& view);

}  // namespace view
