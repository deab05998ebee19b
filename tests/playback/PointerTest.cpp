// The time bar, the chart pointer, range and bearing, zoom and recentring, and the Shift key.
#include <gtest/gtest.h>

#include "playback/MapPointer.h"
#include "playback/PlaybackRace.h"
#include "playback/TimeBarInput.h"
#include "race/Numbers.h"
#include "view/Compass.h"

namespace playback {
namespace {

class TimeBarTest : public ::testing::Test {
 protected:
  race::RaceStore store = playbacktest::Race({600, 640});
  analysis::ChartFit fit;
  Clock clock;
  view::Playback playback;
  view::Pointer pointer;
  view::ViewOptions options;
  void SetUp() override {
    fit.midLat = 2100.5;
    fit.midLon = 8200;
    fit.overviewPxPerMinuteLat = fit.overviewPxPerMinuteLon = 100;
    RaceLoaded(clock, playback, store);
  }
};

TEST_F(TimeBarTest, TopIsTheEndBottomTheStart) {
  EXPECT_DOUBLE_EQ(TimeAtBar(store, 0, 600), 1000);
  EXPECT_DOUBLE_EQ(TimeAtBar(store, 600, 600), -200);
  EXPECT_DOUBLE_EQ(TimeAtBar(store, 700, 600), -200);  // limited to the time line
  EXPECT_DOUBLE_EQ(TimeAtBar(store, 300, 600), 400);
}

TEST_F(TimeBarTest, HoverHoldsTheClockAndMovesOnlyBoatsUnderWay) {
  for (int j = 1; j <= store.fixCount[2]; ++j) store.trackTime[2][j] += 500;  // boat 2 starts later
  pointer.nameMode = 2;
  const Hover hover = TimeBarMouseMove(playback, pointer, store, fit, options, 450, 600, 1);
  EXPECT_EQ(playback.clockTextFrozen, 1);
  EXPECT_EQ(pointer.nameMode, 0);
  EXPECT_DOUBLE_EQ(hover.clockSeconds, 100);
  ASSERT_TRUE(hover.dots[1].has_value());
  // Fix 301 (time 100) of boat 1, placed by the overview projection.
  EXPECT_EQ(*hover.dots[1],
            view::ProjectToOverview(store.trackLat[1][301], store.trackLon[1][301], fit, false, 0));
  EXPECT_FALSE(hover.dots[2].has_value());
  EXPECT_EQ(hover.tip, PointerTip::TimeBar);
  options.boatName = true;
  pointer.nameMode = 1;
  EXPECT_FALSE(TimeBarMouseMove(playback, pointer, store, fit, options, 0, 600, 0).tip.has_value());
  EXPECT_EQ(pointer.nameMode, 1);
}

TEST_F(TimeBarTest, ClickJumpsAndKeepsThePlayDirection) {
  clock.playDirection = -1;
  clock.playState = PlayState::Backward;
  clock.finishSignalled[1] = 1;
  clock.finishedCount = 1;
  ScoreChange score;
  const Effects effects = TimeBarMouseDown(clock, playback, store, options, 300, 600, score);
  EXPECT_DOUBLE_EQ(playback.raceTime, 400);
  EXPECT_TRUE(effects.presentFrame);
  EXPECT_DOUBLE_EQ(effects.clockSeconds, 400);
  EXPECT_EQ(score.hidden, (std::vector<int>{1}));
  EXPECT_EQ(clock.finishedCount, 0);
  EXPECT_EQ(clock.playState, PlayState::Backward);
  clock.timeStep = 1;
  Timer1Advance(clock, playback, store);
  EXPECT_DOUBLE_EQ(playback.raceTime, 399);

  options.autoTrace = false;
  EXPECT_TRUE(TimeBarMouseDown(clock, playback, store, options, 0, 600, score).redrawStillChart);
  options.trackPage = false;
  playback.raceTime = 5;
  TimeBarMouseDown(clock, playback, store, options, 0, 600, score);
  EXPECT_DOUBLE_EQ(playback.raceTime, 5);
}

TEST_F(TimeBarTest, BackToTheStartOnlyFromTheLowestThirtyPixels) {
  playback.raceTime = 500;
  BackTimeBarMouseDown(playback, store, 570, 600);
  EXPECT_DOUBLE_EQ(playback.raceTime, 500);
  BackTimeBarMouseDown(playback, store, 571, 600);
  EXPECT_DOUBLE_EQ(playback.raceTime, -200);
}

class ChartPointerTest : public ::testing::Test {
 protected:
  race::RaceStore store = playbacktest::Race({600});
  analysis::ChartFit fit;
  MapPointer map;
  view::Playback playback;
  view::Pointer pointer;
  view::ViewOptions options;
  view::ManualView manual;
  ChartSituation chart;
  void SetUp() override {
    store.raceCaption = "Race ";
    store.raceNote = "note";
    fit.cosMidLatitude = 0.8;
    fit.pxPerMinuteLat = 100;
    fit.pxPerMinuteLon = 80;
    chart.mapWidth = 900;
    chart.mapHeight = 600;
    manual.viewCentreLat = 2100;
    manual.viewCentreLon = 8200;
    options.northUp = true;
    chart.frameView = view::StillView(fit, manual, 900, 600, true, 0);
  }
  PointerMove Move(int x, int y) {
    return FormMouseMove(map, playback, pointer, options, store, fit, chart, x, y);
  }
};

TEST_F(ChartPointerTest, LabelsAndRedWakesFollowThePointer) {
  Move(299, 0);
  EXPECT_EQ(pointer.nameMode, 2);
  Move(300, 0);
  EXPECT_EQ(pointer.nameMode, 1);
  Move(594, 0);
  EXPECT_EQ(pointer.nameMode, 1);
  Move(595, 0);
  EXPECT_EQ(pointer.nameMode, 0);
  EXPECT_EQ(pointer.redWakes, 0);
  pointer.focusBoat = 3;
  playback.clockTextFrozen = 1;
  const PointerMove move = Move(10, 501);
  EXPECT_EQ(pointer.redWakes, 1);
  EXPECT_EQ(pointer.focusBoat, 0);
  EXPECT_EQ(playback.clockTextFrozen, 0);
  EXPECT_EQ(move.tip, PointerTip::RedWakes);
  EXPECT_FALSE(Move(10, 500).tip.has_value());
  options.autoTrace = false;
  Move(10, 590);
  EXPECT_EQ(pointer.redWakes, 0);
}

TEST_F(ChartPointerTest, CaptionReadsThePositionUnderThePointer) {
  EXPECT_EQ(Move(450, 300).caption, "Race N35:0    E136:40      note");
  EXPECT_EQ(LatitudeText(0), "S0:0");
  EXPECT_EQ(LatitudeText(-2112.3456789), "S35:12.345");
  EXPECT_EQ(LongitudeText(-61.5), "W1:1.5");
  chart.activePage = 2;
  const PointerMove move = Move(450, 300);
  EXPECT_EQ(move.caption, "Race      note");
  EXPECT_TRUE(move.copyGraphBack);
}

TEST_F(ChartPointerTest, RangeAndBearingWhileShiftIsHeld) {
  options.autoTrace = false;
  FormKeyDown(map, true);
  PointerMove move = Move(450, 300);
  ASSERT_TRUE(move.readout.has_value());
  EXPECT_TRUE(move.readout->basePointWanted);
  EXPECT_EQ(move.readout->width, 180);
  EXPECT_FALSE(move.readout->line);
  EXPECT_TRUE(move.restoreMap);
  EXPECT_EQ(move.tip, PointerTip::ManualView);

  const ChartClick click = FormMouseDown(map, manual, options, store, fit, chart, Button::Left, 450, 300);
  EXPECT_FALSE(click.redrawStillChart);
  EXPECT_DOUBLE_EQ(manual.zoomFactor, 1);
  EXPECT_DOUBLE_EQ(map.basePointLat, 2100);
  // One minute north is 100 pixels up: a nautical mile, bearing north less the variation.
  store.magneticVariation = -7;
  move = Move(450, 200);
  ASSERT_TRUE(move.readout.has_value());
  EXPECT_EQ(move.readout->text, "R= 1852m / BRG= 7deg(M)");
  EXPECT_EQ(move.readout->width, 200);
  EXPECT_TRUE(move.readout->line);
  EXPECT_EQ(move.readout->fromY, 300);
  EXPECT_EQ(move.readout->toY, 200);
  EXPECT_EQ(move.readout->left, 460);
  EXPECT_EQ(move.readout->top, 180);

  FormKeyUp(map);  // releasing Shift forgets the base point
  EXPECT_FALSE(Move(450, 200).readout.has_value());
  FormKeyDown(map, true);
  EXPECT_TRUE(Move(450, 200).readout->basePointWanted);
  FormKeyDown(map, false);
  EXPECT_FALSE(Move(450, 200).readout.has_value());
}

TEST_F(ChartPointerTest, ClicksZoomAboutTheClickedPointInTheManualView) {
  options.autoTrace = false;
  ChartClick click = FormMouseDown(map, manual, options, store, fit, chart, Button::Left, 550, 250);
  EXPECT_TRUE(click.redrawStillChart);
  EXPECT_DOUBLE_EQ(manual.zoomFactor, 1.5);
  EXPECT_DOUBLE_EQ(manual.viewCentreLat, 2100.5);
  EXPECT_DOUBLE_EQ(manual.viewCentreLon, 8201.25);
  // The clicked place is now the middle; a right click there shrinks the map about it.
  FormMouseDown(map, manual, options, store, fit, chart, Button::Right, 450, 300);
  EXPECT_DOUBLE_EQ(manual.zoomFactor, 1.0);
  EXPECT_NEAR(manual.viewCentreLat, 2100.5, 1e-9);
  EXPECT_NEAR(manual.viewCentreLon, 8201.25, 1e-9);

  // In Auto Trace a click only toggles the wind graph, and only with wind.
  options.autoTrace = true;
  EXPECT_FALSE(FormMouseDown(map, manual, options, store, fit, chart, Button::Left, 1, 1).toggleWindGraph);
  store.windCount = 3;
  click = FormMouseDown(map, manual, options, store, fit, chart, Button::Left, 1, 1);
  EXPECT_TRUE(click.toggleWindGraph);
  EXPECT_FALSE(click.redrawStillChart);
}

TEST_F(ChartPointerTest, OverviewClickRecentresKeepingTheZoom) {
  fit.midLat = 2100;
  fit.midLon = 8200;
  fit.overviewPxPerMinuteLat = fit.overviewPxPerMinuteLon = 10;
  manual.zoomFactor = 2;
  EXPECT_FALSE(Image1MouseDown(manual, options, store, fit, 95, 75));  // Auto Trace: nothing
  options.autoTrace = false;
  EXPECT_TRUE(Image1MouseDown(manual, options, store, fit, 95, 75));
  EXPECT_DOUBLE_EQ(manual.viewCentreLat, 2101);
  EXPECT_DOUBLE_EQ(manual.viewCentreLon, 8201);
  EXPECT_DOUBLE_EQ(manual.zoomFactor, 2);
}

}  // namespace
}  // namespace playback
