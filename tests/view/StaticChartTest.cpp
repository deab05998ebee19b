// The still chart of the manual view: whole tracks, fixed-size boats with names, the time of day, and the
// view handed on so clicks convert back to positions.
#include <gtest/gtest.h>

#include "race/Numbers.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"
#include "view/StaticChart.h"

namespace view {
namespace {

constexpr Colour kBoatA = Rgb(200, 0, 0);

struct StillFixture : ::testing::Test {
  race::RaceStore store = viewtest::EmptyRace();
  analysis::ChartFit fit;
  Sea sea;
  ViewOptions options;
  Pointer pointer;
  Playback playback;
  FrameState state;
  ManualView manual;
  RecordingCanvas frame{1000, 800};

  void SetUp() override {
    options.autoTrace = false;
    options.northUp = true;
    store.startTime = 45000.5;  // 2023/03/15 12:00:00
    std::vector<viewtest::Fix> fixes;
    for (int t = 0; t <= 600; t += 10) fixes.push_back({double(t), 2000 + t / 600.0, 8000, 0, 5});
    viewtest::AddBoat(store, "Alpha", kBoatA, fixes, 10);
    viewtest::AddBoat(store, "Late", Rgb(0, 0, 200),
                      {{700, 2000, 8000, 0, 5}, {710, 2000, 8000, 0, 5}, {720, 2000, 8000, 0, 5}});
    fit = viewtest::Fit(store);
    manual.viewCentreLat = fit.midLat;
    manual.viewCentreLon = fit.midLon;
    manual.zoomFactor = 1.5;
  }

  bool Draw(double raceTime) {
    playback.raceTime = raceTime;
    frame.Clear();
    const Scene scene{store, fit, sea, options, pointer};
    return DrawStaticChart(frame, scene, manual, playback, state, race::FormatDateTime);
  }
};

TEST_F(StillFixture, NothingInAutoTrace) {
  options.autoTrace = true;
  EXPECT_FALSE(Draw(300));
  EXPECT_TRUE(frame.Calls().empty());
}

TEST_F(StillFixture, BoatsAtTheReplayTimeWithNamesAndTheTimeOfDay) {
  ASSERT_TRUE(Draw(300));
  const analysis::ChartView view = StillView(fit, manual, 1000, 800, true, 0);
  const analysis::ChartPoint p = analysis::ProjectToChart(2000.5, 8000, view);
  const DrawCall* name = frame.FindText("Alpha");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->points[0], (Point{p.x + 10, p.y - 6}));
  EXPECT_EQ(name->font.colour, Rgb(255, 255, 255));
  EXPECT_EQ(frame.FindText("Late"), nullptr);  // not yet sailing

  std::vector<DrawCall> hull = frame.CallsOf(CallKind::Polygon);
  ASSERT_EQ(hull.size(), 1u);
  EXPECT_EQ(hull[0].pen.colour, kBoatA);
  EXPECT_EQ(hull[0].points[0], (Point{p.x, p.y - 8}));  // 16 pixels long whatever the zoom, bow north

  const DrawCall* clock = frame.FindText("12:05:00");
  ASSERT_NE(clock, nullptr);
  // At the bottom right, wholly on the chart.
  EXPECT_EQ(clock->points[0].y, 800 - 25);
  EXPECT_LE(clock->points[0].x, 1000 - 63);
  EXPECT_LE(clock->points[0].x + frame.TextWidth("12:05:00"), 1000);
  EXPECT_GT(clock->points[0].x, 1000 - 100);

  // The whole track of each shown boat, and the still view handed to the frame view.
  EXPECT_EQ(frame.CallsOf(CallKind::Polyline)[1].points.size(), 61u);
  EXPECT_DOUBLE_EQ(state.framePxPerMinuteLat, fit.pxPerMinuteLat * 1.5);
  EXPECT_DOUBLE_EQ(state.frameCentreLat, fit.midLat);
}

TEST_F(StillFixture, DarkPresetsOutlineBoatsInSilver) {
  sea.seaStyle = 3;
  Draw(300);
  EXPECT_EQ(frame.CallsOf(CallKind::Polygon)[0].pen.colour, Rgb(192, 192, 192));
  sea.seaStyle = 2;
  Draw(300);
  EXPECT_EQ(frame.CallsOf(CallKind::Polygon)[0].pen.colour, kBoatA);
}

TEST_F(StillFixture, HiddenBoatsLoseTheirTrackButKeepTheirGlyph) {
  store.boatShown[1] = 0;
  Draw(300);
  EXPECT_EQ(frame.CallsOf(CallKind::Polyline).size(), 2u);  // Late's track and Alpha's white rim
  EXPECT_NE(frame.FindText("Alpha"), nullptr);
}

TEST_F(StillFixture, WindAndWindAnglesFollowTheMomentShown) {
  viewtest::AddWind(store, 0, 10, 6);
  viewtest::AddWind(store, 600, 90, 12);
  for (const auto& [time, dir] : {std::pair{60.0, 18}, {540.0, 82}, {300.0, 50}}) {
    Draw(time);
    EXPECT_EQ(state.windFileDirNow, dir) << time;
    EXPECT_EQ(state.curTwa[1], dir) << time;  // Alpha sails due north
  }
}

TEST(TimeOfDayText, PartAfterTheFirstSpace) {
  EXPECT_EQ(TimeOfDayText("2023/03/15 12:05:00"), "12:05:00");
  EXPECT_EQ(TimeOfDayText("2023/03/15"), "2023/03/15");
}

}  // namespace
}  // namespace view
