// The replay in the window over time: resizing while playing or stopped, one moment in every display after
// a jump, the end of the time line, and AutoNext meeting a race that does not load.
#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"
#include "view/WindowLayout.h"

namespace shelltest {
namespace {

using playback::PlayState;
using shell::TForm1;

// Pixels of the chart picture that are not sea.
int Drawn(TForm1& form) {
  const QImage& image = form.Session().FramePicture()->Image();
  const QRgb sea = image.pixel(image.width() / 2, 2);
  int count = 0;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) count += image.pixel(x, y) != sea;
  }
  return count;
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(folder);
    folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
  }

  std::unique_ptr<TForm1> Start() {
    auto form = std::make_unique<TForm1>(platform, folder.folder());
    form->FormCreate();
    form->setAttribute(Qt::WA_DontShowOnScreen);
    form->show();
    return form;
  }

  // Waits for the replay's timers until done() holds, at most a few seconds.
  static bool WaitFor(const std::function<bool()>& done) {
    for (int k = 0; k < 100 && !done(); ++k) QTest::qWait(30);
    return done();
  }

  testsupport::TempFolder folder;
  FakePlatform platform;
};

TEST_F(SessionTest, ResizingRefitsAtOncePlayingOrStoppedAndNeverShowsTheLoadingPanel) {
  auto form = Start();
  for (bool playing : {true, false}) {
    SCOPED_TRACE(playing ? "playing" : "stopped");
    if (!playing) Press(form->controls->stop_f);
    for (QSize size : {QSize(1000, 700), QSize(1500, 950)}) {
      form->resize(size);
      EXPECT_TRUE(form->pnlSPLITE->isHidden());
      const int mapWidth = view::MapWidth(size.width());
      EXPECT_EQ(form->chart->geometry(), QRect(0, 0, mapWidth, size.height()));
      EXPECT_EQ(form->Session().FramePicture()->Image().size(), QSize(mapWidth, size.height()));
      EXPECT_EQ(form->timeBar->height(), size.height());
      EXPECT_GT(Drawn(*form), 50);  // the moment is drawn again at the new size, not left blank
      EXPECT_EQ(form->Session().FrameTimer()->isActive(), playing);
    }
  }
}

TEST_F(SessionTest, AJumpWhileStoppedShowsTheNewMomentInEveryDisplay) {
  auto form = Start();
  Press(form->controls->stop_f);
  shell::RaceSession& session = form->Session();
  const race::RaceStore& store = form->Store();

  // After both finishes: the score panel lists both boats, the clocks show the moment.
  const double finish = std::max(store.markTime[1][store.courseCount], store.markTime[2][store.courseCount]);
  form->State().playback.raceTime = std::round(finish) + 5;
  Key(form->chart, Qt::Key_Right);
  EXPECT_FALSE(form->chart->pnlScore->isHidden());
  EXPECT_FALSE(form->chart->pnlScore->scoreLabel[1]->isHidden());
  EXPECT_FALSE(form->chart->pnlScore->scoreLabel[2]->isHidden());
  EXPECT_EQ(form->overview->Memo1->text().toStdString(), session.MomentText());
  EXPECT_TRUE(form->chart->pnlFLAG->isHidden());
  ASSERT_GE(session.Ticker().size(), 3u);
  EXPECT_EQ(form->boatList->boatMemo[1]->text().toStdString(),
            QString::fromStdString(session.Ticker()[1].twaText).trimmed().toStdString());

  // Back to the start: before the gun, the blue flag is up and nobody has finished.
  Key(form->chart, Qt::Key_Home);
  EXPECT_EQ(form->State().playback.raceTime, store.timelineStart);
  EXPECT_TRUE(form->chart->pnlScore->isHidden());
  EXPECT_FALSE(form->chart->pnlFLAG->isHidden());
  EXPECT_EQ(form->overview->Memo1->text().toStdString(), session.MomentText());

  // A step to ten seconds after the mark's first rounding brings up the rounding notice.
  form->State().playback.raceTime = std::round(store.firstArrivalTime[2]) + 9;
  Press(form->controls->plus);
  EXPECT_EQ(form->State().playback.roundingNoticeIndex, 2);
  EXPECT_EQ(form->State().playback.roundingNoticeText, "10");
  EXPECT_TRUE(form->chart->pnlFLAG->isHidden());

  // The time bar's preview ends when the pointer leaves it: the clock shows the replay's moment again.
  Move(form->timeBar->TimeBar, QPoint(15, 40));
  EXPECT_NE(form->overview->Memo1->text().toStdString(), session.MomentText());
  Move(form->controls, QPoint(2, 2));
  EXPECT_EQ(form->overview->Memo1->text().toStdString(), session.MomentText());
}

