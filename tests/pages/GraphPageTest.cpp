// The Graph page's axes and what it draws, read from a recording canvas.
#include <gtest/gtest.h>

#include <cmath>

#include "pages/GraphPage.h"
#include "pages/Smoothing.h"
#include "view/RecordingCanvas.h"

namespace pages {
namespace {

using view::CallKind;
using view::Point;

struct Fix {
  double time, course, speed;
};

constexpr int kMapWidth = 1000;
constexpr int kClientHeight = 766;  // plot height 700

race::RaceStore EmptyRace() {
  race::RaceStore store;
  store.timelineStart = -190;
  store.timelineEnd = 1770;  // span 1960
  store.windDirection = 340;
  store.magneticVariation = 7;
  store.maxBoatSpeed = 6.3;
  store.trackTime.resize(race::kMaxBoats + 2);
  store.trackCourse.resize(race::kMaxBoats + 2);
  store.trackSpeed.resize(race::kMaxBoats + 2);
  store.windTime.push_back(0);
  store.windDir.push_back(0);
  return store;
}

int AddBoat(race::RaceStore& store, view::Colour colour, bool shown, const std::vector<Fix>& fixes) {
  const int b = ++store.boatCount;
  store.boatColour[b] = colour;
  store.boatShown[b] = shown ? 1 : 0;
  store.fixCount[b] = static_cast<int>(fixes.size());
  store.trackTime[b] = {0};
  store.trackCourse[b] = {0};
  store.trackSpeed[b] = {0};
  for (const Fix& fix : fixes) {
    store.trackTime[b].push_back(fix.time);
    store.trackCourse[b].push_back(fix.course);
    store.trackSpeed[b].push_back(fix.speed);
  }
  return b;
}

void AddWind(race::RaceStore& store, double time, int direction) {
  ++store.windCount;
  store.windTime.push_back(time);
  store.windDir.push_back(direction);
}

TEST(GraphPage, AxesPutTheWindAQuarterAcrossAndScaleSpeedToTheNextWholeKnot) {
  race::RaceStore store = EmptyRace();
  const GraphAxes a = MakeGraphAxes(store, kMapWidth, kClientHeight);
  EXPECT_EQ(a.h, 700);
  EXPECT_EQ(a.w1, 455);
  EXPECT_EQ(a.x1, 510);
  EXPECT_EQ(a.w2, 480);
  EXPECT_EQ(a.CourseX(340), 154);  // 40 + 455 / 4
  EXPECT_EQ(a.CourseX(160), 381);  // 40 + 455 * 3 / 4
  EXPECT_EQ(a.CourseX(250), 40);   // r = 0 at the left edge
  EXPECT_EQ(a.CourseX(-20), 154);  // -20 is 340: negative magnetic courses come round
  EXPECT_EQ(a.fullScale, 7);
  EXPECT_EQ(a.SpeedX(7), 990);  // x1 + w2
  EXPECT_GT(a.SpeedX(8), a.x1 + a.w2);
  EXPECT_EQ(a.TimeY(-190), 29 + 700);
  EXPECT_EQ(a.TimeY(1770), 29);
  EXPECT_EQ(a.TimeY(0), 661);  // 729 - 190 * 700 / 1960 = 661.14

  store.windDirection = 45;
  EXPECT_EQ(MakeGraphAxes(store, kMapWidth, kClientHeight).CourseX(315),
            40 + 455);  // r = 360 does not wrap to 0

  store.maxBoatSpeed = 0;
  store.timelineEnd = store.timelineStart;
  const GraphAxes still = MakeGraphAxes(store, kMapWidth, kClientHeight);
  EXPECT_EQ(still.fullScale, 1);
  EXPECT_EQ(still.timelineSpan, 1);  // a time line without length divides by one, not zero
}

TEST(GraphPage, DrawsFramesGridTitlesAndLabels) {
  race::RaceStore store = EmptyRace();
  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, store, kMapWidth, kClientHeight, view::Rgb(10, 20, 30));

  const auto rectangles = canvas.CallsOf(CallKind::Rectangle);
  ASSERT_EQ(rectangles.size(), 3u);
  EXPECT_EQ(rectangles[0].brush.colour, view::Rgb(10, 20, 30));
  EXPECT_EQ(rectangles[1].points, (std::vector<Point>{{39, 28}, {496, 731}}));
  EXPECT_EQ(rectangles[1].brush.colour, kPlotBackground);
  EXPECT_EQ(rectangles[2].points, (std::vector<Point>{{509, 28}, {991, 731}}));

