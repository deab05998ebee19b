// The compass rose turning with the chart, the overview map and the orientation controls.
#include <gtest/gtest.h>

#include "view/Compass.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"

namespace view {
namespace {

// An 83 x 83 rose that is black but for one red pixel straight above the centre.
RecordingCanvas NorthMarkedRose() {
  RecordingCanvas rose(83, 83);
  rose.SetBackground(Rgb(0, 0, 0));
  rose.SetPixel(41, 11, Rgb(255, 0, 0));
  return rose;
}

std::vector<Point> RedPixels(const RecordingCanvas& compass) {
  std::vector<Point> red;
  for (const DrawCall& call : compass.CallsOf(CallKind::SetPixel)) {
    if (call.colour == Rgb(255, 0, 0)) red.push_back(call.points[0]);
  }
  return red;
}

TEST(Compass, UnturnedRoseIsCopiedIntoTheMiddle) {
  const RecordingCanvas rose = NorthMarkedRose();
  RecordingCanvas compass(100, 100);
  EXPECT_EQ(DrawCompass(compass, rose, 0), 0);
  const std::vector<DrawCall> copies = compass.CallsOf(CallKind::Copy);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].points[0], (Point{8, 8}));
  EXPECT_EQ(compass.Pixel(49, 19), Rgb(255, 0, 0));
}

TEST(Compass, RoseTurnsClockwiseByTheAngle) {
  const RecordingCanvas rose = NorthMarkedRose();
  RecordingCanvas compass(100, 100);
  EXPECT_DOUBLE_EQ(DrawCompass(compass, rose, 90), 90);
  std::vector<Point> red = RedPixels(compass);
  ASSERT_FALSE(red.empty());
  EXPECT_GT(red[0].x, 75);  // north now points right
  EXPECT_NEAR(red[0].y, 50, 1);

  compass.Clear();
  EXPECT_DOUBLE_EQ(DrawCompass(compass, rose, -7), 353);
  red = RedPixels(compass);
  ASSERT_FALSE(red.empty());
  EXPECT_LT(red[0].x, 50);  // turned slightly anticlockwise
  EXPECT_LT(red[0].y, 25);
  // Corners of the square picture are not turned in: only the round rose is.
  for (const DrawCall& call : compass.CallsOf(CallKind::SetPixel)) {
    EXPECT_GT(call.points[0].x + call.points[0].y, 10);
  }
}

TEST(Compass, AngleFollowsTheOrientation) {
  race::RaceStore store = viewtest::EmptyRace();
  store.magneticVariation = -7;
  store.windDirection = 200;
  EXPECT_DOUBLE_EQ(CompassAngle(store, true), -7);
  EXPECT_DOUBLE_EQ(CompassAngle(store, false), -207);
}

TEST(Orientation, EachButtonChangesOnlyOnce) {
  ViewOptions options;
  EXPECT_TRUE(RadioNClick(options));
  EXPECT_TRUE(options.northUp);
  EXPECT_FALSE(RadioNClick(options));
  EXPECT_TRUE(RadioWClick(options));
  EXPECT_FALSE(options.northUp);
  EXPECT_FALSE(RadioWClick(options));
}

TEST(Orientation, CompassHoverShowsNamesNearTheRim) {
  Pointer pointer;
  compasstMouseMove(pointer, 50 + 39, 50);
  EXPECT_EQ(pointer.windMarks, 1);
  EXPECT_EQ(pointer.nameMode, 0);
  compasstMouseMove(pointer, 50, 50 + 40);
  EXPECT_EQ(pointer.nameMode, 1);
}

TEST(OverviewMap, TracksTurnWithTheChart) {
  race::RaceStore store = viewtest::EmptyRace();
  store.windDirection = 90;
  // A boat sailing from west to east.
  viewtest::AddBoat(store, "A", Rgb(9, 9, 9), {{0, 2000, 8000, 90, 5}, {60, 2000, 8001, 90, 5}});
  viewtest::AddBoat(store, "B", Rgb(8, 8, 8), {{0, 2000.1, 8000, 90, 5}, {60, 2000.1, 8001, 90, 5}});
  const analysis::ChartFit fit = viewtest::Fit(store);
  RecordingCanvas overview(170, 170);
  DrawOverviewMap(overview, store, fit, Rgb(160, 225, 255), true);
  std::vector<DrawCall> tracks = overview.CallsOf(CallKind::Polyline);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[1].pen.colour, Rgb(9, 9, 9));  // boat 1 drawn last
  EXPECT_LT(tracks[1].points[0].x, tracks[1].points[1].x);
  EXPECT_EQ(overview.CallsOf(CallKind::Rectangle)[0].brush.colour, Rgb(160, 225, 255));

  overview.Clear();
  DrawOverviewMap(overview, store, fit, Rgb(160, 225, 255), false);  // wind from the east at the top
  tracks = overview.CallsOf(CallKind::Polyline);
  EXPECT_GT(tracks[1].points[0].y, tracks[1].points[1].y);  // sailing east is sailing up
  EXPECT_EQ(ProjectToOverview(fit.midLat, fit.midLon, fit, false, 90), (Point{85, 85}));
}

}  // namespace
}  // namespace view
