// The main window on the offscreen platform: start-up choice, control places, SHOW, failed and refused
// loads keeping the shown race, held-off loads, per-boat controls, language and the loading window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPointer>
#include <filesystem>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
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
    for (int k = 1; k <= form.Store().raceListCount; ++k) {
      if (form.Store().raceList[k] == name) return k;
    }
    return 0;
  }

  LoadResult Show(TForm1& form, const std::string& name) {
    const int k = CatalogueIndex(form, name);
    form.ComboBox1->setCurrentIndex(k - 1);
    form.ComboBox1Change(k - 1);
    const std::string before = form.Store().raceFilePath;
    form.Button4Click();
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
  EXPECT_EQ(form->Store().raceIndex, 3);
  EXPECT_EQ(form->Store().raceList[3], "second.txt");
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_EQ(form->ComboBox1->currentText(), "second.txt");
  EXPECT_EQ(form->ComboBox1->count(), 3);
  EXPECT_EQ(form->windowTitle().toStdString(), form->Store().raceCaption);
  EXPECT_EQ(platform.guns, 1);
  EXPECT_EQ(form->State().playback.raceTime, form->Store().timelineStart);
  EXPECT_TRUE(form->Timer2->isActive());
  EXPECT_EQ(form->Timer2->interval(), 1000);
  ASSERT_TRUE(form->frameBitmap);
  EXPECT_EQ(form->frameBitmap->Width(), view::MapWidth(form->width()));
}

TEST_F(MainWindowTest, ControlsTakeTheirPlacesForTheClientSize) {
  auto form = Start("second.txt");
  form->resize(1600, 970);
  form->LayoutWindow();
  for (const view::NamedBox& place : view::ControlPanelPlaces()) {
    const QString name = QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size()));
    SCOPED_TRACE(name.toStdString());
    auto* control = form->pnlCTRL->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(place.box.left, place.box.top, place.box.width, place.box.height));
  }
  EXPECT_EQ(form->pnlLOGO->geometry(), QRect(1335, 0, 265, 200));
  EXPECT_EQ(form->pnlCTRL->geometry(), QRect(1335, 715, 265, 255));
  EXPECT_EQ(form->pnlTimeBar->geometry(), QRect(1285, 0, 50, 970));
  EXPECT_EQ(form->pnlBOATlist->geometry(), QRect(1335, 200, 265, 515));  // stretched to the gap
  EXPECT_EQ(form->pnlSPLITE->geometry(), QRect(0, 0, 1600, 970));
  EXPECT_EQ(form->Image1->geometry(), QRect(3, 3, 170, 170));
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
  EXPECT_EQ(form->pnlBOATlist->geometry(), QRect(535, 200, 265, 67));
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(form->boatCheck[i]->geometry(), QRect(5, 14 * i, 120, 12));
    EXPECT_EQ(form->boatBar[i]->geometry(), QRect(128, 14 * i, 80, 12));
    EXPECT_EQ(form->boatMemo[i]->geometry(), QRect(226, 14 * i, 30, 20));
    EXPECT_EQ(form->boatDot[i]->geometry(), QRect(70, 4 * i, 7, 7));
  }
  EXPECT_EQ(form->boatCheck[3]->text(), "Delta");
  EXPECT_EQ(form->boatDot[2]->BrushColour(), form->Store().boatColour[2]);

  for (auto [speed, position] : {std::pair{5.0, 19}, {20.0, 44}, {100.0, 80}, {600.0, 100}}) {
    form->State().speedFactor = speed;
    form->LayoutWindow();
    EXPECT_EQ(form->ScrollBar1->value(), position) << speed;
  }
}

TEST_F(MainWindowTest, ShowLoadsTheChosenRaceOnceAndRefusesTheShownOne) {
  auto form = Start();
  EXPECT_EQ(ShownRace(*form), "sample.txt");
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Loaded);
  EXPECT_EQ(form->Store().raceIndex, 3);
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_EQ(form->ComboBox1->currentText(), "second.txt");

  const int beeps = platform.beeps;
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages.back(), "Already shown.");
  EXPECT_EQ(platform.beeps, beeps);
}

TEST_F(MainWindowTest, AMalformedTrackKeepsTheShownRaceAndNamesFileAndLine) {
  auto form = Start();
  QCheckBox* alpha = form->boatCheck[1];
  EXPECT_EQ(Show(*form, "bad.txt"), LoadResult::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages.back(), "gpsdat/broken.txt:40: not a number: \"N35x2.1\"");
  EXPECT_EQ(ShownRace(*form), "sample.txt");
  EXPECT_EQ(form->Store().raceIndex, 2);
  EXPECT_EQ(form->Store().boatCount, 2);
  EXPECT_EQ(form->boatCheck[1], alpha);  // the shown race's controls were not touched
  EXPECT_TRUE(form->Timer2->isActive());
  EXPECT_TRUE(form->frameBitmap);
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
  EXPECT_EQ(form->Store().raceIndex, 2);
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
    inner.push_back(form->LoadRace());
    form->Button4Click();
  };
  const size_t messages = platform.messages.size();
  EXPECT_EQ(Show(*form, "second.txt"), LoadResult::Loaded);
  ASSERT_FALSE(inner.empty());
  for (LoadResult result : inner) EXPECT_EQ(result, LoadResult::HeldOff);
  EXPECT_EQ(platform.messages.size(), messages);
  EXPECT_EQ(form->Store().boatCount, 3);
  EXPECT_FALSE(form->Loading());
}

TEST_F(MainWindowTest, PerBoatControlsOfThePreviousRaceAreFreed) {
  auto form = Start();
  Show(*form, "second.txt");
  Show(*form, "sample.txt");
  EXPECT_EQ(form->pnlBOATlist->findChildren<QCheckBox*>(QStringLiteral("boatCheck")).size(), 2);
  EXPECT_EQ(form->pnlBOATlist->findChildren<QWidget*>(QStringLiteral("boatBar")).size(), 2);
  EXPECT_EQ(form->pnlBOATlist->findChildren<QWidget*>(QStringLiteral("boatMemo")).size(), 2);
  EXPECT_EQ(form->pnlLOGO->findChildren<QWidget*>(QStringLiteral("boatDot")).size(), 2);
  EXPECT_EQ(form->pnlScore->findChildren<QWidget*>(QStringLiteral("scoreLabel")).size(), 2);
  EXPECT_EQ(form->boatCheck.size(), 3u);
  EXPECT_EQ(form->Store().raceIndex, 2);
}

TEST_F(MainWindowTest, JapaneseLocaleStartsInJapaneseAndOffersEnglish) {
  platform.localeId = 1041;
  auto form = Start();
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->Button4->text(), QString::fromUtf8("表示"));
  EXPECT_FALSE(form->usa->isHidden());
  EXPECT_TRUE(form->jpn->isHidden());

  platform.localeId = 1033;
  auto english = Start();
  EXPECT_EQ(english->Button4->text(), "SHOW");
  EXPECT_TRUE(english->usa->isHidden());
  EXPECT_TRUE(english->jpn->isHidden());
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
