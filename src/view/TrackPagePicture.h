// The Track page's chart area as the window shows it at one replay time, for pictures made without a
// window: the replay frame (or the still chart of the manual view) with the compass panel and, when the
// race has wind data, the wind graph panel over its top-left corner.
#pragma once

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

struct TrackPageRequest {
  double at = 0;        // replay time, seconds from the gun
  bool northUp = false;
  bool manual = false;  // the still chart of the whole race instead of the auto-trace frame
  int nameMode = 1;     // boat labels: 0 none, 1 names, 2 names and speed
  bool bigBoat = true;  // "Boat Size": boats under 14 pixels drawn at 14, with their sails
};

// Places of the two panels over the chart, as the main window lays them out.
inline constexpr Point kCompassPanelPlace{5, 5};
inline constexpr Point kWindGraphPanelPlace{5, 110};

// Draws the picture on `picture` (the chart size). `rose` is the compass-rose picture; `compass` and
// `windGraph` are 100 x 100 scratch canvases for the two panels. The store's hull outline must be chosen
// (SelectHullOutline), as each load does.
void DrawTrackPagePicture(Canvas& picture, const race::RaceStore& store, const analysis::ChartFit& fit,
                          const Canvas& rose, Canvas& compass, Canvas& windGraph, const TrackPageRequest& request);

}  // namespace view
