// The time bar's upwind and downwind bands, start gun and day/night background; the wind graph's
// centring across north.
#include <gtest/gtest.h>

#include <cmath>

#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"
#include "view/TimeBar.h"

namespace view {
namespace {

// The colour a rectangle-painted picture shows at (x, y): the last rectangle covering it.
Colour PaintedAt(const RecordingCanvas& canvas, int x, int y) {
  Colour colour = 0xFFFFFFFF;
  for (const DrawCall& call : canvas.CallsOf(CallKind::Rectangle)) {
    if (call.points[0].x <= x && x < call.points[1].x && call.points[0].y <= y && y < call.points[1].y) {
      colour = call.brush.colour;
    }
  }
  return colour;
}

struct TimeBarFixture : ::testing::Test {
  race::RaceStore store = viewtest::EmptyRace();
  analysis::SunEstimate sun;
  RecordingCanvas bar{30, 381};
  RecordingCanvas back{50, 441};
  void SetUp() override {
    store.windDirection = 350;
    store.timelineStart = -190;
    store.timelineEnd = 3620;  // span 3810: 10 s per pixel row of a 381-row bar
    std::vector<viewtest::Fix> fixes;
    for (int t = -100; t <= 3600; t += 100)
      fixes.push_back({double(t), 2000, 8000, t < 1800 ? 30.0 : 200.0, 5});
    viewtest::AddBoat(store, "A", Rgb(1, 2, 3), fixes);
    sun.sunriseSecond = 21600;
    sun.sunsetSecond = 64800;
    sun.raceStartSecondOfDay = 12 * 3600;
  }
};

TEST_F(TimeBarFixture, UpwindWhiteDownwindBlueAndTheGunInRed) {
  DrawTimeBar(bar, back, store, sun);
  const int h = 380;
  auto rowOf = [&](double t) { return static_cast<int>((store.timelineEnd - t) * h / 3810); };
  EXPECT_EQ(PaintedAt(bar, 14, rowOf(600)), Rgb(255, 255, 255));   // heading 30 with the wind from 350
  EXPECT_EQ(PaintedAt(bar, 14, rowOf(2500)), Rgb(192, 192, 255));  // heading 200: downwind
  EXPECT_EQ(PaintedAt(bar, 14, rowOf(-150)), Rgb(225, 225, 255));  // before the first fix: bare bar
  // The start gun is a red line near the bottom.
  const int y0 = static_cast<int>(std::nearbyint(h * store.timelineEnd / 3810));
  EXPECT_EQ(PaintedAt(bar, 14, y0), Rgb(255, 0, 0));
  EXPECT_EQ(PaintedAt(bar, 14, y0 - 1), Rgb(255, 0, 0));
  EXPECT_EQ(PaintedAt(bar, 29, y0), Rgb(255, 0, 0));
  // The bands never cover the frame of the bar.
  EXPECT_EQ(PaintedAt(bar, 0, rowOf(600)), Rgb(225, 225, 255));
  EXPECT_EQ(PaintedAt(bar, 28, rowOf(600)), Rgb(225, 225, 255));
}

TEST_F(TimeBarFixture, BackgroundShadesNightRowsDark) {
  sun.raceStartSecondOfDay = 64800 - 3600;  // the gun an hour before sunset
  store.timelineEnd = 7620;                 // a race of two hours, 20 s per row
  DrawTimeBar(bar, back, store, sun);
  const std::vector<DrawCall> rows = back.CallsOf(CallKind::Line);
  ASSERT_EQ(rows.size(), 441u);
  // The first line drawn is the bottom row (the start, by day), the last the top row (night).
  EXPECT_EQ(rows.front().points[0].y, 440);
  EXPECT_EQ(rows.front().pen.colour, Rgb(255, 255, 192));
  EXPECT_EQ(rows.back().points[0].y, 0);
  EXPECT_EQ(rows.back().pen.colour, Rgb(0, 0, 192));
}

TEST_F(TimeBarFixture, PointerPlacesEndAtTopAndStartAtBottom) {
  EXPECT_EQ(TimePointerTop(store, store.timelineEnd, 381), 28);
  EXPECT_EQ(TimePointerTop(store, store.timelineStart, 381), 381 + 28);
  EXPECT_EQ(WindBarTop(store, store.timelineStart), 95);
  EXPECT_EQ(WindBarTop(store, store.timelineEnd), 5);
}

TEST(WindGraph, TraceStaysInOnePieceAcrossNorth) {
  race::RaceStore store = viewtest::EmptyRace();
  store.timelineStart = -190;
  store.timelineEnd = 1000;
  viewtest::AddWind(store, 0, 350);
  viewtest::AddWind(store, 100, 355);
  viewtest::AddWind(store, 200, 5);
  viewtest::AddWind(store, 300, 10);
  RecordingCanvas graph(100, 100);
  DrawWindGraph(graph, store);
  std::vector<DrawCall> trace;
  for (const DrawCall& call : graph.CallsOf(CallKind::Line)) {
    if (call.pen.colour == Rgb(0, 255, 225)) trace.push_back(call);
  }
  ASSERT_EQ(trace.size(), 3u);
  EXPECT_EQ(trace[0].points[0].x, 28);  // 350 left of the centre
  EXPECT_EQ(trace[0].points[1].x, 39);
  EXPECT_EQ(trace[1].points[1].x, 61);
  EXPECT_EQ(trace[2].points[1].x, 72);  // 10 right of it
  // The direction line of north runs through the middle.
  bool northLine = false;
  for (const DrawCall& call : graph.CallsOf(CallKind::Line)) {
    if (call.pen.colour == Rgb(192, 192, 225) && call.points[0] == Point{50, 5} &&
        call.points[1] == Point{50, 95}) {
      northLine = true;
    }
  }
  EXPECT_TRUE(northLine);
}

// The horizontal time lines of the graph (the plot frame excluded).
std::vector<int> TimeLineRows(const RecordingCanvas& graph) {
  std::vector<int> rows;
  for (const DrawCall& call : graph.CallsOf(CallKind::Line)) {
    if (call.pen.colour == Rgb(192, 192, 225) && call.points[0].y == call.points[1].y)
      rows.push_back(call.points[0].y);
  }
  return rows;
}

TEST(WindGraph, TimeLinesEveryFiveMinutesUnlessTheyWouldCrowd) {
  race::RaceStore store = viewtest::EmptyRace();
  store.timelineStart = -190;
  store.timelineEnd = 1830;  // about half an hour: lines at 0, 5, ... 25 minutes
  RecordingCanvas graph(100, 100);
  DrawWindGraph(graph, store);
  std::vector<int> rows = TimeLineRows(graph);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], 95 - static_cast<int>(std::nearbyint(190 * 90 / 2020.0)));  // the gun
  EXPECT_GT(rows[0] - rows[1], 12);

