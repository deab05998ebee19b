// Open tracks in the window: a fleet's tracks become a race of the user's own, listed and shown at once, by
// the button, by Ctrl+O and by a drop; a set that makes no race writes nothing, leaves the shown race and
// says why in the language chosen.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <cstdlib>
#include <filesystem>

#include "shell/SampleWindow.h"
#include "support/FleetTracks.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

class OpenTracksTest : public SampleWindowTest {
 protected:
  void SetUp() override {
    SampleWindowTest::SetUp();
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
  }
  void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }

  fs::path Races() const { return data.path() / "regatix" / "races"; }
  std::vector<std::string> Chosen(const std::vector<fs::path>& files) const {
    std::vector<std::string> paths;
    for (const fs::path& file : files) paths.push_back(file.string());
    return paths;
  }
  bool Says(const std::string& text) const {
    return !platform.messages.empty() && platform.messages.back().find(text) != std::string::npos;
  }

  testsupport::TempFolder data, tracks;
};

TEST_F(OpenTracksTest, AFleetBecomesARaceOfTheUsersOwnListedAndShown) {
  platform.chosenFiles = Chosen(testsupport::WriteFleet(tracks, 4));
  const int listed = form->Session().Catalogue().raceListCount;
  const size_t messages = platform.messages.size();
  form->controls->btnOpenTracks->click();

  ASSERT_EQ(platform.dialogs.size(), 1u);
  const std::string shown = form->Store().raceFilePath;
  EXPECT_TRUE(shown.starts_with(Races().generic_string())) << shown;
  EXPECT_EQ(form->Store().boatCount, 4);  // its tracks were read from the race's own folder
  const race::RaceCatalogue& catalogue = form->Session().Catalogue();
  ASSERT_EQ(catalogue.raceListCount, listed + 1);
  EXPECT_EQ(catalogue.raceIndex, listed + 1);
  EXPECT_EQ(catalogue.PathOf(form->Store().programFolder, listed + 1), shown);
  EXPECT_EQ(form->controls->ComboBox1->count(), listed + 1);
  // Listed as the user's own races are: its folder, then its race file.
  EXPECT_EQ(form->controls->ComboBox1->currentText().toStdString(),
            fs::path(shown).parent_path().parent_path().filename().string() + "/" +
                fs::path(shown).filename().string());
  for (size_t k = messages; k < platform.messages.size(); ++k)
    EXPECT_EQ(platform.messages[k].find("No race"), std::string::npos) << platform.messages[k];
  // Nothing was written beside the user's own files.
  int besideTracks = 0;
  for (const auto& entry : fs::recursive_directory_iterator(tracks.path()))
    besideTracks += entry.is_regular_file();
  EXPECT_EQ(besideTracks, 4);

  // The list chooses between it and the program's races: SHOW of the sample and back again.
  form->Session().ChooseRace(0);
  form->Session().ShowChosenRace();
  EXPECT_EQ(fs::path(form->Store().raceFilePath).filename(), analysistest::kSampleRaceFile);
  form->Session().ChooseRace(listed);
  form->Session().ShowChosenRace();
  EXPECT_EQ(form->Store().raceFilePath, shown);
}

TEST_F(OpenTracksTest, ASetThatMakesNoRaceWritesNothingAndSaysWhyInEitherLanguage) {
  tracks.Write("in/notes.txt", "Saturday's race, results on the board\r\n");
  platform.chosenFiles = {(tracks.path() / "in").string()};
  const std::string before = form->Store().raceFilePath;
  const int listed = form->Session().Catalogue().raceListCount;

  form->Session().SetLanguage(1);
  form->controls->btnOpenTracks->click();
  EXPECT_TRUE(Says("No race could be made")) << platform.messages.back();
  EXPECT_TRUE(Says("notes.txt: skipped"));
  form->Session().SetLanguage(0);
  form->controls->btnOpenTracks->click();
  EXPECT_TRUE(Says("レースを作れませんでした")) << platform.messages.back();

  EXPECT_FALSE(fs::exists(Races()));
  EXPECT_EQ(form->Store().raceFilePath, before);
  EXPECT_EQ(form->Session().Catalogue().raceListCount, listed);

  // A cancelled dialog does nothing at all.
  platform.chosenFiles.clear();
  const size_t messages = platform.messages.size();
  form->controls->btnOpenTracks->click();
  EXPECT_EQ(platform.messages.size(), messages);
}

