// A fleet of the store's full capacity in the main window: the boat list scrolls to its last boat and that
// boat can be put in focus there, the score panel shows the leaders and scrolls to the last finisher, and
// the pad and the replay still work with the long list beside them.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

constexpr int kBoats = race::kMaxBoats;

// Where a widget inside a scroll area shows: its top in the area's viewport.
int TopInViewport(QWidget* widget, QScrollArea* area) {
  return widget->mapTo(area->viewport(), QPoint(0, 0)).y();
}

bool InSight(QWidget* widget, QScrollArea* area) {
  const int top = TopInViewport(widget, area);
  return top >= 0 && top + widget->height() <= area->viewport()->height();
}

// Scrolls an area to its end with the wheel, as a user does; false when the wheel did not move it.
bool WheelToTheEnd(QScrollArea* area) {
  QScrollBar* bar = area->verticalScrollBar();
  for (int k = 0; k < 500 && bar->value() < bar->maximum(); ++k) {
    const int before = bar->value();
    Wheel(area->viewport(), -1, Centre(area->viewport()));
    if (bar->value() == before) return false;
  }
  return bar->value() == bar->maximum();
}

class BigFleetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    std::string boats;
    for (int k = 1; k <= kBoats; ++k) {
      const std::string file = "b" + std::to_string(k) + ".txt";
      // Slightly slower boat by boat, spread along the line: every boat finishes, one after another.
      folder.Write("gpsdat/" + file, analysistest::NorthboundTrack(0.001 - k * 0.0000005, k * 0.00004));
      boats += "BN," + file + ",Boat " + std::to_string(k) + "\r\n";
    }
    folder.Write(
        "raceadmin/fleet.txt",
        "T1,Big Fleet\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\nWD,0\r\nMG,0\r\n"
        "LL,45,150\r\nLG,6\r\nMK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.1\r\n"
        "LN,3000.4025,599.9,3000.4025,600.1\r\nCRS,L1,MK1,L2\r\n" +
            boats);
    folder.Write("raceadmin/racefile.st", "fleet.txt\r\n");
    platform.documents = documents.folder();
    form = std::make_unique<shell::TForm1>(platform, folder.folder());
    form->resize(1600, 1000);
    form->FormCreate();
    ASSERT_FALSE(form->EndRequested());
    form->show();
    ASSERT_EQ(form->Store().boatCount, kBoats);
  }

  testsupport::TempFolder folder, documents;
  FakePlatform platform;
  std::unique_ptr<shell::TForm1> form;
};

