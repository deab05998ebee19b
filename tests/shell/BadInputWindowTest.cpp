// Every row of the bad-input catalogue through the desktop window's LoadRace: a refused race shows its
// message and the race that was shown stays shown with its boats; a race that loads despite the fault
// replaces it.
#include <gtest/gtest.h>

#include <QDialog>
#include <QListWidget>
#include <filesystem>

#include "app/BadInputCases.h"
#include "shell/FakePlatform.h"
#include "shell/LoadWarningsList.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

// What the window shows for a batch command line: the missing-tracks refusal is shown without its file.
std::string Shown(const std::string& message) {
  const std::string noTracks = "GPS file not exists.";
  return message.size() > noTracks.size() && message.ends_with(": " + noTracks) ? noTracks : message;
}

std::string Visible(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\0' ? std::string("\\0") : std::string(1, c);
  return out;
}

TEST(BadInputThroughTheWindow, RefusedRacesLeaveTheShownRaceShown) {
  TestApplication();
  for (const badinput::Row& row : badinput::Rows()) {
    SCOPED_TRACE(row.name);
    testsupport::TempFolder folder;
    analysistest::WriteSampleRace(folder);
    folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
    FakePlatform platform;
    shell::TForm1 form(platform, folder.folder());
    form.FormCreate();
    ASSERT_EQ(form.Store().boatCount, 2);
    const std::string shown = form.Store().raceFilePath;
    QWidget* firstBoat = form.boatList->boatCheck[1];

    badinput::WriteRow(folder, row);
    const shell::LoadResult result = form.Session().LoadRace(folder.folder() + "raceadmin/bad.txt", 1);
    if (row.message.empty()) {
      EXPECT_EQ(result, shell::LoadResult::Loaded);
      EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
      EXPECT_EQ(form.Store().boatCount, row.boats);
      EXPECT_EQ(form.Store().raceFilePath, folder.folder() + "raceadmin/bad.txt");
      EXPECT_EQ(form.Store().warnings.size(), row.warnings.size());
    } else {
      EXPECT_EQ(result, shell::LoadResult::Failed);
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(Visible(platform.messages[0]).rfind(Shown(row.message), 0), 0u)
          << Visible(platform.messages[0]);
      EXPECT_EQ(form.Store().raceFilePath, shown);
      EXPECT_EQ(form.Store().boatCount, 2);
      EXPECT_EQ(form.boatList->boatCheck[1], firstBoat);
      EXPECT_TRUE(form.Session().SecondTimer()->isActive());
    }
    // The warnings, if any, are listed once in one window the user closes.
    const auto lists = form.findChildren<QDialog*>(shell::kLoadWarningsName);
    EXPECT_LE(lists.size(), 1);
    if (!row.warnings.empty()) {
      ASSERT_EQ(lists.size(), 1);
      EXPECT_EQ(lists[0]->findChild<QListWidget*>()->count(), static_cast<int>(row.warnings.size()));
    }
    EXPECT_FALSE(form.EndRequested());
  }
}

}  // namespace
}  // namespace shelltest
