// The compass rose turned to the chart's magnetic north, the overview map of the whole race, the
// orientation buttons and the compass hover that switches on wind pointers and names.
#pragma once

#include "analysis/ChartFit.h"
#include "analysis/Navigation.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

namespace view {

inline constexpr int kCompassSize = 100;

// The compass angle of the orientation: magnetic variation, less the wind direction when wind-up.
double CompassAngle(const race::RaceStore& store, bool northUp);

// Draws the rose picture (compasss) on the 100 x 100 compass (compasst), turned clockwise by angle degrees.
// Returns the angle brought into 0..360 (the last compass angle), or 0 for an unturned rose.
double DrawCompass(Canvas& compass, const Canvas& rose, double angle);

// The overview map: every boat's whole track and the coastline on the first preset sea colour.
void DrawOverviewMap(Canvas& overview, const race::RaceStore& store, const analysis::ChartFit& fit,
                     Colour seaPreset1, bool northUp);

// The overview map's view: the whole race area at the overview's own centre and scale.
analysis::ChartView OverviewView(const analysis::ChartFit& fit, bool northUp, int windDirection);

// Overview pixel of a position (rounded), in the overview's own centre and scale.
Point ProjectToOverview(double lat, double lon, const analysis::ChartFit& fit, bool northUp,
                        int windDirection);

// The orientation buttons. Each returns true when the orientation changed; the caller then redraws the
// overview map, the compass (CompassAngle) and, in the manual view on the Track page, the still chart.
bool RadioNClick(ViewOptions& options);
bool RadioWClick(ViewOptions& options);

// Pointer over the compass: wind pointers on; names too when the pointer is near the rim.
void compasstMouseMove(Pointer& pointer, int x, int y, int compassWidth = kCompassSize);

}  // namespace view
