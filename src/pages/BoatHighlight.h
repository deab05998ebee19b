// Picking a boat out while the pointer is over its boat-list entry: thick traces on the Graph page, its whole
// track on the manual chart, the focusing tip, and keeping the side panels clear of a long boat list.
#pragma once

#include <climits>
#include <string>

#include "analysis/Navigation.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

namespace pages {

// Where the pointer last was over the boat list (entry-relative X, Y and the entry's boat).
struct BoatListHover {
  int lastX = INT_MIN;
  int lastY = INT_MIN;
  int lastBoat = 0;
};

// What the pointer movement asks the window to do; the window does it in this order: the graph highlight,
// the chart highlight, then the tip explaining the focusing clicks, and FitBoatListPanels.
struct HoverEffects {
  bool highlightGraph = false;
  bool highlightChart = false;
  bool showFocusTip = false;
};

// The pointer moved over boat's list entry: focusBoat becomes the boat. On the Graph page the highlight is
// redrawn only when the place (or the boat under it) changed; on the Track page the manual view shows the
// boat's track; with Auto Trace on the focusing tip is shown.
HoverEffects BoatEntryMouseMove(int boat, int x, int y, int activePage, bool autoTrace, bool tipsOn,
                                view::Pointer& pointer, BoatListHover& hover);

// Copies graphBitmap to the window and draws the boat's course and speed traces over it, white 6 pixels
// wide under the boat's colour 2 pixels wide.
void HighlightBoatOnGraph(view::Canvas& window, const view::Canvas& graphBitmap, const race::RaceStore& store,
                          int mapWidth, int clientHeight, int boat);

// Copies frameBitmap onto UraMap, draws the boat's whole track there (3 pixels, boat colour, placed with the
// still chart's view) and shows UraMap in the window.
void HighlightBoatOnChart(view::Canvas& window, const view::Canvas& frameBitmap, view::Canvas& uraMap,
                          const race::RaceStore& store, const analysis::ChartView& stillView, int boat);

struct PanelFit {
  bool hideLogo = false;     // pnlLOGO
  bool hideControl = false;  // pnlCTRL; never shown again here
  int boatListHeight = 25;
};

// A boat list at the top of the window hides the logo panel; one taller than the room left by the logo and
// control panels hides the control panel.
PanelFit FitBoatListPanels(int boatListTop, int boatCount, int clientHeight, int logoHeight,
                           int controlHeight);

}  // namespace pages
