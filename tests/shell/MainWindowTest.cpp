// The main window on the offscreen platform: start-up choice, control places, SHOW, failed and refused
// loads keeping the shown race, held-off loads, per-boat controls, language and the loading window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPointer>
#include <filesystem>

#include "analysis/PrepareRace.h"
#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"
#include "view/WindowLayout.h"

namespace shelltest {
namespace {

using analysistest::NorthboundTrack;
using shell::LoadResult;
using shell::TForm1;

std::string RaceText(const std::string& title, const std::string& boats) {
  return "T1," + title +
         "\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\nWD,0\r\nMG,0\r\n"
         "LL,45,150\r\nLG,6\r\nMK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.1\r\n"
         "LN,3000.4025,599.9,3000.4025,600.1\r\nCRS,L1,MK1,L2\r\n" +
         boats;
}

// A track whose 40th line carries a latitude that is not a number.
std::string BrokenTrack() {
  std::string text = NorthboundTrack(0.001, 0);
  size_t at = 0;
  for (int line = 1; line < 40; ++line) at = text.find('\n', at) + 1;
  const size_t latitude = at + 3;
  text.replace(latitude, text.find(' ', latitude) - latitude, "N35x2.1");
  return text;
}

// Catalogue, sorted by name: bad.txt (a malformed track), sample.txt (Alpha, Bravo; Charlie's file is
// missing), second.txt (Alpha, Bravo, Delta).
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(folder);
    folder.Write("gpsdat/delta.txt", NorthboundTrack(0.00095, -0.01));
    folder.Write("gpsdat/broken.txt", BrokenTrack());
    folder.Write(
        "raceadmin/second.txt",
        RaceText("Second Race", "BN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\nBN,delta.txt,Delta\r\n"));
    folder.Write("raceadmin/bad.txt", RaceText("Bad Race", "BN,alpha.txt,Alpha\r\nBN,broken.txt,Broken\r\n"));
  }

  std::unique_ptr<TForm1> Start(const std::string& first = "sample.txt") {
    if (!first.empty()) folder.Write("raceadmin/racefile.st", first + "\r\n");
    auto form = std::make_unique<TForm1>(platform, folder.folder());
    form->FormCreate();
    return form;
  }

  int CatalogueIndex(TForm1& form, const std::string& name) {
    for (int k = 1; k <= form.State().catalogue.raceListCount; ++k) {
      if (form.State().catalogue.raceList[k] == name) return k;
    }
    return 0;
  }

  LoadResult Show(TForm1& form, const std::string& name) {
    const int k = CatalogueIndex(form, name);
    form.controls->ComboBox1->setCurrentIndex(k - 1);
    form.Session().ChooseRace(k - 1);
    const std::string before = form.Store().raceFilePath;
    form.controls->Button4->click();
    return form.Store().raceFilePath == before ? LoadResult::Failed : LoadResult::Loaded;
  }

  std::string ShownRace(TForm1& form) { return std::filesystem::path(form.Store().raceFilePath).filename(); }

  testsupport::TempFolder folder;
  FakePlatform platform;
};

TEST_F(MainWindowTest, StartsOnTheRaceThatRacefileNames) {
  auto form = Start("second.txt");
  EXPECT_FALSE(form->EndRequested());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(ShownRace(*form), "second.txt");
  EXPECT_EQ(form->State().catalogue.raceIndex, 3);
  EXPECT_EQ(form->State().catalogue.raceList[3], "second.txt");
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_EQ(form->controls->ComboBox1->currentText(), "second.txt");
  EXPECT_EQ(form->controls->ComboBox1->count(), 3);
  EXPECT_EQ(form->windowTitle().toStdString(), form->Store().raceCaption);
  EXPECT_EQ(platform.guns, 1);
  EXPECT_EQ(form->State().playback.raceTime, form->Store().timelineStart);
  EXPECT_TRUE(form->Session().SecondTimer()->isActive());
  EXPECT_EQ(form->Session().SecondTimer()->interval(), 1000);
  ASSERT_TRUE(form->Session().FramePicture());
  EXPECT_EQ(form->Session().FramePicture()->Width(), view::MapWidth(form->width()));
}

