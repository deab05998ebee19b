// The Track page's chart area as the window shows it at one replay time, for pictures made without a
// window (the batch command's chart, the frames of a video): the replay frame (or the still chart of the
// manual view) with the compass panel, the wind graph panel when the race has wind data, and the start
// flags, the score panel and the rounding notice when asked for.
#pragma once

#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

// The panels and notices the window shows at a replay time besides the frame itself.
struct TrackPageOverlays {
  bool flagPanel = false;       // the flag panel, up to the gun
  bool blueFlag = false;        // the blue flag on it
  int roundingNoticeIndex = 0;  // course point rounded in the last 180 s, with the seconds since
  std::string roundingNoticeText;
  std::vector<int> finishedBoats;  // the score panel's lines
};

struct TrackPageRequest {
  double at = 0;  // replay time, seconds from the gun
  bool northUp = false;
  bool manual = false;  // the still chart of the whole race instead of the auto-trace frame
  int nameMode = 1;     // boat labels: 0 none, 1 names, 2 names and speed
  bool bigBoat = true;  // "Boat Size": boats under 14 pixels drawn at 14, with their sails
  TrackPageOverlays overlays;
};

// The pictures the panels are made of: the compass rose and the blue flag, and two 100 x 100 scratch
// canvases for the compass and wind graph panels.
struct TrackPagePanels {
  const Canvas& rose;
  const Canvas& blueFlag;
  Canvas& compass;
  Canvas& windGraph;
};

// Places of the two panels over the chart, as the main window lays them out.
inline constexpr Point kCompassPanelPlace{5, 5};
inline constexpr Point kWindGraphPanelPlace{5, 110};

// Draws the picture on `picture` (the chart size). The store's hull outline must be chosen
// (SelectHullOutline), as each load does.
void DrawTrackPagePicture(Canvas& picture, const race::RaceStore& store, const analysis::ChartFit& fit,
                          const TrackPagePanels& panels, const TrackPageRequest& request);

}  // namespace view
