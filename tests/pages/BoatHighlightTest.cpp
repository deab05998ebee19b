// The boat-list hover: when each highlight is drawn, what it draws, the tips and the panel fit.
#include <gtest/gtest.h>

#include "pages/BoatHighlight.h"
#include "pages/GraphPage.h"
#include "view/RecordingCanvas.h"

namespace pages {
namespace {

using view::CallKind;
using view::Point;

constexpr int kGraph = 2;
constexpr int kTrack = 1;

TEST(BoatHighlight, GraphHighlightIsRedrawnOnlyWhenThePlaceOrBoatChanges) {
  view::Pointer pointer;
  BoatListHover hover;
  EXPECT_TRUE(BoatEntryMouseMove(3, 10, 5, kGraph, true, true, pointer, hover).highlightGraph);
  EXPECT_EQ(pointer.focusBoat, 3);
  EXPECT_FALSE(BoatEntryMouseMove(3, 10, 5, kGraph, true, true, pointer, hover).highlightGraph);
  EXPECT_TRUE(BoatEntryMouseMove(3, 11, 5, kGraph, true, true, pointer, hover).highlightGraph);
  // The next entry down, at the same entry-relative place.
  EXPECT_TRUE(BoatEntryMouseMove(4, 11, 5, kGraph, true, true, pointer, hover).highlightGraph);
  EXPECT_EQ(pointer.focusBoat, 4);
  const HoverEffects graph = BoatEntryMouseMove(4, 12, 5, kGraph, false, true, pointer, hover);
  EXPECT_FALSE(graph.highlightChart);
  EXPECT_FALSE(graph.showFocusTip);
}

TEST(BoatHighlight, TrackPageDrawsTheTrackInTheManualViewAndTipsInAutoTrace) {
  view::Pointer pointer;
  BoatListHover hover;
  const HoverEffects manual = BoatEntryMouseMove(2, 1, 1, kTrack, false, true, pointer, hover);
  EXPECT_TRUE(manual.highlightChart);
  EXPECT_FALSE(manual.highlightGraph);
  EXPECT_FALSE(manual.showFocusTip);
  const HoverEffects traced = BoatEntryMouseMove(2, 1, 1, kTrack, true, true, pointer, hover);
  EXPECT_FALSE(traced.highlightChart);
  EXPECT_TRUE(traced.showFocusTip);
  EXPECT_FALSE(BoatEntryMouseMove(2, 1, 1, kTrack, true, false, pointer, hover).showFocusTip);
  EXPECT_EQ(pointer.focusBoat, 2);
}

race::RaceStore TwoBoatRace() {
  race::RaceStore store;
  store.timelineStart = -190;
  store.timelineEnd = 1770;
  store.windDirection = 340;
  store.maxBoatSpeed = 6.3;
  store.boatCount = 2;
  store.boatColour[1] = view::Rgb(255, 0, 0);
  store.boatColour[2] = view::Rgb(0, 0, 255);
  store.fixCount[1] = 2;
  store.fixCount[2] = 2;
  // Boat 2 sailed only before the time line.
  store.trackTime = {{}, {0, 0, 600}, {0, -900, -800}};
  store.trackCourse = {{}, {0, 340, 160}, {0, 10, 20}};
  store.trackSpeed = {{}, {0, 5, 6}, {0, 3, 4}};
  store.trackLat = {{}, {0, 2100, 2100.5}, {0, 2101, 2101.5}};
  store.trackLon = {{}, {0, 8100, 8100}, {0, 8100.5, 8101}};
  return store;
}

TEST(BoatHighlight, GraphHighlightCopiesThePageAndDrawsBothTracesThick) {
  const race::RaceStore store = TwoBoatRace();
  view::RecordingCanvas graphBitmap(1000, 766);
  view::RecordingCanvas window(1000, 766);
  HighlightBoatOnGraph(window, graphBitmap, store, 1000, 766, 1);
  const GraphAxes a = MakeGraphAxes(store, 1000, 766);

  const auto& calls = window.Calls();
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0].kind, CallKind::Copy);
  EXPECT_EQ(calls[0].points[0], (Point{0, 0}));
  const std::vector<Point> course = {{154, a.TimeY(0)}, {381, a.TimeY(600)}};
  EXPECT_EQ(calls[1].points, course);
  EXPECT_EQ(calls[1].pen.colour, view::Rgb(255, 255, 255));
  EXPECT_EQ(calls[1].pen.width, 6);
  EXPECT_EQ(calls[2].points, course);
  EXPECT_EQ(calls[2].pen.colour, view::Rgb(255, 0, 0));
  EXPECT_EQ(calls[2].pen.width, 2);
  EXPECT_EQ(calls[3].points[1], (Point{a.SpeedX(6), a.TimeY(600)}));
  EXPECT_EQ(calls[4].pen.width, 2);

  window.Clear();
  HighlightBoatOnGraph(window, graphBitmap, store, 1000, 766, 2);
  ASSERT_EQ(window.Calls().size(), 1u);  // nothing of boat 2 lies in the time line
  EXPECT_EQ(window.Calls()[0].kind, CallKind::Copy);
}

TEST(BoatHighlight, ChartHighlightDrawsTheWholeTrackOnUraMap) {
  const race::RaceStore store = TwoBoatRace();
  analysis::ChartView still;
  still.centreLat = 2101;
  still.centreLon = 8100.5;
  still.pxPerMinuteLat = 100;
  still.pxPerMinuteLon = 100;
  still.mapWidth = 1000;
  still.mapHeight = 800;
  view::RecordingCanvas frame(1000, 800), uraMap(1000, 800), window(1000, 800);
  HighlightBoatOnChart(window, frame, uraMap, store, still, 2);

  const auto tracks = uraMap.CallsOf(CallKind::Polyline);
  ASSERT_EQ(uraMap.Calls().front().kind, CallKind::Copy);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].points, (std::vector<Point>{{500, 400}, {550, 350}}));  // outside the time line too
  EXPECT_EQ(tracks[0].pen.colour, view::Rgb(0, 0, 255));
  EXPECT_EQ(tracks[0].pen.width, 3);
  ASSERT_EQ(window.Calls().size(), 1u);
  EXPECT_EQ(window.Calls()[0].kind, CallKind::Copy);
}

TEST(BoatHighlight, LongBoatListHidesThePanelsItWouldCrowd) {
  // 1000 - 200 - 255 = 545 pixels left for the list: 37 boats need 543, 38 need 557.
  EXPECT_FALSE(FitBoatListPanels(200, 37, 1000, 200, 255).hideControl);
  EXPECT_TRUE(FitBoatListPanels(200, 38, 1000, 200, 255).hideControl);
  EXPECT_EQ(FitBoatListPanels(200, 38, 1000, 200, 255).boatListHeight, 557);
  EXPECT_FALSE(FitBoatListPanels(200, 38, 1000, 200, 255).hideLogo);
  EXPECT_TRUE(FitBoatListPanels(0, 51, 1000, 200, 255).hideLogo);
}

}  // namespace
}  // namespace pages
