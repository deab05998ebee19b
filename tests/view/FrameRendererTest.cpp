// What a user sees in a frame: the countdown, marks where they belong, wakes coloured by speed, the
// grid's scale, and the wind and headings the boat list reads.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include "view/DrawStyle.h"
#include "view/FrameRenderer.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"
#include "view/Wakes.h"

namespace view {
namespace {

constexpr Colour kBoatA = Rgb(200, 0, 0);
constexpr Colour kBoatB = Rgb(0, 0, 200);

struct FrameFixture : ::testing::Test {
  race::RaceStore store = viewtest::EmptyRace();
  analysis::ChartFit fit;
  Sea sea;
  ViewOptions options;
  Pointer pointer;
  Playback playback;
  FrameState state;
  RecordingCanvas frame{1000, 800};

  void SetUp() override {
    options.northUp = true;
    // Two boats beating north side by side, a fix every 10 s.
    std::vector<viewtest::Fix> a, b;
    for (int t = -300; t <= 600; t += 10) {
      a.push_back({double(t), 2000 + (t + 300) / 600.0, 8000.00, 10, 6});
      b.push_back({double(t), 2000 + (t + 300) / 600.0, 8000.05, 10, 4});
    }
    viewtest::AddBoat(store, "Alpha", kBoatA, a, 10);
    viewtest::AddBoat(store, "Bravo", kBoatB, b, 10);
    store.markCount = 1;
    store.markLat[1] = 2001.5;
    store.markLon[1] = 8000.02;
    fit = viewtest::Fit(store);
    ResetFrameState(state, store.boatCount);
  }

  void Draw(double t, const std::vector<std::vector<analysis::Manoeuvre>>* manoeuvres = nullptr) {
    playback.raceTime = t;
    frame.Clear();
    Scene scene{store, fit, sea, options, pointer};
    scene.manoeuvres = manoeuvres;
    DrawFrame(frame, t, scene, playback, state);
  }

  analysis::ChartView View() const {
    return FrameView(state, 1000, 800, options.northUp, store.windDirection);
  }
};

TEST_F(FrameFixture, CountdownLargeOnRedAtTheTopThenSmallOnBlue) {
  Draw(-25);
  const DrawCall* text = frame.FindText("25");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->points[0], (Point{455, 15}));
  EXPECT_EQ(text->font.pixelSize, FontPixels(50));
  EXPECT_EQ(text->font.colour, Rgb(255, 255, 255));
  EXPECT_TRUE(text->font.opaqueBackground);
  EXPECT_EQ(text->brush.colour, Rgb(255, 0, 0));

  Draw(21);
  text = frame.FindText("21");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->points[0], (Point{1000 - 18 - 20 + 5, 800 - 25}));
  EXPECT_EQ(text->font.pixelSize, FontPixels(15));
  EXPECT_EQ(text->brush.colour, Rgb(0, 0, 255));

  Draw(-90);
  text = frame.FindText("01:30");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->brush.colour, Rgb(255, 0, 0));
  EXPECT_EQ(text->font.pixelSize, FontPixels(15));
}

TEST(RaceClockText, MinutesThenHoursFrom3000Seconds) {
  EXPECT_EQ(RaceClockText(7), "7");
  EXPECT_EQ(RaceClockText(-59), "59");
  EXPECT_EQ(RaceClockText(3000), "50:00");
  EXPECT_EQ(RaceClockText(3001), "0:50:01");
  EXPECT_EQ(RaceClockText(3600), "1:00:00");
  EXPECT_EQ(RaceClockText(-0.4), "0");
}