TEST_F(SessionTest, AtTheEndOfTheTimeLineBoatsStayWhereTheirTracksEnd) {
  auto form = Start();
  Press(form->controls->stop_f);
  const race::RaceStore& store = form->Store();
  // The tracks end at 620 s, the time line at 630 s.
  form->State().playback.raceTime = store.timelineEnd - 4;
  Key(form->chart, Qt::Key_Right);
  const view::FrameState& frame = form->State().frame;
  for (int b = 1; b <= 2; ++b) {
    SCOPED_TRACE(b);
    ASSERT_GT(form->State().playback.raceTime, store.trackTime[b][store.fixCount[b]]);
    EXPECT_EQ(frame.boatActive[b], 1);
    EXPECT_EQ(frame.curLat[b], store.trackLat[b][store.fixCount[b]]);
    EXPECT_EQ(frame.curSpeed[b], 0);
  }
  EXPECT_NEAR(frame.frameCentreLat, 3000.6, 0.2);
  EXPECT_NEAR(frame.frameCentreLon, 600, 0.1);
  Move(form->chart, QPoint(100, 100));
  EXPECT_TRUE(form->windowTitle().contains(QStringLiteral("N50:"))) << form->windowTitle().toStdString();
}

// Catalogue: sample.txt (shown), second-bad.txt (a malformed track), zz.txt (loads).
TEST_F(SessionTest, AutoNextTellsOnceAboutARaceThatFailsAndGoesOnToTheNext) {
  std::string broken = analysistest::NorthboundTrack(0.001, 0);
  broken.replace(broken.find("N50"), 3, "Nxx");
  folder.Write("gpsdat/broken.txt", broken);
  const std::string race =
      "ST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\nMK,3000.3,600.05\r\n"
      "LN,3000.005,599.9,3000.005,600.1\r\nCRS,L1,MK1\r\n";
  folder.Write("raceadmin/second-bad.txt", "T1,Bad\r\n" + race + "BN,broken.txt,Broken\r\n");
  folder.Write("raceadmin/zz.txt", "T1,Last\r\n" + race + "BN,alpha.txt,Alpha\r\n");
  auto form = Start();
  ASSERT_EQ(form->State().catalogue.raceListCount, 3);
  form->State().playback.raceTime = form->Store().timelineEnd - 0.01;
  ASSERT_TRUE(WaitFor([&] { return form->Store().raceFilePath.ends_with("zz.txt"); }));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].starts_with("gpsdat/broken.txt:")) << platform.messages[0];
  EXPECT_NE(platform.messages[0].find(shell::Text(shell::TextId::AutoNextGoesOn, 2)), std::string::npos);
  EXPECT_EQ(form->State().clock.playState, PlayState::Forward);
  EXPECT_TRUE(form->pnlSPLITE->isHidden());
}

TEST_F(SessionTest, AutoNextWithNoOtherRaceThatLoadsPlaysTheShownRaceAgainWithoutAskingTwice) {
  std::string broken = analysistest::NorthboundTrack(0.001, 0);
  broken.replace(broken.find("N50"), 3, "Nxx");
  folder.Write("gpsdat/broken.txt", broken);
  folder.Write("raceadmin/second-bad.txt",
               "T1,Bad\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\n"
               "MK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.1\r\nCRS,L1,MK1\r\n"
               "BN,broken.txt,Broken\r\n");
  auto form = Start();
  const std::string shown = form->Store().raceFilePath;
  for (int end = 0; end < 2; ++end) {
    form->State().playback.raceTime = form->Store().timelineEnd - 0.01;
    ASSERT_TRUE(WaitFor([&] { return form->State().playback.raceTime < 0; }));
  }
  EXPECT_EQ(form->Store().raceFilePath, shown);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(form->State().clock.playState, PlayState::Forward);
}

}  // namespace
}  // namespace shelltest

namespace shelltest {
namespace {

// The keys of the chart are listed in both help pages.
TEST(HelpPages, ListTheChartKeysInBothLanguages) {
  for (const char* page : {"data/sample/help/index.html", "data/sample/help-e/index.html"}) {
    SCOPED_TRACE(page);
    std::ifstream in(testsupport::SourceFolder() / page, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(text.empty());
    for (const char* key : {"id=\"keys\"", "<kbd>Space</kbd>", "<kbd>&rarr;</kbd>", "<kbd>Home</kbd>",
                            "<kbd>+</kbd>", "<kbd>Page Up</kbd>", "<kbd>Page Down</kbd>"}) {
      EXPECT_NE(text.find(key), std::string::npos) << key;
    }
  }
}

}  // namespace
}  // namespace shelltest
