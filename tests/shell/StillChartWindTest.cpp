// The compass of the still chart: with the replay stopped and Auto Trace off, a click on the time bar shows
// the wind of the moment clicked, as the boats' wind angles do.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

TEST(StillChartWind, TheCompassFollowsJumpsOnTheTimeBar) {
  TestApplication();
  testsupport::TempFolder folder, documents;
  // The wind veers from 10 to 90 degrees over the ten minutes of the race.
  analysistest::WriteSampleRace(folder, "WF,wind.csv\r\n");
  folder.Write("winddat/wind.csv",
               "time,speed,dir\r\n2024/06/01 12:00:00,8,10\r\n2024/06/01 12:10:00,12,90\r\n");
  folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
  FakePlatform platform;
  platform.documents = documents.folder();
  shell::TForm1 form(platform, folder.folder());
  form.FormCreate();
  ASSERT_FALSE(form.EndRequested());
  ASSERT_EQ(form.Store().windCount, 2);

  Press(form.controls->stop_f);
  form.controls->CheckBox1->click();
  ASSERT_FALSE(form.State().options.autoTrace);
  const int barHeight = form.timeBar->TimeBar->height();
  std::string previous;
  for (const int y : {barHeight * 3 / 4, barHeight / 2, barHeight / 4}) {
    form.Session().JumpToBar(y, barHeight);
    const double t = form.State().playback.raceTime;
    ASSERT_GT(t, 0);
    ASSERT_LT(t, 600);
    const std::string expected = std::to_string(static_cast<int>(std::lround(10 + 80 * t / 600)));
    const std::string shown = form.chart->Memo3->text().toStdString();
    EXPECT_EQ(shown.substr(0, shown.find('\n')), expected) << t;
    EXPECT_FALSE(form.chart->Memo3->isHidden());
    EXPECT_NE(shown, previous);
    previous = shown;
  }
}

}  // namespace
}  // namespace shelltest