  // Minute lines 0..29 (Round(1770 / 60) = 30), the gun line red, every fifth labelled.
  const auto lines = canvas.CallsOf(CallKind::Line);
  ASSERT_GE(lines.size(), 60u);
  EXPECT_EQ(lines[0].points, (std::vector<Point>{{40, 661}, {495, 661}}));
  EXPECT_EQ(lines[0].pen.colour, view::Rgb(255, 0, 0));
  EXPECT_EQ(lines[1].points, (std::vector<Point>{{510, 661}, {990, 661}}));
  EXPECT_EQ(lines[2].pen.colour, kMinorGrid);
  EXPECT_EQ(lines[10].pen.colour, kMajorGrid);
  EXPECT_EQ(lines[58].points[0].y, 40);  // minute 29: 729 - 1930 * 700 / 1960 = 39.7
  ASSERT_NE(canvas.FindText("25"), nullptr);
  EXPECT_EQ(canvas.FindText("25")->points[0], (Point{10, 125 - 4}));
  EXPECT_EQ(canvas.FindText("Boat course and Wind Direction (Deg in Mag)")->points[0], (Point{60, 10}));
  EXPECT_EQ(canvas.FindText("Boat Speed (KTS)")->points[0], (Point{570, 10}));
  EXPECT_EQ(canvas.FindText("Boat Speed (KTS)")->font.colour, view::Rgb(255, 255, 255));

  // Direction labels every 30 degrees, centred under their line; the speed labels 1..10.
  const auto zeros = canvas.TextsEqual("0");  // minute 0, then north
  ASSERT_EQ(zeros.size(), 2u);
  EXPECT_EQ(zeros[1].points[0], (Point{179 - 3, 734}));
  EXPECT_EQ(canvas.FindText("330")->points[0], (Point{141 - 9, 734}));
  EXPECT_EQ(canvas.TextsEqual("10").size(), 2u);  // minute 10 and 10 knots
}

TEST(GraphPage, LongRacesGetHourOrDayLinesNotOneAMinute) {
  EXPECT_EQ(GridStepMinutes(30), 1);
  EXPECT_EQ(GridStepMinutes(24 * 60), 1);
  EXPECT_EQ(GridStepMinutes(7 * 24 * 60), 60);
  EXPECT_EQ(GridStepMinutes(10 * 365 * 24 * 60), 1440 * 3);
  race::RaceStore store = EmptyRace();
  store.timelineEnd = 7 * 86400.0 + 30;  // a week: 168 hour lines, every fifth labelled in minutes
  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, store, kMapWidth, kClientHeight, view::Rgb(10, 20, 30));
  const auto lines = canvas.CallsOf(CallKind::Line);
  EXPECT_LT(lines.size(), 2u * 168 + 100);
  EXPECT_NE(canvas.FindText("300"), nullptr);
  EXPECT_EQ(canvas.FindText("65"), nullptr);
}

TEST(GraphPage, TimeLabelsThinOutOnRoundMinutesWhereEveryFifthLineWouldCrowd) {
  EXPECT_EQ(TimeLabelEvery(1, 700.0 / 30), 5);  // today's half-hour race: every fifth minute
  EXPECT_EQ(TimeLabelEvery(1, 934.0 / 480), 10);
  EXPECT_EQ(TimeLabelEvery(1, 334.0 / 480), 30);
  EXPECT_EQ(TimeLabelEvery(1, 934.0 / 1440), 30);
  EXPECT_EQ(TimeLabelEvery(60, 934.0 / 30 / 1440), 15);  // a month of hour lines
  EXPECT_EQ(TimeLabelEvery(1, 1e-9), 60 << 19);          // the doubling has a bound
  EXPECT_EQ(TimeLabelEvery(1, -1), 60 << 19);            // a window too low for a plot

  race::RaceStore store = EmptyRace();
  store.timelineEnd = 8 * 3600;  // 1.45 pixels a minute on the 700-pixel plot: a label each quarter hour
  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, store, kMapWidth, kClientHeight, view::Rgb(10, 20, 30));
  EXPECT_NE(canvas.FindText("465"), nullptr);
  EXPECT_NE(canvas.FindText("30"), nullptr);
  EXPECT_EQ(canvas.FindText("35"), nullptr);
  EXPECT_EQ(canvas.FindText("40"), nullptr);
}