TEST_F(MainWindowTest, ControlsTakeTheirPlacesForTheClientSize) {
  auto form = Start("second.txt");
  form->resize(1600, 970);
  form->LayoutWindow();
  for (const view::NamedBox& place : view::ControlPanelPlaces()) {
    const QString name = QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size()));
    SCOPED_TRACE(name.toStdString());
    auto* control = form->controls->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(place.box.left, place.box.top, place.box.width, place.box.height));
  }
  EXPECT_EQ(form->overview->geometry(), QRect(1335, 0, 265, 200));
  EXPECT_EQ(form->controls->geometry(), QRect(1335, 658, 265, 312));
  EXPECT_EQ(form->timeBar->geometry(), QRect(1285, 0, 50, 970));
  EXPECT_EQ(form->boatList->geometry(), QRect(1335, 200, 265, 458));  // stretched to the gap
  EXPECT_EQ(form->pnlSPLITE->geometry(), QRect(0, 0, 1600, 970));
  EXPECT_EQ(form->overview->Image1->geometry(), QRect(3, 3, 170, 170));
  for (const char* name :
       {"Panel1", "PnlWindGr", "pnlScore",     "pnlFLAG",      "hintbox",   "Memo6",      "Label1",
        "RadioN", "RadioW",    "RadioButton1", "RadioButton3", "CheckBox3", "ScrollBar3", "Image4",
        "Image8", "up_f",      "up_t",         "stop_t",       "dn_f",      "plus",       "minus",
        "blue_p", "imgLOGO",   "btnHELP",      "TimeBar",      "memo4",     "memo5",      "Image3"}) {
    EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }

  // Three boats: 67 pixels of list; in a 480-pixel client area the gap is 25, so the list keeps its height.
  form->resize(800, 480);
  form->LayoutWindow();
  EXPECT_EQ(form->boatList->geometry(), QRect(535, 200, 265, 67));
  // Each row below the one before, its name box, speed bar and wind angle side by side inside the list.
  const auto inList = [&form](QWidget* row) {
    return QRect(row->mapTo(form->boatList, QPoint(0, 0)), row->size());
  };
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    const QRect box = inList(form->boatList->boatCheck[i]);
    const QRect bar = inList(form->boatList->boatBar[i]);
    const QRect angle = inList(form->boatList->boatMemo[i]);
    EXPECT_GT(box.top(), form->boatList->Label1->geometry().bottom());
    if (i > 1) {
      EXPECT_GT(box.top(), inList(form->boatList->boatCheck[i - 1]).bottom());
    }
    EXPECT_EQ(bar.top(), box.top());
    EXPECT_GT(bar.left(), box.right());
    EXPECT_GT(angle.left(), bar.left());
    EXPECT_LE(angle.right(), form->boatList->width());
  }
  EXPECT_EQ(form->boatList->boatCheck[3]->text(), "Delta");
  EXPECT_EQ(form->overview->boatDot[2]->BrushColour(), form->Store().boatColour[2]);

  for (auto [speed, position] : {std::pair{5.0, 19}, {20.0, 44}, {100.0, 80}, {600.0, 100}}) {
    form->controls->ScrollBar1->setValue(position);
    EXPECT_EQ(form->State().clock.speedFactor, speed) << position;
    EXPECT_EQ(form->controls->Memo2->text().toStdString(), std::to_string(static_cast<int>(speed)) + "X");
  }
}

TEST_F(MainWindowTest, ShowLoadsTheChosenRaceOnceAndRefusesTheShownOne) {
  auto form = Start();
  EXPECT_EQ(ShownRace(*form), "sample.txt");
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Loaded);
  EXPECT_EQ(form->State().catalogue.raceIndex, 3);
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_EQ(form->controls->ComboBox1->currentText(), "second.txt");

  const int beeps = platform.beeps;
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages.back(), "Already shown.");
  EXPECT_EQ(platform.beeps, beeps);
}