TEST_F(FrameFixture, MarksAtTheirProjectedPlacesWithRedLabels) {
  Draw(100);
  const analysis::ChartPoint p = analysis::ProjectToChart(store.markLat[1], store.markLon[1], View());
  const DrawCall* label = frame.FindText("MK1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->points[0], (Point{p.x + 8, p.y - 6}));
  EXPECT_EQ(label->font.colour, Rgb(255, 0, 0));
  EXPECT_EQ(label->brush.colour, sea.seaColour);
  bool dot = false;
  for (const DrawCall& e : frame.CallsOf(CallKind::Ellipse)) {
    if (e.points[0] == Point{p.x - 4, p.y - 4} && e.brush.colour == Rgb(255, 255, 0)) dot = true;
  }
  EXPECT_TRUE(dot);
  // With the lay lines on, six dotted lines leave the mark.
  options.layLines = true;
  Draw(100);
  int fromMark = 0;
  for (const DrawCall& line : frame.CallsOf(CallKind::Line)) {
    if (line.points[0] == Point{p.x, p.y} && line.pen.style == PenStyle::Dot) ++fromMark;
  }
  EXPECT_EQ(fromMark, 6);
}

TEST_F(FrameFixture, AGateGivenAsMarksAndLineKeepsBothLabelsReadable) {
  store.lineCount = 1;
  store.lineLat1[1] = store.markLat[1];  // end 1 on the mark, end 2 in open water
  store.lineLon1[1] = store.markLon[1];
  store.lineLat2[1] = 2001.5;
  store.lineLon2[1] = 8000.04;
  Draw(100);
  const analysis::ChartPoint mark = analysis::ProjectToChart(store.markLat[1], store.markLon[1], View());
  const analysis::ChartPoint open = analysis::ProjectToChart(store.lineLat2[1], store.lineLon2[1], View());
  std::vector<Point> lineLabels;
  for (const DrawCall& text : frame.CallsOf(CallKind::Text)) {
    if (text.text == "L1") lineLabels.push_back(text.points[0]);
  }
  EXPECT_EQ(lineLabels, (std::vector<Point>{{mark.x + 8, mark.y + 6}, {open.x + 8, open.y - 6}}));
  EXPECT_EQ(frame.FindText("MK1")->points[0], (Point{mark.x + 8, mark.y - 6}));
}

TEST_F(FrameFixture, BoatsAreDrawnAtTheirInterpolatedPlacesBoatOneOnTop) {
  Draw(105);
  EXPECT_DOUBLE_EQ(state.curLat[1], 2000 + 405 / 600.0);
  std::vector<DrawCall> hulls;
  for (const DrawCall& call : frame.CallsOf(CallKind::Polygon)) {
    if (call.brush.colour == kBoatA || call.brush.colour == kBoatB) hulls.push_back(call);
  }
  ASSERT_EQ(hulls.size(), 2u);
  EXPECT_EQ(hulls[1].brush.colour, kBoatA);
  const analysis::ChartPoint a = analysis::ProjectToChart(state.curLat[1], state.curLon[1], View());
  // The bow is half a boat length ahead of the boat's place, on its course of 10 degrees.
  const double half = state.boatLenPx / 2;
  EXPECT_NEAR(hulls[1].points[0].x, a.x + half * std::sin(10 * std::numbers::pi / 180), 1);
  EXPECT_NEAR(hulls[1].points[0].y, a.y - half * std::cos(10 * std::numbers::pi / 180), 1);
  // The auto-trace view keeps the fleet in the middle of the chart.
  EXPECT_NEAR((a.x + analysis::ProjectToChart(state.curLat[2], state.curLon[2], View()).x) / 2.0, 500, 1);
}

TEST_F(FrameFixture, RedWakesAndLabelsForBoatsFasterThanTheMean) {
  pointer.redWakes = 1;
  pointer.nameMode = 2;
  playback.upwindMeanSpeed = 5;
  Draw(100);
  const std::vector<DrawCall> wakes = frame.CallsOf(CallKind::Polyline);
  const DrawCall* alpha = frame.FindText("Alpha  6Kts");
  const DrawCall* bravo = frame.FindText("Bravo  4Kts");
  ASSERT_NE(alpha, nullptr);
  ASSERT_NE(bravo, nullptr);
  EXPECT_EQ(alpha->font.colour, Rgb(255, 0, 0));
  EXPECT_EQ(bravo->font.colour, Rgb(255, 255, 255));
  // Five-point wakes: boat 2 first, then boat 1.
  ASSERT_GE(wakes.size(), 2u);
  EXPECT_EQ(wakes[0].points.size(), 5u);
  EXPECT_EQ(wakes[0].pen.colour, Rgb(255, 255, 255));
  EXPECT_EQ(wakes[1].pen.colour, Rgb(255, 0, 0));

  pointer.redWakes = 0;
  Draw(100);
  EXPECT_EQ(frame.FindText("Alpha  6Kts")->font.colour, Rgb(255, 255, 255));
}

TEST_F(FrameFixture, ATenHertzWakeSpansTheSameTimeAsAOneHertzWake) {
  // Both loggers get a whole-second fix interval of 1 from the loader; a mile apart, so the view is wide
  // enough for a wake step of many seconds.
  store = viewtest::EmptyRace();
  std::vector<viewtest::Fix> slow, fast;
  for (int t = -300; t <= 600; ++t) slow.push_back({double(t), 2000 + (t + 300) / 600.0, 8000, 10, 6});
  for (int k = -3000; k <= 6000; ++k)
    fast.push_back({k / 10.0, 2000 + (k / 10.0 + 300) / 600.0, 8001, 10, 6});
  viewtest::AddBoat(store, "Alpha", kBoatA, slow, 1);
  viewtest::AddBoat(store, "Bravo", kBoatB, fast, 1);
  fit = viewtest::Fit(store);
  ResetFrameState(state, store.boatCount);
  Draw(100);
  const std::vector<DrawCall> wakes = frame.CallsOf(CallKind::Polyline);
  ASSERT_GE(wakes.size(), 2u);
  const Point bravoTail = wakes[0].points.back(), alphaTail = wakes[1].points.back();
  EXPECT_GT(alphaTail.y - wakes[1].points.front().y, 10);  // behind a boat sailing north: further down
  EXPECT_NEAR(bravoTail.y, alphaTail.y, 2);
}

TEST_F(FrameFixture, HeadingTurnsDuringTheFirstSecondAfterAFix) {
  // Course 10 until 100 s, 350 from then on.
  for (std::size_t j = 1; j < store.trackCourse[1].size(); ++j) {
    if (store.trackTime[1][j] >= 100) store.trackCourse[1][j] = 350;
  }
  Draw(100.5);
  EXPECT_DOUBLE_EQ(state.curCourse[1], 0);  // Round(10 + 0.5 * -20)
  Draw(101.5);
  EXPECT_DOUBLE_EQ(state.curCourse[1], 350);
  // Just after the first fix there is no previous course: the heading is fix 1's own, not a turn from north.
  store.trackCourse[1][1] = 120;
  Draw(-299.5);
  EXPECT_DOUBLE_EQ(state.curCourse[1], 120);
}

TEST_F(FrameFixture, WindInterpolatesAcrossNorth) {
  store.magneticVariation = -7.4;
  viewtest::AddWind(store, 0, 350);
  viewtest::AddWind(store, 100, 10);
  Draw(50);
  EXPECT_EQ(state.windFileDirNow, 360);
  EXPECT_EQ(state.windTrueDirNow, 353);
  EXPECT_EQ(state.compassWindText, "360");
  EXPECT_EQ(state.compassWindSpeedText, "10kn");
  EXPECT_EQ(state.windBarTop, 95 - static_cast<int>(90 * 240 / 3820.0 + 0.5));
}

TEST_F(FrameFixture, WindShiftingWestAcrossNorthStaysTheMeasuredWind) {
  store.windDirection = 180;  // the race's fixed wind, far from the measured one
  viewtest::AddWind(store, 0, 5);
  viewtest::AddWind(store, 100, 355);
  Draw(60);
  EXPECT_EQ(state.windFileDirNow, 359);  // 5 + 0.6 * -10 = -1, a turn later
  Draw(-200);
  EXPECT_EQ(state.windFileDirNow, 5);  // before the first sample
  Draw(500);
  EXPECT_EQ(state.windFileDirNow, 355);
  EXPECT_DOUBLE_EQ(state.windSpeedNow, 10);
}

TEST_F(FrameFixture, NoWindFileMeansTheRaceWindAtFiveKnots) {
  store.windDirection = 225;
  Draw(10);
  EXPECT_EQ(state.windFileDirNow, 225);
  EXPECT_DOUBLE_EQ(state.windSpeedNow, 5.0);
  EXPECT_EQ(state.compassWindSpeedText, "");  // the five knots are no measurement
  EXPECT_DOUBLE_EQ(state.curTwa[1], -145);    // heading 10 with the wind from 225
}

TEST(FrameView, SmallBoatsEnlargedOnlyWhenAsked) {
  race::RaceStore store = viewtest::EmptyRace();
  analysis::ChartFit fit;
  fit.cosMidLatitude = 1;
  FrameState state;
  ViewOptions options;
  auto compute = [&] {
    state.fleetMaxLat = 2001, state.fleetMinLat = 2000;
    state.fleetMaxLon = 8000.5, state.fleetMinLon = 8000;
    ComputeFrameView(state, store, fit, options, 1.0, 1000);
  };
  store.boatLength = 3.2 * 1852 / 600;  // 3.2 pixels at 600 pixels per minute
  options.bigBoat = true;
  compute();
  EXPECT_DOUBLE_EQ(state.framePxPerMinuteLat, 600);
  EXPECT_DOUBLE_EQ(state.boatLenPx, 14);
  EXPECT_EQ(state.boatSizeText, "Size Enlarged");
  options.bigBoat = false;
  compute();
  EXPECT_DOUBLE_EQ(state.boatLenPx, 6);
  EXPECT_EQ(state.boatSizeText, "Real Size");
  EXPECT_DOUBLE_EQ(state.frameCentreLat, 2000.5);
}

TEST(FrameGrid, StepsAndScaleLabels) {
  EXPECT_DOUBLE_EQ(GridStepFor(0.0), 0.05);
  EXPECT_DOUBLE_EQ(GridStepFor(0.3), 0.3);
  EXPECT_DOUBLE_EQ(GridStepFor(0.7), 0.5);
  EXPECT_DOUBLE_EQ(GridStepFor(3), 2);
  EXPECT_DOUBLE_EQ(GridStepFor(37.4), 30);
  // A quarter of a 1000-pixel window at 100 pixels per km is 2.5 km: a 2 km grid.
  EXPECT_DOUBLE_EQ(GridStep(1000, 100), 2);

  FrameState state;
  state.framePxPerKm = 100;
  const struct {
    double step;
    const char* label;
  } cases[] = {{0.05, "50M"}, {0.5, "500M"}, {30, "30Km"}};
  for (const auto& c : cases) {
    RecordingCanvas frame(1000, 800);
    state.gridStep = c.step;
    DrawScaleBar(frame, state, Rgb(1, 2, 3));
    const DrawCall* label = frame.FindText(c.label);
    ASSERT_NE(label, nullptr) << c.label;
    EXPECT_EQ(label->points[0], (Point{50, 775}));
    // The bar is one grid step long.
    EXPECT_EQ(frame.CallsOf(CallKind::Line).back().points[1].x, static_cast<int>(c.step * 100 + 20.5));
  }
}

TEST(FrameGrid, LinesEveryStepAcrossTheWholeChart) {
  FrameState state;
  state.gridStep = 1;
  state.framePxPerKm = 100;
  state.frameCentreLat = 2000.2;
  state.frameCentreLon = 8000.2;
  state.framePxPerMinuteLat = state.framePxPerMinuteLon = 185.2;
  RecordingCanvas frame(1000, 800);
  DrawGrid(frame, state, FrameView(state, 1000, 800, true, 0), Rgb(9, 9, 9));
  int across = 0, down = 0;
  for (const DrawCall& line : frame.CallsOf(CallKind::Line)) {
    EXPECT_EQ(line.pen.colour, Rgb(9, 9, 9));
    if (line.points[0].y == line.points[1].y) ++across;
    if (line.points[0].x == line.points[1].x) ++down;
  }
  EXPECT_EQ(across, 8);
  EXPECT_EQ(down, 10);
}

TEST_F(FrameFixture, WakeOptionsLengthenAndColourTheWakesAndMarkTheTurnsOnThem) {
  store.maxBoatSpeed = 6;
  Draw(500);
  const size_t plainPoints = frame.CallsOf(CallKind::Polyline)[0].points.size();
  EXPECT_EQ(frame.FindText("0 - 6Kts"), nullptr);

  options.longTails = true;
  Draw(500);
  EXPECT_GT(frame.CallsOf(CallKind::Polyline)[0].points.size(), plainPoints);

  // Speed colours: Alpha (6 kn, the fastest) red, Bravo (4 kn) between, and the key with the top speed.
  options.speedTails = true;
  Draw(500);
  std::set<Colour> wakeColours;
  for (const DrawCall& line : frame.CallsOf(CallKind::Line))
    if (line.pen.width == 2) wakeColours.insert(line.pen.colour);
  EXPECT_TRUE(wakeColours.contains(SpeedColour(6, 6)));
  EXPECT_TRUE(wakeColours.contains(SpeedColour(4, 6)));
  EXPECT_EQ(SpeedColour(6, 6), Rgb(255, 0, 0));
  EXPECT_EQ(SpeedColour(0, 6), SpeedColour(std::nan(""), 6));
  EXPECT_NE(frame.FindText("0 - 6Kts"), nullptr);

  // Only the turns on the wake's stretch are marked: a tack as a square, a gybe as a circle.
  std::vector<std::vector<analysis::Manoeuvre>> turns(3);
  turns[1] = {{analysis::ManoeuvreKind::Tack, -250},
              {analysis::ManoeuvreKind::Tack, 475},
              {analysis::ManoeuvreKind::Gybe, 495}};
  const auto marks = [&](CallKind kind, Colour brush) {
    int n = 0;
    for (const DrawCall& call : frame.CallsOf(kind)) n += call.brush.colour == brush ? 1 : 0;
    return n;
  };
  options.longTails = false;
  Draw(500, &turns);
  EXPECT_EQ(marks(CallKind::Rectangle, kYellow), 0);  // the option is off
  options.manoeuvreMarks = true;
  Draw(500, &turns);
  EXPECT_EQ(marks(CallKind::Rectangle, kYellow), 1);
  EXPECT_EQ(marks(CallKind::Ellipse, Rgb(255, 128, 255)), 1);
}

}  // namespace
}  // namespace view
