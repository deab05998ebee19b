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
    const int club = form->ComboBox1->findText(QStringLiteral("club/club.txt"));
    ASSERT_GE(club, 0);
    form->ComboBox1->setCurrentIndex(club);
    form->ComboBox1Change(club);
    form->Button4Click();
    ASSERT_EQ(form->Store().raceFilePath, user.folder() + "club/raceadmin/club.txt");
    form->usaClick();
    form->setGeometry(40, 30, 1200, 800);
    form->show();
    form->ScrollBar1->setValue(60);
    form->ScrollBar2->setValue(40);
    form->CheckBox2->click();
    form->chkLL->click();
    form->chkAutoNext->click();
    form->RememberDialogFolder(QString::fromStdString(user.folder() + "club/race.mp4"));
    form->close();
  }

  {
    auto form = Start();
    EXPECT_EQ(form->Store().raceFilePath, user.folder() + "club/raceadmin/club.txt");
    EXPECT_EQ(form->Store().title1, "Club Race");
    EXPECT_EQ(form->ComboBox1->currentText(), "club/club.txt");
    EXPECT_EQ(form->State().englishTexts, 1);
    EXPECT_EQ(form->size(), QSize(1200, 800));
    EXPECT_EQ(form->State().speedFactor, 60.0);
    EXPECT_EQ(form->ScrollBar2->value(), 40);
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_TRUE(form->State().options.boatName);
    EXPECT_TRUE(form->chkLL->isChecked());
    EXPECT_FALSE(form->chkAutoNext->isChecked());
    EXPECT_EQ(form->Store().autoNext, 0);
    EXPECT_EQ(form->DialogFolder().toStdString(), user.folder() + "club");
  }

  settings.clear();  // what --reset-settings does
  auto form = Start();
  EXPECT_EQ(std::filesystem::path(form->Store().raceFilePath).filename(), "sample.txt");
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->State().speedFactor, 5.0);
  EXPECT_FALSE(form->CheckBox2->isChecked());
  EXPECT_TRUE(form->chkAutoNext->isChecked());
  EXPECT_EQ(form->DialogFolder().toStdString(), platform.documents);
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
  EXPECT_EQ(form->State().speedFactor, 5.0);
  EXPECT_EQ(form->ScrollBar2->value(), form->ScrollBar2->maximum());
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->DialogFolder().toStdString(), platform.documents);
}

}  // namespace
}  // namespace shelltest