TEST(GraphPage, TracesFollowBoatsDownwardsAndTheWindEndsInBoatOnesColour) {
  race::RaceStore store = EmptyRace();
  const view::Colour red = view::Rgb(255, 0, 0), green = view::Rgb(0, 255, 0), blue = view::Rgb(0, 0, 255);
  AddBoat(store, red, true, {{-500, 0, 1}, {0, 347, 5}, {600, 167, 6.3}});
  AddBoat(store, green, false, {{0, 100, 3}});
  AddBoat(store, blue, true, {{100, 7, 2}, {2000, 7, 2}, {200, 7, 4}});
  AddWind(store, 0, 340);
  AddWind(store, 900, 160);
  AddWind(store, 5000, 0);

  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, store, kMapWidth, kClientHeight, view::Rgb(10, 20, 30));
  const auto traces = canvas.CallsOf(CallKind::Polyline);
  const GraphAxes a = MakeGraphAxes(store, kMapWidth, kClientHeight);
  const std::vector<Point> wind = {{154, a.TimeY(0)}, {381, a.TimeY(900)}};

  ASSERT_EQ(traces.size(), 7u);
  // Boat 3: course, then the wind in its colour; the fix beyond the time line is skipped, not a break.
  EXPECT_EQ(traces[0].pen.colour, blue);
  EXPECT_EQ(traces[0].points,
            (std::vector<Point>{{a.CourseX(0), a.TimeY(100)}, {a.CourseX(0), a.TimeY(200)}}));
  EXPECT_EQ(traces[1].points, wind);
  EXPECT_EQ(traces[1].pen.colour, blue);
  // Boat 2 is hidden: only the wind, in its colour.
  EXPECT_EQ(traces[2].points, wind);
  EXPECT_EQ(traces[2].pen.colour, green);
  // Boat 1: true course 347 is magnetic 340, on the wind; 167 true is 160, opposite.
  EXPECT_EQ(traces[3].points, (std::vector<Point>{{154, a.TimeY(0)}, {381, a.TimeY(600)}}));
  EXPECT_EQ(traces[4].pen.colour, red);
  EXPECT_EQ(traces[4].points, wind);
  // Speeds of the shown boats, boat 3 first.
  EXPECT_EQ(traces[5].pen.colour, blue);
  EXPECT_EQ(traces[5].points[1], (Point{a.SpeedX(4), a.TimeY(200)}));
  EXPECT_EQ(traces[6].points,
            (std::vector<Point>{{a.SpeedX(5), a.TimeY(0)}, {942, a.TimeY(600)}}));  // 6.3 of 7 knots
}

// Magnetic 250 is the wrap point when the wind is 340: a course swinging across it is drawn in two pieces
// rather than as a streak across the plot.
TEST(GraphPage, CourseTraceBreaksWhereItComesRoundThePlotEdge) {
  race::RaceStore store = EmptyRace();
  AddBoat(store, 0xFF, true, {{0, 257, 5}, {30, 258, 5}, {60, 255, 5}, {90, 254, 5}});
  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, store, kMapWidth, kClientHeight, 0);
  const GraphAxes a = MakeGraphAxes(store, kMapWidth, kClientHeight);
  const auto traces = canvas.CallsOf(CallKind::Polyline);
  ASSERT_EQ(traces.size(), 3u);  // two course pieces, one speed trace
  EXPECT_EQ(traces[0].points, (std::vector<Point>{{40, a.TimeY(0)}, {41, a.TimeY(30)}}));
  EXPECT_EQ(traces[1].points,
            (std::vector<Point>{{a.CourseX(248), a.TimeY(60)}, {a.CourseX(247), a.TimeY(90)}}));
  EXPECT_EQ(traces[1].points[0].x, 492);
  EXPECT_EQ(traces[2].points.size(), 4u);
}

TEST(GraphPage, SpeedTraceStaysInsideItsPlot) {
  race::RaceStore store = EmptyRace();  // a 7-knot scale
  AddBoat(store, 0xFF, true, {{0, 90, 5}, {30, 90, 25}, {60, 90, -1}});
  const GraphAxes a = MakeGraphAxes(store, kMapWidth, kClientHeight);
  const auto trace = SpeedTrace(store, a, 1);
  ASSERT_EQ(trace.size(), 3u);
  EXPECT_EQ(trace[0].x, a.SpeedX(5));
  EXPECT_EQ(trace[1].x, a.x1 + a.w2);
  EXPECT_EQ(trace[2].x, a.x1);
}

