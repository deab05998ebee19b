// The boat-list hover: which highlight to draw, the highlights themselves, the tip and the panel fit.
#include "pages/BoatHighlight.h"

#include <algorithm>
#include <vector>

#include "pages/GraphPage.h"
#include "view/DrawStyle.h"

namespace pages {
namespace {

constexpr int kGraphPage = 2;
constexpr int kTrackPage = 1;

void ThickTrace(view::Canvas& window, const std::vector<view::Point>& points, view::Colour colour) {
  if (points.empty()) return;
  window.SetPen(view::kWhite, 6);
  window.Polyline(points);
  window.SetPen(colour, 2);
  window.Polyline(points);
}

}  // namespace

HoverEffects BoatEntryMouseMove(int boat, int x, int y, int activePage, bool autoTrace, bool tipsOn,
                                view::Pointer& pointer, BoatListHover& hover) {
  HoverEffects effects;
  pointer.focusBoat = boat;
  // The entry's own X, Y repeat from one entry to the next, so the boat counts as part of the place.
  const bool moved = x != hover.lastX || y != hover.lastY || boat != hover.lastBoat;
  effects.highlightGraph = activePage == kGraphPage && moved;
  effects.highlightChart = activePage == kTrackPage && !autoTrace;
  hover.lastX = x;
  hover.lastY = y;
  hover.lastBoat = boat;
  effects.showFocusTip = tipsOn && activePage == kTrackPage && autoTrace;
  return effects;
}

void HighlightBoatOnGraph(view::Canvas& window, const view::Canvas& graphBitmap, const race::RaceStore& store,
                          int mapWidth, int clientHeight, int boat) {
  window.CopyFrom(graphBitmap, 0, 0);
  if (boat < 1 || boat > store.boatCount || boat >= static_cast<int>(store.boatColour.size())) return;
  const GraphAxes axes = MakeGraphAxes(store, mapWidth, clientHeight);
  const view::Colour colour = store.boatColour[static_cast<std::size_t>(boat)];
  for (const auto& run : SplitAtWrap(CourseTrace(store, axes, boat), axes)) ThickTrace(window, run, colour);
  ThickTrace(window, SpeedTrace(store, axes, boat), colour);
}

void HighlightBoatOnChart(view::Canvas& window, const view::Canvas& frameBitmap, view::Canvas& uraMap,
                          const race::RaceStore& store, const analysis::ChartView& stillView, int boat) {
  uraMap.CopyFrom(frameBitmap, 0, 0);
  const auto inside = [boat](const auto& perBoat) { return static_cast<std::size_t>(boat) < perBoat.size(); };
  if (boat >= 1 && boat <= store.boatCount && inside(store.trackLat) && inside(store.trackLon) &&
      inside(store.fixCount) && inside(store.boatColour)) {
    const auto b = static_cast<std::size_t>(boat);
    const int n = std::min({store.fixCount[b], static_cast<int>(store.trackLat[b].size()) - 1,
                            static_cast<int>(store.trackLon[b].size()) - 1});
    std::vector<view::Point> track;
    for (int i = 1; i <= n; ++i) {
      const auto p = analysis::ProjectToChart(store.trackLat[b][static_cast<std::size_t>(i)],
                                              store.trackLon[b][static_cast<std::size_t>(i)], stillView);
      track.push_back({p.x, p.y});
    }
    if (!track.empty()) {
      uraMap.SetPen(store.boatColour[b], 3);
      uraMap.Polyline(track);
    }
  }
  window.CopyFrom(uraMap, 0, 0);
}

PanelFit FitBoatListPanels(int boatListTop, int boatCount, int clientHeight, int logoHeight,
                           int controlHeight) {
  PanelFit fit;
  fit.hideLogo = boatListTop == 0;
  fit.boatListHeight = race::BoatListHeightFor(boatCount);
  fit.hideControl = clientHeight - logoHeight - controlHeight < fit.boatListHeight;
  return fit;
}

}  // namespace pages
