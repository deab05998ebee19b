// The window's remembered choices: they survive a restart, a reset forgets them, and a hand-edited settings
// file with nonsense in it changes nothing.
#include <gtest/gtest.h>

#include <QSettings>
#include <filesystem>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/Settings.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

using analysistest::NorthboundTrack;
using shell::TForm1;

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(program);
    program.Write("raceadmin/racefile.st", "sample.txt\r\n");
    // A race of the user's own, in its own folder with its own tracks.
    std::string race = testsupport::ReadFile(program.path() / "raceadmin/sample.txt");
    race.replace(race.find("Sample Race"), 11, "Club Race");
    user.Write("club/raceadmin/club.txt", race);
    user.Write("club/gpsdat/alpha.txt", NorthboundTrack(0.001, 0));
    user.Write("club/gpsdat/bravo.txt", NorthboundTrack(0.0009, 0.01));
    platform.userRaces = user.folder();
    platform.localeId = shell::kJapaneseLocaleId;
  }

  std::unique_ptr<TForm1> Start() {
    auto form = std::make_unique<TForm1>(platform, program.folder());
    form->UseSettings(&settings);
    form->FormCreate();
    return form;
  }

  testsupport::TempFolder program, user, config;
  QSettings settings{QString::fromStdString((config.path() / "regatix.conf").string()), QSettings::IniFormat};
  FakePlatform platform;
};

TEST_F(SettingsTest, TheWindowsChoicesSurviveARestartAndAResetForgetsThem) {
  {
    auto form = Start();
    ASSERT_EQ(form->Store().title1, "Sample Race");
    shell::ControlPanel& controls = *form->controls;
    const int club = controls.ComboBox1->findText(QStringLiteral("club/club.txt"));
    ASSERT_GE(club, 0);
    controls.ComboBox1->setCurrentIndex(club);
    emit controls.ComboBox1->activated(club);
    controls.Button4->click();
    ASSERT_EQ(form->Store().raceFilePath, user.folder() + "club/raceadmin/club.txt");
    Press(controls.usa);
    form->setGeometry(40, 30, 1200, 800);
    form->show();
    controls.ScrollBar1->setValue(60);
    controls.ScrollBar2->setValue(40);
    controls.CheckBox2->click();
    controls.chkLL->click();
    controls.chkAutoNext->click();
    form->Session().RememberDialogFolder(user.folder() + "club/race.mp4");
    form->close();
  }

  {
    auto form = Start();
    shell::ControlPanel& controls = *form->controls;
    EXPECT_EQ(form->Store().raceFilePath, user.folder() + "club/raceadmin/club.txt");
    EXPECT_EQ(form->Store().title1, "Club Race");
    EXPECT_EQ(controls.ComboBox1->currentText(), "club/club.txt");
    EXPECT_EQ(form->State().englishTexts, 1);
    EXPECT_EQ(form->size(), QSize(1200, 800));
    EXPECT_EQ(controls.ScrollBar1->value(), 60);
    EXPECT_EQ(controls.ScrollBar2->value(), 40);
    EXPECT_EQ(form->Session().ZoomPosition(), 40);
    EXPECT_TRUE(controls.CheckBox2->isChecked());
    EXPECT_TRUE(form->State().options.boatName);
    EXPECT_TRUE(controls.chkLL->isChecked());
    EXPECT_TRUE(form->State().options.layLines);
    EXPECT_FALSE(controls.chkAutoNext->isChecked());
    EXPECT_EQ(form->State().catalogue.autoNext, 0);
    EXPECT_EQ(form->Session().DialogFolder(), user.folder() + "club");
  }

  settings.clear();  // what --reset-settings does
  auto form = Start();
  EXPECT_EQ(std::filesystem::path(form->Store().raceFilePath).filename(), "sample.txt");
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->State().clock.speedFactor, 5.0);
  EXPECT_FALSE(form->controls->CheckBox2->isChecked());
  EXPECT_TRUE(form->controls->chkAutoNext->isChecked());
  EXPECT_EQ(form->Session().DialogFolder(), platform.documents);
}

TEST_F(SettingsTest, NonsenseInAHandEditedFileReadsAsNotSet) {
  settings.setValue("replay/speed", "fast");
  settings.setValue("replay/zoom", 900);
  settings.setValue("view/boatName", "maybe");
  settings.setValue("language/english", 7);
  settings.setValue("window/geometry", QByteArray("not a geometry"));
  settings.setValue("race/last", "../../etc/passwd");
  settings.setValue("files/dialogFolder", "/no/such/folder");
  const shell::WindowSettings read = shell::ReadSettings(settings);
  EXPECT_FALSE(read.speed);
  EXPECT_FALSE(read.zoom);
  EXPECT_FALSE(read.boatName);
  EXPECT_FALSE(read.english);
  settings.setValue("replay/speed", "1e308");
  EXPECT_FALSE(shell::ReadSettings(settings).speed);

  // The window starts as it would without them.
  auto form = Start();
  EXPECT_EQ(std::filesystem::path(form->Store().raceFilePath).filename(), "sample.txt");
  EXPECT_EQ(form->State().clock.speedFactor, 5.0);
  EXPECT_EQ(form->controls->ScrollBar2->value(), form->controls->ScrollBar2->maximum());
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->Session().DialogFolder(), platform.documents);
}

}  // namespace
}  // namespace shelltest