// Many fixes a pixel row: only the first, leftmost, rightmost and last of each row are drawn, in their order,
// so the line still reaches every pixel it did and enters and leaves each row where it did.
TEST(GraphPage, DenseTracesKeepTheEndsAndExtremesOfEachPixelRow) {
  EXPECT_EQ(ThinToPixelRows({{5, 9}, {8, 9}, {2, 9}, {6, 9}, {4, 9}, {7, 8}, {7, 8}, {1, 7}}),
            (std::vector<Point>{{5, 9}, {8, 9}, {2, 9}, {4, 9}, {7, 8}, {1, 7}}));
  EXPECT_EQ(ThinToPixelRows({{3, 5}, {1, 5}, {3, 5}, {9, 5}, {9, 5}}),
            (std::vector<Point>{{3, 5}, {1, 5}, {9, 5}}));
  EXPECT_EQ(ThinToPixelRows({{3, 5}, {4, 6}, {3, 5}}), (std::vector<Point>{{3, 5}, {4, 6}, {3, 5}}));
  EXPECT_TRUE(ThinToPixelRows({}).empty());

  race::RaceStore store = EmptyRace();
  std::vector<Fix> fixes;
  for (int t = 0; t < 1000; ++t) fixes.push_back({t * 0.1, 100.0 + t % 7, 3.0 + (t % 5) * 0.2});
  AddBoat(store, 0xFF, true, fixes);
  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, store, kMapWidth, kClientHeight, 0);
  const auto traces = canvas.CallsOf(CallKind::Polyline);
  ASSERT_EQ(traces.size(), 2u);
  const GraphAxes a = MakeGraphAxes(store, kMapWidth, kClientHeight);
  EXPECT_EQ(traces[0].points, ThinToPixelRows(CourseTrace(store, a, 1)));
  EXPECT_LT(traces[0].points.size(), 4 * 40u);  // 100 s is about 36 rows
  EXPECT_EQ(traces[1].points.back(), SpeedTrace(store, a, 1).back());
}

TEST(GraphPage, RaceWithoutWindOrBoatsDrawsNoTraces) {
  race::RaceStore store = EmptyRace();
  view::RecordingCanvas empty(kMapWidth, kClientHeight);
  AddWind(store, 0, 340);
  DrawGraphPage(empty, store, kMapWidth, kClientHeight, 0);
  EXPECT_TRUE(empty.CallsOf(CallKind::Polyline).empty());  // wind is drawn once per boat: no boats, no wind

  race::RaceStore calm = EmptyRace();
  AddBoat(calm, 0xFF, false, {{0, 10, 1}});
  view::RecordingCanvas canvas(kMapWidth, kClientHeight);
  DrawGraphPage(canvas, calm, kMapWidth, kClientHeight, 0);
  EXPECT_TRUE(canvas.CallsOf(CallKind::Polyline).empty());
}

TEST(GraphSmoothing, AveragesWithinTheWindowAndDirectionsAcrossNorth) {
  const std::vector<double> times = {0, 0, 1, 2, 3, 10};
  const std::vector<double> speeds = {99, 4, 6, 8, 10, 20};
  // Off: the values as recorded.
  EXPECT_EQ(MovingAverage(times, speeds, 5, 0, false), speeds);
  // Two seconds: each fix with its neighbours one second either side; the lone last fix stays.
  const std::vector<double> smooth = MovingAverage(times, speeds, 5, 2, false);
  EXPECT_DOUBLE_EQ(smooth[0], 99);
  EXPECT_DOUBLE_EQ(smooth[1], 5);
  EXPECT_DOUBLE_EQ(smooth[2], 6);
  EXPECT_DOUBLE_EQ(smooth[4], 9);
  EXPECT_DOUBLE_EQ(smooth[5], 20);
  // Courses either side of north average to north, not to south.
  const std::vector<double> courses = {0, 350, 10, 350, 10, 180};
  const std::vector<double> course = MovingAverage(times, courses, 4, 2, true);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(std::fmod(course[i] + 180, 360) - 180, 0, 4) << i;
  // A count beyond the arrays is cut to them.
  EXPECT_EQ(MovingAverage(times, speeds, 50, 2, false).size(), speeds.size());
}

}  // namespace
}  // namespace pages
