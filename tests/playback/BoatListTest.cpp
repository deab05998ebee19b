// Boat focus from the list and its header, and the ticker's bars, angles and fleet means.
#include <gtest/gtest.h>

#include "playback/BoatList.h"
#include "playback/PlaybackRace.h"

namespace playback {
namespace {

TEST(BoatFocus, RightClickFocusesOneBoatAndTheHeaderBringsAllBack) {
  race::RaceStore store = playbacktest::Race(std::vector<double>(10, 600));
  std::vector<bool> checks(11, true);
  view::Pointer pointer;
  EXPECT_EQ(sBoatMouseDown(store, checks, pointer, 3, Button::Right, false), 9);
  for (int b = 1; b <= 10; ++b) {
    EXPECT_EQ(checks[b], b == 3) << b;
    EXPECT_EQ(store.boatShown[b], b == 3 ? 1 : 0) << b;
  }
  EXPECT_EQ(sBoatMouseDown(store, checks, pointer, 5, Button::Left, false), 8);
  EXPECT_TRUE(checks[5]);
  EXPECT_EQ(sBoatMouseDown(store, checks, pointer, 5, Button::Left, false), 9);
  EXPECT_EQ(store.boatShown[5], 0);
  EXPECT_EQ(Label1MouseDown(store, checks), 0);
  for (int b = 1; b <= 10; ++b) EXPECT_TRUE(checks[b]);
}

TEST(BoatFocus, ShiftClickPicksAndUnpicksABoat) {
  race::RaceStore store = playbacktest::Race(std::vector<double>(4, 600));
  std::vector<bool> checks(5, true);
  view::Pointer pointer;
  EXPECT_EQ(sBoatMouseDown(store, checks, pointer, 2, Button::Right, true), 1);
  EXPECT_EQ(pointer.pickedBoat, 2);
  EXPECT_FALSE(checks[2]);
  EXPECT_EQ(store.boatShown[2], 0);
  sBoatMouseDown(store, checks, pointer, 2, Button::Left, true);
  EXPECT_EQ(pointer.pickedBoat, 0);
  EXPECT_EQ(store.boatShown[2], 1);
}

TEST(BoatFocus, HeaderTipAndBoatNameBox) {
  view::Pointer pointer;
  pointer.focusBoat = 4;
  EXPECT_EQ(Label1MouseMove(pointer, 1), PointerTip::FocusAll);
  EXPECT_EQ(pointer.focusBoat, 0);
  EXPECT_FALSE(Label1MouseMove(pointer, 0).has_value());
  CheckBox2Click(pointer, true);
  EXPECT_EQ(pointer.nameMode, 1);
  CheckBox2Click(pointer, false);
  EXPECT_EQ(pointer.nameMode, 0);
}

TEST(Ticker, BarsAnglesAndFleetMeans) {
  race::RaceStore store = playbacktest::Race(std::vector<double>(5, 600));
  store.maxBoatSpeed = 8;
  view::FrameState frame;
  view::ResetFrameState(frame, 5);
  const double speeds[] = {0, 8, 6.5432, 12.345, 4, 7};
  const double twas[] = {0, -45, 30, 135, 90, 10};
  for (int b = 1; b <= 5; ++b) {
    frame.boatActive[b] = 1;
    frame.curSpeed[b] = speeds[b];
    frame.curTwa[b] = twas[b];
  }
  frame.boatActive[5] = 0;  // not started (or finished): no bar, no angle, not in the means
  view::Playback playback;
  const std::vector<TickerRow> rows = UpdateTicker(playback, frame, store);
  EXPECT_EQ(rows[1].barWidth, 100);
  EXPECT_EQ(rows[1].speedText, "8");
  EXPECT_EQ(rows[1].twaText, "  45");
  EXPECT_EQ(rows[2].speedText, "6.54");
  EXPECT_EQ(rows[2].barWidth, 82);
  EXPECT_EQ(rows[2].twaText, " -30");
  EXPECT_EQ(rows[3].speedText, "12.3");
  EXPECT_EQ(rows[3].barWidth, 154);  // faster than the scale: beyond 100
  EXPECT_EQ(rows[3].twaText, "-135");
  EXPECT_EQ(rows[5].barWidth, 1);
  EXPECT_TRUE(rows[5].twaText.empty());
  EXPECT_TRUE(rows[5].speedText.empty());
  EXPECT_DOUBLE_EQ(playback.upwindMeanSpeed, (8 + 6.5432) / 2);
  EXPECT_DOUBLE_EQ(playback.downwindMeanSpeed, (12.345 + 4) / 2);  // 90 degrees counts as downwind

  for (int b = 1; b <= 5; ++b) frame.curSpeed[b] = 0;
  UpdateTicker(playback, frame, store);
  EXPECT_DOUBLE_EQ(playback.upwindMeanSpeed, 10000);
  EXPECT_DOUBLE_EQ(playback.downwindMeanSpeed, 10000);
}

}  // namespace
}  // namespace playback
