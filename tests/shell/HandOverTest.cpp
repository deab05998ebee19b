// A later start's command line in the running window: --folder shows that folder's first race; a folder
// with no race to show leaves the race shown and its race list as they were.
#include <gtest/gtest.h>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

TEST(HandOverTest, AFolderHandedOverIsShownOrTheRaceShownStays) {
  TestApplication();
  testsupport::TempFolder first, club, empty;
  analysistest::WriteSampleRace(first);
  analysistest::WriteSampleRace(club);
  club.Write("raceadmin/sample.txt",
             testsupport::ReadFile(club.path() / "raceadmin/sample.txt") + "T1,Club\r\n");
  club.Write("raceadmin/another.txt", "");
  FakePlatform platform;
  shell::TForm1 form(platform, first.folder());
  form.FormCreate();
  ASSERT_EQ(form.Store().raceFilePath, first.folder() + "raceadmin/sample.txt");

  shell::StartOptions options;
  options.folder = empty.folder();
  form.TakeCommandLine(options);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(form.Store().programFolder, first.folder());
  EXPECT_EQ(form.Store().raceFilePath, first.folder() + "raceadmin/sample.txt");
  EXPECT_EQ(form.State().catalogue.raceListCount, 1);
  EXPECT_EQ(form.controls->ComboBox1->count(), 1);

  options.folder = club.folder();
  form.TakeCommandLine(options);
  EXPECT_EQ(form.Store().programFolder, club.folder());
  EXPECT_EQ(form.Store().raceFilePath, club.folder() + "raceadmin/sample.txt");
  EXPECT_EQ(form.Store().title1, "Club");
  EXPECT_EQ(form.State().catalogue.raceListCount, 2);
  EXPECT_EQ(form.State().catalogue.raceIndex, 2);
  EXPECT_EQ(form.controls->ComboBox1->currentText(), "sample.txt");

  // --open names a race file inside a race folder: that race, from its own folder.
  options = {};
  options.open = {first.folder() + "raceadmin/sample.txt"};
  form.TakeCommandLine(options);
  EXPECT_EQ(form.Store().raceFilePath, first.folder() + "raceadmin/sample.txt");
  EXPECT_EQ(form.Store().title1, "Sample Race");
}

}  // namespace
}  // namespace shelltest
