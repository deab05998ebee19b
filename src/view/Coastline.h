// Drawing the coastline polylines on any chart: a stored latitude above 6000 starts a new polyline and
// carries 20000 on top of the true latitude.
#pragma once

#include "analysis/Navigation.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

inline constexpr double kCoastStartFlag = 20000;

// Draws every coastline polyline in the current pen, projected with the view.
void DrawCoastline(Canvas& canvas, const race::RaceStore& store, const analysis::ChartView& view);

}  // namespace view