TEST_F(BigFleetWindowTest, TheBoatListScrollsAndItsLastBoatTakesTheFocus) {
  shell::BoatListPanel* list = form->boatList;
  QScrollArea* rows = list->Rows();
  // The list ends at the window's bottom; the rows it cannot hold are under its scroll bar.
  Move(list);
  EXPECT_LE(list->geometry().bottom(), form->height());
  EXPECT_GT(rows->verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(InSight(list->boatCheck[1], rows));
  EXPECT_FALSE(InSight(list->boatCheck[kBoats], rows));

  ASSERT_TRUE(WheelToTheEnd(rows));
  EXPECT_TRUE(InSight(list->boatCheck[kBoats], rows));
  EXPECT_FALSE(InSight(list->boatCheck[1], rows));

  // A right click on the last boat puts it alone in focus, and the chart follows it.
  Press(form->controls->stop_f);
  form->State().playback.raceTime = 300;
  Press(list->boatCheck[kBoats], Qt::RightButton);
  const race::RaceStore& store = form->Store();
  EXPECT_EQ(store.boatShown[kBoats], 1);
  EXPECT_EQ(std::count(store.boatShown.begin() + 1, store.boatShown.begin() + kBoats + 1, 1), 1);
  EXPECT_TRUE(list->boatCheck[kBoats]->isChecked());
  EXPECT_FALSE(list->boatCheck[1]->isChecked());
  const view::FrameState& frame = form->State().frame;
  EXPECT_DOUBLE_EQ(frame.frameCentreLat, frame.curLat[kBoats]);
  EXPECT_DOUBLE_EQ(frame.frameCentreLon, frame.curLon[kBoats]);

  // The scroll bar itself takes the list back to the top; the header brings every boat back.
  rows->verticalScrollBar()->setValue(0);
  EXPECT_TRUE(InSight(list->boatCheck[1], rows));
  Press(list->Label1);
  EXPECT_EQ(std::count(store.boatShown.begin() + 1, store.boatShown.begin() + kBoats + 1, 1), kBoats);
}

TEST_F(BigFleetWindowTest, TheScorePanelShowsTheLeadersAndScrollsToTheLast) {
  const race::RaceStore& store = form->Store();
  Press(form->controls->stop_f);
  double lastFinish = 0;
  int winner = 0, last = 0;
  for (int b = 1; b <= kBoats; ++b) {
    const double finish = store.markTime[b][store.courseCount];
    ASSERT_LT(finish, race::kNotPassed) << b;
    if (store.finishRank[b] == 1) winner = b;
    if (finish >= lastFinish) lastFinish = finish, last = b;
  }
  ASSERT_GT(winner, 0);
  form->State().playback.raceTime = std::round(lastFinish) + 5;
  Key(form->chart, Qt::Key_Right);

  shell::ScorePanel* score = form->chart->pnlScore;
  ASSERT_FALSE(score->isHidden());
  EXPECT_LE(score->height(), form->chart->height() / 2);
  EXPECT_GE(score->geometry().right(), form->chart->width() / 2);  // at the top right
  QScrollArea* rows = score->Rows();
  EXPECT_GT(rows->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(rows->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(InSight(score->scoreLabel[winner], rows));
  EXPECT_FALSE(score->scoreLabel[last]->isHidden());
  EXPECT_FALSE(InSight(score->scoreLabel[last], rows));
  for (int b = 1; b <= kBoats; ++b) {
    EXPECT_LE(score->scoreLabel[b]->sizeHint().width(), score->scoreLabel[b]->width()) << b;
  }

  // The pointer on the labels sends the panel aside; on the scroll bar it stays, and the wheel scrolls.
  const QPoint before = score->pos();
  Move(rows->viewport(), QPoint(10, 10));
  EXPECT_NE(score->pos(), before);
  const QPoint aside = score->pos();
  Move(rows->verticalScrollBar());
  EXPECT_EQ(score->pos(), aside);
  ASSERT_TRUE(WheelToTheEnd(rows));
  EXPECT_TRUE(InSight(score->scoreLabel[last], rows));

  // Back before the finishes the panel goes; the next finisher brings it back, at the top.
  Key(form->chart, Qt::Key_Home);
  EXPECT_TRUE(score->isHidden());
}

TEST_F(BigFleetWindowTest, ThePadAndTheReplayWorkBesideTheLongList) {
  // The pointer over the list takes the control panel's room; over the chart the panel comes back on top.
  Move(form->boatList);
  Move(form->chart);
  ASSERT_FALSE(form->controls->isHidden());
  Press(form->controls->stop_f);
  EXPECT_EQ(form->State().clock.playState, playback::PlayState::Stopped);
  const double before = form->State().playback.raceTime;
  Press(form->controls->plus);
  EXPECT_EQ(form->State().playback.raceTime, std::round(before + 1));
  Press(form->controls->up_f);
  EXPECT_EQ(form->State().clock.playState, playback::PlayState::Forward);

  // A few frames at the highest speed: every boat on its track has a place on the chart and a dot.
  form->State().clock.timeStep = 30;
  form->State().playback.raceTime = 0;
  for (int k = 0; k < 5; ++k) QTest::qWait(60);
  const view::FrameState& frame = form->State().frame;
  EXPECT_GT(form->State().playback.raceTime, 0);
  for (int b = 1; b <= kBoats; ++b) {
    ASSERT_EQ(frame.boatActive[b], 1) << b;
    EXPECT_GT(frame.curLat[b], 2999) << b;
  }
}

}  // namespace
}  // namespace shelltest
