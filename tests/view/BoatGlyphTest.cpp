// Boat glyphs and lay lines as a user sees them: bows pointing the right way, sails on the leeward side,
// lay lines opening from the mark the right way.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "view/BoatGlyph.h"
#include "view/LayLines.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"

namespace view {
namespace {

constexpr Colour kBoat = Rgb(200, 30, 40);

struct GlyphFixture : ::testing::Test {
  race::RaceStore store = viewtest::EmptyRace();
  RecordingCanvas canvas;
  void SetUp() override { viewtest::AddBoat(store, "A", kBoat, {{0, 0, 0, 0, 0}}); }
  std::vector<DrawCall> Draw(double course, double speed, double twa, GlyphStyle style) {
    canvas.Clear();
    DrawBoatGlyph(canvas, store, 1, {500, 300}, course, speed, twa, style);
    return canvas.Calls();
  }
};

TEST_F(GlyphFixture, BowPointsAlongTheCourseNorthUpAndTheWindAxisWindUp) {
  GlyphStyle style;
  style.lengthPx = 20;
  // North-up, course 90: the bow point (0, -50 %) lands half a length east of the centre.
  std::vector<DrawCall> calls = Draw(90, 5, 45, style);
  ASSERT_EQ(calls[0].kind, CallKind::Polygon);
  EXPECT_EQ(calls[0].points[0], (Point{510, 300}));
  EXPECT_EQ(calls[0].points.size(), 8u);
  // Stern corners lie west of the centre.
  EXPECT_LT(calls[0].points[3].x, 500);
  EXPECT_LT(calls[0].points[4].x, 500);

  // Wind-up with the wind from 200 and the boat heading 200: the bow points to the top of the screen.
  style.northUp = false;
  style.windDirection = 200;
  calls = Draw(200, 5, 0, style);
  EXPECT_EQ(calls[0].points[0], (Point{500, 290}));
}

TEST_F(GlyphFixture, FlatBowOutlineForSmallBoats) {
  store.boatLength = 2.5;
  SelectHullOutline(store);
  GlyphStyle style;
  style.lengthPx = 20;
  const std::vector<DrawCall> calls = Draw(0, 5, 45, style);
  // Both bow corners stand level at the front.
  EXPECT_EQ(calls[0].points[0].y, 290);
  EXPECT_EQ(calls[0].points[1], (Point{502, 290}));
}

TEST_F(GlyphFixture, SailOnlyOnBoatsLongerThanEightPixels) {
  GlyphStyle style;
  style.lengthPx = 8;
  EXPECT_EQ(Draw(0, 5, 45, style).size(), 1u);  // the hull alone
  style.lengthPx = 9;
  const std::vector<DrawCall> calls = Draw(0, 5, 45, style);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].kind, CallKind::Polygon);
  EXPECT_EQ(calls[1].brush.colour, Rgb(255, 255, 255));
}

TEST_F(GlyphFixture, SailTrailsAftToLeeward) {
  GlyphStyle style;
  style.lengthPx = 40;
  // Heading north with the wind on the left (TWA -90) at 6 knots: the boom goes aft to the right.
  std::vector<DrawCall> calls = Draw(0, 6, -90, style);
  const std::vector<Point>& sail = calls[1].points;
  const Point mast = sail[0];
  EXPECT_EQ(mast, (Point{500, 294}));  // 15 % of the length ahead of the centre
  // s = 150.48 degrees: the clew 20 px out at that angle.
  const double b = 150.48 * std::numbers::pi / 180;
  EXPECT_NEAR(sail[3].x, mast.x + 20 * std::sin(b), 1.0);
  EXPECT_NEAR(sail[3].y, mast.y - 20 * std::cos(b), 1.0);
  EXPECT_GT(sail[3].x, mast.x);

  // Head to wind and stopped: the sail lies along the centre line towards the stern.
  calls = Draw(0, 0, 0, style);
  EXPECT_EQ(calls[1].points[3], (Point{500, 314}));
}

TEST_F(GlyphFixture, RimSilverOnDarkerSeas) {
  GlyphStyle style;
  style.seaBrightness = 75;
  EXPECT_EQ(Draw(0, 5, 45, style)[0].pen.colour, Rgb(192, 192, 192));
  style.seaBrightness = 76;
  EXPECT_EQ(Draw(0, 5, 45, style)[0].pen.colour, kBoat);
  EXPECT_EQ(Draw(0, 5, 45, style)[0].brush.colour, kBoat);
}

TEST_F(GlyphFixture, WindPointerStandsOnTheWindwardSide) {
  GlyphStyle style;
  style.lengthPx = 10;
  const WindPointer pointer = WindPointerOffsets(90, 10, true, 0);  // wind from the east
  style.pointer = &pointer;
  const std::vector<DrawCall> calls = Draw(0, 5, 90, style);
  ASSERT_EQ(calls[1].kind, CallKind::Polyline);
  EXPECT_EQ(calls[1].pen.colour, Rgb(255, 255, 0));
  EXPECT_EQ(calls[1].points.front(), (Point{510, 300}));
  EXPECT_EQ(calls[1].points.back(), calls[1].points.front());
  EXPECT_EQ(calls[1].points[1].x, 520);
}

TEST(LayLines, OpenDownwindOfAWindwardMark) {
  race::RaceStore store = viewtest::EmptyRace();
  store.layAngle1 = 45;
  store.layAngle2 = 150;
  RecordingCanvas canvas;
  DrawLayLines(canvas, store, 100.4, 200.6, 0, true);  // wind from the top of the screen
  const std::vector<DrawCall> lines = canvas.CallsOf(CallKind::Line);
  ASSERT_EQ(lines.size(), 6u);
  for (const DrawCall& line : lines) {
    EXPECT_EQ(line.points[0], (Point{100, 201}));
    EXPECT_EQ(line.pen.style, PenStyle::Dot);
  }
  // Wind axis down and up.
  EXPECT_EQ(lines[0].points[1], (Point{100, 801}));
  EXPECT_EQ(lines[1].points[1], (Point{100, -399}));
  EXPECT_EQ(lines[0].pen.colour, store.windAxisColour);
  // Port (red) goes to the lower left, starboard (green) to the lower right.
  EXPECT_EQ(lines[2].pen.colour, store.layColourPort);
  EXPECT_LT(lines[2].points[1].x, 100);
  EXPECT_GT(lines[2].points[1].y, 201);
  EXPECT_EQ(lines[3].pen.colour, store.layColourStarboard);
  EXPECT_GT(lines[3].points[1].x, 100);
  EXPECT_GT(lines[3].points[1].y, 201);
  // The downwind pair opens upwind of the point.
  EXPECT_LT(lines[4].points[1].y, 201);
  EXPECT_LT(lines[5].points[1].y, 201);
  EXPECT_EQ(canvas.Pen().style, PenStyle::Solid);
}

TEST(LayLines, FollowTheWindOnAWindUpChart) {
  race::RaceStore store = viewtest::EmptyRace();
  store.windDirection = 40;
  // The wind has veered 30 degrees from the race's wind: on a wind-up chart the axis leans 30 degrees right.
  EXPECT_DOUBLE_EQ(ScreenWindDirection(70, false, 40), 30);
  EXPECT_DOUBLE_EQ(ScreenWindDirection(10, false, 40), 330);
  EXPECT_DOUBLE_EQ(ScreenWindDirection(10, true, 40), 10);
}

}  // namespace
}  // namespace view
