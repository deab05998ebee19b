// The window arithmetic: speed bar, boat list place, panel places, loading display and logo panel.
#include <gtest/gtest.h>

#include <algorithm>

#include "race/RaceStore.h"
#include "view/WindowLayout.h"

namespace view {
namespace {

TEST(WindowLayoutTest, SpeedBarFollowsTheThreeSpeedRanges) {
  EXPECT_EQ(SpeedBarPosition(5), 19);
  EXPECT_EQ(SpeedBarPosition(20), 44);
  EXPECT_EQ(SpeedBarPosition(100), 80);
  EXPECT_EQ(SpeedBarPosition(600), 100);
  EXPECT_EQ(SpeedBarPosition(1), 3);
  EXPECT_EQ(SpeedBarPosition(10), 39);
  EXPECT_EQ(SpeedBarPosition(90), 72);
  // 2.625 * 4 - 1 = 9.5: halves go to the even neighbour.
  EXPECT_EQ(SpeedBarPosition(2.625), 10);
  EXPECT_EQ(LayoutWindow(1600, 970, 67, 600).scrollBar1Position, 100);
}

TEST(WindowLayoutTest, BoatListFillsTheGapOrCoversTheLogo) {
  // Three boats: 67 pixels, more than the gap a 480-pixel client area leaves; below the logo.
  EXPECT_EQ(PlaceBoatList(800, 480, 67), (Box{535, 200, 265, 67}));
  // A short list in a tall window stretches to the gap between the logo and control panels.
  EXPECT_EQ(PlaceBoatList(1600, 970, 67), (Box{1335, 200, 265, 458}));
  // Exactly the space below the logo: the list covers the logo panel.
  EXPECT_EQ(PlaceBoatList(1600, 970, 770), (Box{1335, 0, 265, 770}));
  EXPECT_EQ(PlaceBoatList(1600, 970, 769), (Box{1335, 200, 265, 769}));
  // 200 boats would need 2825 pixels: the list ends at the window's bottom and scrolls.
  EXPECT_EQ(PlaceBoatList(1600, 970, race::BoatListHeightFor(200)), (Box{1335, 0, 265, 970}));
}

TEST(WindowLayoutTest, PanelsHugTheRightEdgeAndTheTimeBarSitsLeftOfThem) {
  const WindowLayout layout = LayoutWindow(1600, 970, 67, 5);
  EXPECT_EQ(layout.pnlSPLITE, (Box{0, 0, 1600, 970}));
  EXPECT_EQ(layout.pnlLOGO, (Box{1335, 0, 265, 200}));
  EXPECT_EQ(layout.pnlCTRL, (Box{1335, 658, 265, 312}));
  EXPECT_EQ(layout.pnlTimeBar, (Box{1285, 0, 50, 970}));
  EXPECT_EQ(layout.seaSwatches[0], (Box{5, 15, 32, 10}));
  EXPECT_EQ(layout.seaSwatches[4], (Box{5, 63, 32, 10}));
  EXPECT_EQ(MapWidth(1600), 1285);
}

TEST(WindowLayoutTest, ControlPanelPlacesStayInsideThePanel) {
  const auto places = ControlPanelPlaces();
  for (const NamedBox& place : places) {
    SCOPED_TRACE(std::string(place.name));
    EXPECT_GE(place.box.left, 0);
    EXPECT_LE(place.box.left + place.box.width, kSidePanelWidth);
    EXPECT_LE(place.box.top + place.box.height, kControlPanelHeight);
  }
  // No control covers another; only the two language flags share one place, one of them shown at a time.
  for (const NamedBox& a : places) {
    for (const NamedBox& b : places) {
      if (&a == &b || a.box == b.box) continue;
      const bool apart = a.box.left + a.box.width <= b.box.left || b.box.left + b.box.width <= a.box.left ||
                         a.box.top + a.box.height <= b.box.top || b.box.top + b.box.height <= a.box.top;
      EXPECT_TRUE(apart) << a.name << " covers " << b.name;
    }
  }
  const auto combo =
      std::find_if(places.begin(), places.end(), [](auto& p) { return p.name == "ComboBox1"; });
  ASSERT_NE(combo, places.end());
  EXPECT_EQ(combo->box, (Box{11, 28, 167, 20}));
}

TEST(WindowLayoutTest, LoadingDisplayRoundsEachOffsetFromTheUnroundedCentre) {
  // t = (1001 - 381) / 2 = 310; left = (1601 - 333) / 2 = 634 exactly.
  const LoadingLayout layout = LayoutLoadingWindow(1601, 1001, 333, 381);
  EXPECT_EQ(layout.image1, (Box{634, 310, 333, 381}));
  EXPECT_EQ(layout.memo2.top, 170);
  EXPECT_EQ(layout.memo1.top, 240);
  EXPECT_EQ(layout.image2.top, 260);
  // t = 309.5 rounds to the even 310, t - 140 = 169.5 to 170, t - 70 = 239.5 to 240, t - 50 = 259.5 to 260;
  // left 633.5 rounds to 634.
  const LoadingLayout odd = LayoutLoadingWindow(1600, 1000, 333, 381);
  EXPECT_EQ(odd.image1.left, 634);
  EXPECT_EQ(odd.image1.top, 310);
  EXPECT_EQ(odd.memo2.top, 170);
  EXPECT_EQ(odd.memo1.left, 634);
}

TEST(WindowLayoutTest, ProgressPanelStacksAroundThePicture) {
  const ProgressPanelLayout layout = LayoutProgressPanel(1600, 970, 333, 381);
  EXPECT_EQ(layout.image2, (Box{634, 264, 333, 381}));  // round(294.5) = 294, less 30
  EXPECT_EQ(layout.memo4, (Box{634, 665, 333, 18}));
  EXPECT_EQ(layout.image3, (Box{634, 690, 333, 18}));
  EXPECT_EQ(layout.memo5, (Box{634, 204, 333, 28}));
}

TEST(WindowLayoutTest, LogoPanelPlacesOverviewClockLogoAndHelp) {
  const LogoPanelLayout layout = LayoutLogoPanel(80, 120, 20);
  EXPECT_EQ(layout.image1, (Box{3, 3, 170, 170}));
  EXPECT_EQ(layout.memo1, (Box{3, 176, 170, 20}));
  EXPECT_EQ(layout.imgLOGO, (Box{180, 3, 80, 120}));
  EXPECT_EQ(layout.btnHELP, (Box{180, 128, 80, 25}));
}

}  // namespace
}  // namespace view