TEST_F(MainWindowTest, AMalformedTrackKeepsTheShownRaceAndNamesFileAndLine) {
  auto form = Start();
  QCheckBox* alpha = form->boatList->boatCheck[1];
  EXPECT_EQ(Show(*form, "bad.txt"), LoadResult::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages.back(), "gpsdat/broken.txt:40: not a number: \"N35x2.1\"");
  EXPECT_EQ(ShownRace(*form), "sample.txt");
  EXPECT_EQ(form->State().catalogue.raceIndex, 2);
  EXPECT_EQ(form->Store().boatCount, 2);
  EXPECT_EQ(form->boatList->boatCheck[1], alpha);  // the shown race's controls were not touched
  EXPECT_TRUE(form->Session().SecondTimer()->isActive());
  EXPECT_TRUE(form->Session().FramePicture());
  EXPECT_TRUE(form->pnlSPLITE->isHidden());
}

TEST_F(MainWindowTest, AMissingRaceFileAtALaterLoadIsRefused) {
  auto form = Start();
  std::filesystem::remove(folder.path() / "raceadmin/second.txt");
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages.back(), "GPS file not exists.");
  EXPECT_EQ(ShownRace(*form), "sample.txt");
  EXPECT_EQ(form->Store().boatCount, 2);
}

TEST_F(MainWindowTest, StartUpGoesOnToTheNextRaceWhenTheFirstFails) {
  auto form = Start("");  // no racefile.st: the catalogue's first race, bad.txt, is chosen
  EXPECT_FALSE(form->EndRequested());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "gpsdat/broken.txt:40: not a number: \"N35x2.1\"");
  EXPECT_EQ(ShownRace(*form), "sample.txt");
  EXPECT_EQ(form->State().catalogue.raceIndex, 2);
}

TEST(MainWindowStartUp, EndsWhenNoRaceCanBeShown) {
  TestApplication();
  testsupport::TempFolder empty;
  FakePlatform platform;
  TForm1 nothing(platform, empty.folder());
  nothing.FormCreate();
  EXPECT_TRUE(nothing.EndRequested());
  EXPECT_EQ(platform.messages, std::vector<std::string>{"GPS file not exists."});

  testsupport::TempFolder onlyBad;
  onlyBad.Write("raceadmin/bad.txt", RaceText("Bad", "BN,broken.txt,Broken\r\n"));
  onlyBad.Write("gpsdat/broken.txt", BrokenTrack());
  FakePlatform badPlatform;
  TForm1 bad(badPlatform, onlyBad.folder());
  bad.FormCreate();
  EXPECT_TRUE(bad.EndRequested());
  EXPECT_EQ(badPlatform.messages.size(), 1u);
}

TEST_F(MainWindowTest, NoSecondLoadStartsInsideARunningOne) {
  auto form = Start();
  std::vector<LoadResult> inner;
  platform.duringEvents = [&] {
    inner.push_back(form->Session().LoadRace());
    form->controls->Button4->click();
  };
  const size_t messages = platform.messages.size();
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Loaded);
  ASSERT_FALSE(inner.empty());
  for (LoadResult result : inner) EXPECT_EQ(result, LoadResult::HeldOff);
  EXPECT_EQ(platform.messages.size(), messages);
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_FALSE(form->Session().Loading());
}