  store.timelineEnd = 10 * 3600 + 30;  // a ten-hour passage
  graph.Clear();
  DrawWindGraph(graph, store);
  rows = TimeLineRows(graph);
  ASSERT_GE(rows.size(), 5u);
  for (std::size_t k = 1; k < rows.size(); ++k) EXPECT_GE(rows[k - 1] - rows[k], 4);
}

TEST(WindGraph, SingleSampleAndNoSamplesDrawWithoutFault) {
  race::RaceStore store = viewtest::EmptyRace();
  RecordingCanvas graph(100, 100);
  DrawWindGraph(graph, store);  // no samples: centred on the race's wind, no trace
  viewtest::AddWind(store, 0, 200);
  DrawWindGraph(graph, store);  // one sample: the middle sample is that one
  EXPECT_EQ(graph.CallsOf(CallKind::Rectangle).size(), 4u);
}

TEST(WindGraph, ReadingUnderThePointerFollowsTheTimeLinesAndTurnsAcrossNorth) {
  race::RaceStore store = viewtest::EmptyRace();
  store.timelineStart = -300;
  store.timelineEnd = 600;
  EXPECT_FALSE(WindGraphReading(store, 50));  // no wind file
  viewtest::AddWind(store, 0, 350, 8);
  viewtest::AddWind(store, 100, 10, 12);
  // The bottom row is the time line's start, the top row its end; the samples' ends hold beyond them.
  const auto bottom = WindGraphReading(store, 95);
  ASSERT_TRUE(bottom);
  EXPECT_DOUBLE_EQ(bottom->raceSeconds, -300);
  EXPECT_EQ(bottom->degrees, 350);
  EXPECT_DOUBLE_EQ(bottom->knots, 8);
  EXPECT_DOUBLE_EQ(WindGraphReading(store, 5)->raceSeconds, 600);
  EXPECT_EQ(WindGraphReading(store, 5)->degrees, 10);
  // Half way between the samples (50 s, row 95 - 350 * 90 / 900 = 60): north, 10 knots.
  const auto between = WindGraphReading(store, 60);
  ASSERT_TRUE(between);
  EXPECT_DOUBLE_EQ(between->raceSeconds, 50);
  EXPECT_EQ(between->degrees, 0);
  EXPECT_DOUBLE_EQ(between->knots, 10);
  EXPECT_FALSE(WindGraphReading(store, 2));  // above the plot
}

}  // namespace
}  // namespace view
