// The playback clock: step and speed arithmetic, wrapping and AutoNext, the start and finish guns, the
// score panel, countdown beeps, flags, the rounding notice and the pad.
#include <gtest/gtest.h>

#include "playback/Clock.h"
#include "playback/PlaybackRace.h"
#include "support/TempFolder.h"
#include "view/FrameRenderer.h"
#include "view/RecordingCanvas.h"

namespace playback {
namespace {

TEST(PlaybackSpeed, StepFollowsTheFramesDrawn) {
  EXPECT_DOUBLE_EQ(TimeStepFor(5, 20), 0.25);
  EXPECT_DOUBLE_EQ(TimeStepFor(5, 3), 0.25);  // too few frames: taken as 20
  EXPECT_DOUBLE_EQ(TimeStepFor(5, 4), 0.25);
  EXPECT_DOUBLE_EQ(TimeStepFor(5, 5), 1.0);
  EXPECT_DOUBLE_EQ(TimeStepFor(100, 10), 10.0);
}

TEST(PlaybackSpeed, SpeedBarPositions) {
  const std::pair<int, const char*> cases[] = {{0, "1X"},    {19, "5X"},   {39, "10X"},  {40, "10X"},
                                               {79, "100X"}, {80, "100X"}, {100, "600X"}};
  for (const auto& [position, text] : cases) EXPECT_EQ(SpeedText(SpeedFactorAt(position)), text) << position;
  Clock clock;
  ScrollBar1Change(clock, 44);
  EXPECT_DOUBLE_EQ(clock.speedFactor, 20);
}

TEST(PlaybackSpeed, ZoomBarPositions) {
  EXPECT_DOUBLE_EQ(TraceScaleAt(0), 10);
  EXPECT_DOUBLE_EQ(TraceScaleAt(55), 4.5);
  EXPECT_DOUBLE_EQ(TraceScaleAt(90), 1);
  EXPECT_DOUBLE_EQ(TraceScaleAt(100), 1);
}

class ClockTest : public ::testing::Test {
 protected:
  race::RaceStore store = playbacktest::Race({600, 640, 620});
  Clock clock;
  view::Playback playback;
  void SetUp() override { RaceLoaded(clock, playback, store); }
  // One whole frame tick; returns the guns it sounded.
  int Tick(ScoreChange* score = nullptr) {
    Effects effects = Timer1Advance(clock, playback, store);
    ScoreChange change;
    if (!effects.presentFrame) return 0;
    effects = Timer1AfterFrame(clock, playback, store, change);
    if (score) *score = change;
    return effects.guns;
  }
};

TEST_F(ClockTest, WrapsAtBothEndsWithoutAutoNext) {
  clock.timeStep = 5;
  playback.raceTime = store.timelineEnd - 2;
  Tick();
  EXPECT_DOUBLE_EQ(playback.raceTime, store.timelineStart);
  clock.playDirection = -1;
  playback.raceTime = store.timelineStart + 1;
  Tick();
  EXPECT_DOUBLE_EQ(playback.raceTime, store.timelineEnd);
}

TEST_F(ClockTest, AutoNextLoadsTheNextCatalogueRaceAndRoundsToTheFirst) {
  testsupport::TempFolder folder;
  folder.Write("raceadmin/a.txt", "x");
  folder.Write("raceadmin/b.txt", "x");
  store.programFolder = folder.folder();
  race::RaceCatalogue catalogue;
  catalogue.autoNext = 1;
  catalogue.raceListCount = 2;
  catalogue.raceList[1] = "a.txt";
  catalogue.raceList[2] = "b.txt";
  catalogue.raceIndex = 1;
  playback.raceTime = store.timelineEnd - 0.05;
  clock.prevRaceTime = 123;
  Effects effects = Timer1Advance(clock, playback, store, catalogue);
  EXPECT_EQ(effects.loadRacePath, store.programFolder + "raceadmin/b.txt");
  EXPECT_EQ(effects.loadRaceIndex, 2);
  EXPECT_FALSE(effects.presentFrame);
  EXPECT_DOUBLE_EQ(clock.prevRaceTime, 123);

  catalogue.raceIndex = 2;
  effects = Timer1Advance(clock, playback, store, catalogue);
  EXPECT_EQ(effects.loadRaceIndex, 1);

  catalogue.raceList[1] = "gone.txt";  // a missing file: the race loops
  effects = Timer1Advance(clock, playback, store, catalogue);
  EXPECT_TRUE(effects.loadRacePath.empty());
  EXPECT_DOUBLE_EQ(playback.raceTime, store.timelineStart);
}

TEST_F(ClockTest, StartGunOnceGoingForwardNeverBackward) {
  clock.timeStep = 0.25;
  playback.raceTime = clock.prevRaceTime = -1;
  int guns = 0;
  for (int k = 0; k < 12; ++k) guns += Tick();
  EXPECT_EQ(guns, 1);
  clock.playDirection = -1;
  guns = 0;
  for (int k = 0; k < 12; ++k) guns += Tick();
  EXPECT_EQ(guns, 0);
}

TEST_F(ClockTest, FinishGunsAndScoreLabelsInFinishOrder) {
  clock.timeStep = 1;
  playback.raceTime = clock.prevRaceTime = 590;
  std::vector<int> order;
  int guns = 0;
  for (int k = 0; k < 60; ++k) {
    ScoreChange score;
    guns += Tick(&score);
    order.insert(order.end(), score.shown.begin(), score.shown.end());
    EXPECT_EQ(score.finishedCount, static_cast<int>(order.size()));
  }
  EXPECT_EQ(order, (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(guns, 3);
  EXPECT_EQ(clock.finishedCount, 3);
}

TEST_F(ClockTest, AJumpPastSeveralFinishesSoundsOneGunAndShowsThemInOrder) {
  clock.timeStep = 100;
  playback.raceTime = clock.prevRaceTime = 550;
  ScoreChange score;
  EXPECT_EQ(Tick(&score), 1);
  EXPECT_EQ(score.shown, (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(Tick(&score), 0);  // no boat twice
}

TEST_F(ClockTest, ReversePlayTakesBackFinishesThePanelNoLongerHolds) {
  playback.raceTime = clock.prevRaceTime = 700;
  clock.timeStep = 1;
  Tick();
  ASSERT_EQ(clock.finishedCount, 3);
  playback.raceTime = 635;
  clock.playDirection = -1;
  ScoreChange score;
  EXPECT_EQ(Tick(&score), 0);
  EXPECT_EQ(score.hidden, (std::vector<int>{2}));
  EXPECT_EQ(clock.finishedCount, 2);
  // Going forward again the boat finishes again, with its gun.
  clock.playDirection = 1;
  playback.raceTime = 640;
  EXPECT_EQ(Tick(&score), 1);
  EXPECT_EQ(score.shown, (std::vector<int>{2}));
  // Below 0.3 of the time line the panel empties.
  playback.raceTime = 200;
  Tick(&score);
  EXPECT_EQ(score.finishedCount, 0);
  EXPECT_EQ(score.hidden.size(), 3u);
}

TEST_F(ClockTest, ClockReadOutChangesWithTheWholeSecondUnlessHeld) {
  clock.timeStep = 0.25;
  playback.raceTime = clock.prevRaceTime = 10;
  ScoreChange score;
  Timer1Advance(clock, playback, store);
  EXPECT_FALSE(Timer1AfterFrame(clock, playback, store, score).showClock);
  playback.raceTime = 10.75;
  const Effects effects = Timer1AfterFrame(clock, playback, store, score);
  EXPECT_TRUE(effects.showClock);
  EXPECT_DOUBLE_EQ(effects.clockSeconds, 11);
  playback.clockTextFrozen = 1;
  playback.raceTime = 13;
  EXPECT_FALSE(Timer1AfterFrame(clock, playback, store, score).showClock);
}

TEST_F(ClockTest, OtherPagesLeaveTheTicksIdle) {
  view::ViewOptions options;
  OtherPageClick(clock, options);
  playback.raceTime = 5;
  EXPECT_FALSE(Timer1Advance(clock, playback, store).presentFrame);
  EXPECT_DOUBLE_EQ(playback.raceTime, 5);
  EXPECT_DOUBLE_EQ(clock.prevRaceTime, 5);
  playback.raceTime = 5.4;
  Timer2Tick(clock, playback, store);
  EXPECT_DOUBLE_EQ(playback.raceTime, 5.4);
}

TEST_F(ClockTest, SecondTickSetsStepRoundsTimeAndBeepsTheCountdown) {
  clock.speedFactor = 5;
  playback.framesThisSecond = 20;
  playback.raceTime = -30.4;
  Effects effects = Timer2Tick(clock, playback, store);
  EXPECT_DOUBLE_EQ(clock.timeStep, 0.25);
  EXPECT_EQ(playback.framesThisSecond, 0);
  EXPECT_DOUBLE_EQ(playback.raceTime, -30);
  EXPECT_EQ(effects.beeps, 1);
  const std::pair<double, int> beeps[] = {{-31, 0}, {-120, 1}, {-1, 1}, {0, 0}, {60, 0}};
  for (const auto& [time, count] : beeps) {
    playback.raceTime = time;
    EXPECT_EQ(Timer2Tick(clock, playback, store).beeps, count) << time;
  }
  playback.raceTime = -2.5;  // halves to even
  Timer2Tick(clock, playback, store);
  EXPECT_DOUBLE_EQ(playback.raceTime, -2);
}

TEST_F(ClockTest, RoundingNoticeForThreeMinutesAfterTheFirstPassing) {
  playback.raceTime = 300;
  Timer2Tick(clock, playback, store);
  EXPECT_EQ(playback.roundingNoticeIndex, 0);
  playback.raceTime = 346;
  Timer2Tick(clock, playback, store);
  EXPECT_EQ(playback.roundingNoticeIndex, 2);
  EXPECT_EQ(playback.roundingNoticeText, "45");
  playback.raceTime = 481;
  Timer2Tick(clock, playback, store);
  EXPECT_EQ(playback.roundingNoticeIndex, 0);

  // The frame shows the seconds beside the rounded mark.
  store.markCount = 1;
  store.markLat[1] = 2100.5;
  store.markLon[1] = 8200;
  playback.raceTime = 346;
  Timer2Tick(clock, playback, store);
  view::RecordingCanvas canvas(1000, 800);
  view::FrameState frame;
  view::ResetFrameState(frame, store.boatCount);
  const analysis::ChartFit fit;
  const view::Sea sea;
  const view::ViewOptions options;
  const view::Pointer pointer;
  view::DrawFrame(canvas, playback.raceTime, {store, fit, sea, options, pointer}, playback, frame);
  const view::DrawCall* notice = canvas.FindText("45");
  ASSERT_NE(notice, nullptr);
  EXPECT_GT(notice->font.pixelSize, canvas.FindText("MK1")->font.pixelSize);
}

TEST(PlaybackFlags, PanelUntilTheGunBlueFlagFourToOneMinutes) {
  EXPECT_TRUE(FlagsAt(-241).panelVisible);
  EXPECT_FALSE(FlagsAt(-241).blueVisible);
  EXPECT_TRUE(FlagsAt(-240).blueVisible);
  EXPECT_TRUE(FlagsAt(-61).blueVisible);
  EXPECT_FALSE(FlagsAt(-60).blueVisible);
  EXPECT_TRUE(FlagsAt(0).panelVisible);
  EXPECT_FALSE(FlagsAt(1).panelVisible);
}

TEST_F(ClockTest, PadCommandsAndOneSecondSteps) {
  view::ViewOptions options;
  EXPECT_EQ(dn_fClick(clock, options).beeps, 0);
  EXPECT_EQ(clock.playState, PlayState::Backward);
  EXPECT_EQ(clock.playDirection, -1);
  stop_fClick(clock, options);
  EXPECT_EQ(clock.playState, PlayState::Stopped);
  EXPECT_EQ(clock.playDirection, -1);

  playback.raceTime = store.timelineEnd;
  Effects effects = plusClick(clock, playback, options, store);
  EXPECT_DOUBLE_EQ(playback.raceTime, store.timelineStart);
  EXPECT_TRUE(effects.presentFrame);
  EXPECT_TRUE(effects.showClock);
  minusClick(clock, playback, options, store);
  EXPECT_DOUBLE_EQ(playback.raceTime, store.timelineEnd);
  playback.raceTime = 10.4;
  plusClick(clock, playback, options, store);
  EXPECT_DOUBLE_EQ(playback.raceTime, 11);
  EXPECT_EQ(clock.playState, PlayState::Stopped);

  // From the manual view a pad command first turns Auto Trace back on, with its beeps.
  options.autoTrace = false;
  effects = stop_fClick(clock, options);
  EXPECT_TRUE(options.autoTrace);
  EXPECT_EQ(effects.beeps, 2);
  EXPECT_EQ(clock.playState, PlayState::Stopped);
  options.autoTrace = false;
  LitImageClick(clock, options);
  EXPECT_EQ(clock.playState, PlayState::Forward);
}

TEST_F(ClockTest, AutoTraceOffStopsAndShowsTheWholeRace) {
  view::ViewOptions options;
  view::ManualView manual;
  manual.zoomFactor = 3;
  view::FrameState frame;
  analysis::ChartFit fit;
  fit.trackMaxLat = 2110;
  fit.trackMinLat = 2100;
  fit.trackMaxLon = 8204;
  fit.trackMinLon = 8200;
  const Effects effects = CheckBox1Click(clock, options, manual, frame, fit, false);
  EXPECT_EQ(effects.beeps, 2);
  EXPECT_TRUE(effects.redrawStillChart);
  EXPECT_EQ(clock.playState, PlayState::Stopped);
  EXPECT_FALSE(options.autoTrace);
  EXPECT_DOUBLE_EQ(manual.zoomFactor, 1);
  EXPECT_DOUBLE_EQ(manual.viewCentreLat, 2105);
  EXPECT_DOUBLE_EQ(frame.frameCentreLon, 8202);
  CheckBox1Click(clock, options, manual, frame, fit, true);
  EXPECT_EQ(clock.playState, PlayState::Forward);
  EXPECT_EQ(clock.playDirection, 1);
}

}  // namespace
}  // namespace playback