// A race file that leaves out wind, variation, time difference and lay lines gets the same values in the
// window as in a load without a window, whatever race was shown before.
TEST_F(MainWindowTest, EveryLoadStartsFromAFreshStore) {
  folder.Write("raceadmin/windy.txt",
               "T1,Windy\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\nWD,200\r\nMG,-7\r\n"
               "LL,40,140\r\nLG,9\r\nMK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.1\r\n"
               "CRS,L1,MK1\r\nBN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\n");
  folder.Write(
      "raceadmin/zbare.txt",
      "T1,Bare\r\nST,2024/06/01 10:00:00\r\nFT,2024/06/01 10:10:00\r\nMK,3000.3,600.05\r\n"
      "LN,3000.005,599.9,3000.005,600.1\r\nCRS,L1,MK1\r\nBN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\n");
  auto form = Start("windy.txt");
  ASSERT_EQ(form->Store().windDirection, 200);
  ASSERT_EQ(Show(*form, "zbare.txt"), LoadResult::Loaded);

  race::RaceStore alone;
  alone.programFolder = form->Store().programFolder;
  alone.raceFilePath = form->Store().raceFilePath;
  analysis::ChartFit fit;
  analysis::PrepareRace(alone, fit, 800, 600);
  const race::RaceStore& shown = form->Store();
  EXPECT_EQ(shown.windDirection, alone.windDirection);
  EXPECT_EQ(shown.magneticVariation, alone.magneticVariation);
  EXPECT_EQ(shown.timeDifferenceHours, alone.timeDifferenceHours);
  EXPECT_EQ(shown.layAngle1, alone.layAngle1);
  EXPECT_EQ(shown.layAngle2, alone.layAngle2);
  EXPECT_EQ(shown.boatLength, alone.boatLength);
  EXPECT_EQ(shown.startTime, alone.startTime);
  EXPECT_EQ(shown.startTimeGps, alone.startTimeGps);
  EXPECT_EQ(shown.windDirection, 0);
}

TEST_F(MainWindowTest, PerBoatControlsOfThePreviousRaceAreFreed) {
  auto form = Start();
  Show(*form, "second.txt");
  Show(*form, "sample.txt");
  EXPECT_EQ(form->boatList->findChildren<QCheckBox*>(QStringLiteral("boatCheck")).size(), 2);
  EXPECT_EQ(form->boatList->findChildren<QWidget*>(QStringLiteral("boatBar")).size(), 2);
  EXPECT_EQ(form->boatList->findChildren<QWidget*>(QStringLiteral("boatMemo")).size(), 2);
  EXPECT_EQ(form->overview->findChildren<QWidget*>(QStringLiteral("boatDot")).size(), 2);
  EXPECT_EQ(form->chart->pnlScore->findChildren<QWidget*>(QStringLiteral("scoreLabel")).size(), 2);
  EXPECT_EQ(form->boatList->boatCheck.size(), 3u);
  EXPECT_EQ(form->State().catalogue.raceIndex, 2);
}

TEST_F(MainWindowTest, JapaneseLocaleStartsInJapaneseAndOffersEnglish) {
  platform.localeId = 1041;
  auto form = Start();
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->controls->Button4->text(), QString::fromUtf8("表示"));
  EXPECT_FALSE(form->controls->usa->isHidden());
  EXPECT_TRUE(form->controls->jpn->isHidden());

  platform.localeId = 1033;
  auto english = Start();
  EXPECT_EQ(english->controls->Button4->text(), "SHOW");
  EXPECT_TRUE(english->controls->usa->isHidden());
  EXPECT_TRUE(english->controls->jpn->isHidden());
}

TEST_F(MainWindowTest, FirstLoadReportsOnTheLoadingWindowLaterLoadsOnTheStartUpPanel) {
  folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
  QPointer<shell::TForm2> loading = new shell::TForm2(QRect(0, 0, 1000, 800), shell::Picture("splash"));
  TForm1 form(platform, folder.folder(), loading);
  form.FormCreate();
  ASSERT_TRUE(loading);
  EXPECT_EQ(loading->memo1->text(), "LOADING  charlie.txt  (3/3)");  // a missing file is named too
  EXPECT_EQ(loading->memo2->text(), QString::fromStdString(form.Store().raceCaption).trimmed());
  const shell::QtCanvas& strip = loading->Image2->Canvas();
  EXPECT_EQ(strip.Pixel(strip.Width() - 1, 5), view::Rgb(0, 0, 255));

  Show(form, "second.txt");
  EXPECT_EQ(form.memo4->text(), "delta.txt");
  EXPECT_EQ(form.Image3->Canvas().Pixel(form.Image3->width() - 1, 5), view::Rgb(0, 0, 255));

  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(loading);
}

}  // namespace
}  // namespace shelltest