TEST_F(OpenTracksTest, OpenOnTheCommandLineMakesTheRaceAtStartAndWhenHandedOver) {
  // The first start, from a program folder with no race of its own: the race made from the folder of tracks
  // named is the first one shown.
  testsupport::WriteFleet(tracks, 3);
  testsupport::TempFolder bare, ownRaces;
  FakePlatform fresh;
  fresh.userRaces = ownRaces.folder();
  shell::TForm1 started(fresh, bare.folder());
  started.FormCreate({(tracks.path() / "in").string()});
  EXPECT_FALSE(started.EndRequested());
  EXPECT_EQ(started.Store().boatCount, 3);
  EXPECT_TRUE(started.Store().raceFilePath.starts_with(ownRaces.folder())) << started.Store().raceFilePath;

  // The same in the window already running, its sample race shown.
  const int listed = form->Session().Catalogue().raceListCount;
  EXPECT_TRUE(form->OpenPaths({(tracks.path() / "in").string()}));
  EXPECT_EQ(form->Store().boatCount, 3);
  const std::string first = form->Store().raceFilePath;

  // Handed to the running window: loose files of another fleet make a second race, shown at once.
  testsupport::TempFolder other;
  shell::StartOptions options;
  options.open = Chosen(testsupport::WriteFleet(other, 4));
  form->TakeCommandLine(options);
  EXPECT_EQ(form->Store().boatCount, 4);
  EXPECT_NE(form->Store().raceFilePath, first);
  EXPECT_EQ(form->Session().Catalogue().raceListCount, listed + 2);

  // A file that is no track, handed over, is named; the race shown stays and nothing is written.
  const std::string shown = form->Store().raceFilePath;
  options.open = {other.Write("notes.txt", "results on the board\r\n").string()};
  form->TakeCommandLine(options);
  EXPECT_TRUE(Says("notes.txt: skipped")) << platform.messages.back();
  EXPECT_EQ(form->Store().raceFilePath, shown);
  EXPECT_EQ(form->Session().Catalogue().raceListCount, listed + 2);
}

TEST_F(OpenTracksTest, TracksOfTwoDaysMakeARaceEachAndSaySo) {
  testsupport::WriteFleet(tracks, 3);
  for (int b = 0; b < 2; ++b) {
    std::string gpx = testsupport::BoatGpx("Next day " + std::to_string(b), b * 25.0);
    for (auto at = gpx.find("2026-05-17"); at != std::string::npos; at = gpx.find("2026-05-17", at))
      gpx.replace(at, 10, "2026-05-18");
    tracks.Write("in/next" + std::to_string(b) + ".gpx", gpx);
  }
  const int listed = form->Session().Catalogue().raceListCount;
  form->OpenPaths({(tracks.path() / "in").string()});
  EXPECT_EQ(form->Session().Catalogue().raceListCount, listed + 2);
  EXPECT_EQ(form->Store().boatCount, 3);  // the first day's race is shown
  EXPECT_TRUE(Says("the tracks are of 2 different days or places: one race each"))
      << platform.messages.back();
  EXPECT_TRUE(Says("gun at 2026/05/18 11:0")) << platform.messages.back();
}

TEST_F(OpenTracksTest, CtrlOAsksForTracksAndADroppedFolderIsOpened) {
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(form->chart, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(platform.dialogs.size(), 1u);

  testsupport::WriteFleet(tracks, 3);
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString((tracks.path() / "in").string())),
                   QUrl(QStringLiteral("https://example.org/track.gpx"))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &drop);
  for (int k = 0; k < 100 && form->Store().boatCount != 3; ++k) QTest::qWait(30);
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_TRUE(form->Store().raceFilePath.starts_with(Races().generic_string()));
}

}  // namespace
}  // namespace shelltest
