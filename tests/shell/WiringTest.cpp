// Every control of the window, operated as a user does (click, drag, key, wheel) in English and in
// Japanese, changes what it says: the session's state and what the chart shows, or the file or address
// handed to the desktop. A control of the window without a row here fails the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <set>

#include "analysis/Leaderboard.h"
#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/LoadWarningsList.h"
#include "shell/MainWindow.h"
#include "shell/RaceEditor.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/FleetTracks.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

using playback::PlayState;
using shell::TForm1;

// What a control may change, taken before and after it was operated.
struct Snapshot {
  QImage chart;
  view::ViewOptions options;
  view::Pointer pointer;
  view::ManualView manual;
  view::Sea sea;
  playback::Clock clock;
  double raceTime = 0;
  double traceScale = 1;
  int englishTexts = 0;
  int tipsOn = 0;
  race::RaceCatalogue catalogue;
  std::string race;
  std::vector<int> boatShown;
  int boatListHeight = 0;
  QString clockText;
  size_t opened = 0;
  bool warningsShown = false;
  bool byPlace = false;
  std::vector<int> rowOrder;  // boats from the list's top row down
  const race::RaceStore* store = nullptr;
  bool editing = false;
  bool editorShown = false;

  static Snapshot Of(TForm1& form, const FakePlatform& platform) {
    Snapshot s;
    s.chart = form.chart->grab().toImage();
    const shell::AppState& state = form.State();
    s.options = state.options;
    s.pointer = state.pointer;
    s.manual = state.manualView;
    s.sea = state.sea;
    s.clock = state.clock;
    s.raceTime = state.playback.raceTime;
    s.traceScale = state.playback.traceScale;
    s.englishTexts = state.englishTexts;
    s.tipsOn = state.tipsOn;
    s.catalogue = state.catalogue;
    s.race = form.Store().raceFilePath;
    s.boatShown = form.Store().boatShown;
    s.boatListHeight = form.Store().boatListHeight;
    s.clockText = form.overview->Memo1->text();
    s.opened = platform.opened.size();
    const auto* warnings = form.findChild<QDialog*>(shell::kLoadWarningsName);
    s.warningsShown = warnings != nullptr && warnings->isVisible();
    s.byPlace = state.boatListByPlace;
    s.rowOrder = form.boatList->RowOrder();
    s.store = &form.Store();
    s.editing = form.Session().Editing();
    s.editorShown = form.editor != nullptr && !form.editor->isHidden();
    return s;
  }
};

struct Row {
  const char* control;  // the form name of the control
  const char* proves;   // what operating it does
  std::function<void(TForm1&)> setUp;
  std::function<void(TForm1&)> operate;
  std::function<void(const Snapshot& before, const Snapshot& after, const FakePlatform& platform)> check;
  bool redraws = true;  // the chart's pixels change
};

void NoSetUp(TForm1&) {}

// A click on the time bar at a fraction of the time line from its start.
void TimeBarAt(TForm1& form, double fraction) {
  QWidget* bar = form.timeBar->TimeBar;
  Press(bar, Qt::LeftButton, QPoint(15, static_cast<int>(bar->height() * (1 - fraction))));
}

// The replay stopped in mid-race in the fleet view, so each change shows on a still picture.
void StoppedInMidRace(TForm1& form) {
  if (!form.State().options.autoTrace) form.controls->CheckBox1->click();
  Press(form.controls->stop_f);
  form.Session().ShowPage(shell::kTrackPage);
  form.controls->RadioButton1->setChecked(true);
  TimeBarAt(form, 0.5);
}

// A boat beating north into a northerly, tacking every minute between 45 and 315 degrees; a fix every 5 s
// from 9:57:10 to 10:10:20 at about 3.6 knots.
std::string TackingTrack() {
  std::string text = "H  LATITUDE    LONGITUDE    DATE      TIME     ALT  ;track\r\n";
  const double leg = 0.001 * 5 * std::sqrt(0.5);  // minutes of latitude each way per fix
  double lat = 2999.9, lon = 600;
  for (int t = -170; t <= 620; t += 5) {
    const int clock = 10 * 3600 + t;
    char line[120];
    std::snprintf(line, sizeof line, "T  %s %s 2024/06/01 %02d:%02d:%02d 1\r\n",
                  analysistest::DegreesMinutes('N', 'S', lat, 2).c_str(),
                  analysistest::DegreesMinutes('E', 'W', lon, 3).c_str(), clock / 3600, clock / 60 % 60,
                  clock % 60);
    text += line;
    lat += leg;
    lon += ((t + 170) / 60 % 2 == 0 ? 1 : -1) * leg / std::cos(50.0 * std::numbers::pi / 180);
  }
  return text;
}

// The tacking race shown, stopped in mid-race.
void TackingRace(TForm1& form) {
  QComboBox* list = form.controls->ComboBox1;
  const int index = list->findText(QStringLiteral("zigzag.txt"));
  ASSERT_GE(index, 0);
  list->setCurrentIndex(index);
  emit list->activated(index);
  form.controls->Button4->click();
  ASSERT_TRUE(form.Store().raceFilePath.ends_with("zigzag.txt"));
  StoppedInMidRace(form);
}

void ManualView(TForm1& form) {
  StoppedInMidRace(form);
  form.controls->CheckBox1->click();
}

std::vector<Row> Rows() {
  using S = const Snapshot&;
  const auto tick = [](const char* name, const char* proves, bool view::ViewOptions::*option) {
    return Row{name, proves, StoppedInMidRace, [name](TForm1& f) { Part<QAbstractButton>(f, name)->click(); },
               [option](S b, S a, const FakePlatform&) { EXPECT_NE(b.options.*option, a.options.*option); }};
  };
  return {
      {"ComboBox1", "chooses the race SHOW loads", NoSetUp,
       [](TForm1& f) {
         QComboBox* list = f.controls->ComboBox1;
         const int other = list->currentIndex() == 0 ? 1 : 0;
         list->setCurrentIndex(other);
         emit list->activated(other);
       },
       [](S, S a, const FakePlatform&) { EXPECT_NE(a.catalogue.comboRaceIndex + 1, a.catalogue.raceIndex); },
       false},
      {"Button4", "SHOW loads the chosen race", NoSetUp, [](TForm1& f) { f.controls->Button4->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.race, a.race); }},
      {"chkAutoNext", "AutoNext on and off", NoSetUp, [](TForm1& f) { f.controls->chkAutoNext->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.catalogue.autoNext, a.catalogue.autoNext); }, false},
      {"chkLL", "lay lines on the marks",
       [](TForm1& f) {
         StoppedInMidRace(f);
         f.controls->ScrollBar2->setValue(0);  // zoomed out, the marks are in sight
       },
       [](TForm1& f) { f.controls->chkLL->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.options.layLines, a.options.layLines); }},
      tick("ChkRefLine", "the comparison line through each boat", &view::ViewOptions::compLine),
      tick("CheckBox2", "boat names", &view::ViewOptions::boatName),
      {"ChkBigBoat", "small boats drawn bigger",
       [](TForm1& f) {
         StoppedInMidRace(f);
         f.controls->ScrollBar2->setValue(0);  // zoomed out, the boats are small
       },
       [](TForm1& f) { f.controls->ChkBigBoat->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.options.bigBoat, a.options.bigBoat); }},
      {"chkTacks", "tacks and gybes marked on the wakes",
       [](TForm1& f) {
         TackingRace(f);
         // A few seconds after the boat's first tack, so its mark is on the wake.
         const auto& found = f.Session().Manoeuvres()[1];
         ASSERT_FALSE(found.empty());
         f.Session().Step(
             static_cast<int>(std::lround(found.front().seconds + 3 - f.State().playback.raceTime)));
       },
       [](TForm1& f) { f.controls->chkTacks->click(); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_TRUE(!b.options.manoeuvreMarks && a.options.manoeuvreMarks);
       }},
      tick("chkSpeedTail", "wakes coloured by speed, with their key", &view::ViewOptions::speedTails),
      tick("chkLongTail", "longer wakes", &view::ViewOptions::longTails),
      {"cmbSmooth", "the Graph page's curves smoothed",
       [](TForm1& f) {
         TackingRace(f);
         f.controls->RadioButton2->click();
       },
       [](TForm1& f) {
         f.controls->cmbSmooth->setCurrentIndex(2);
         emit f.controls->cmbSmooth->activated(2);
       },
       [](S b, S a, const FakePlatform&) {
         EXPECT_EQ(b.options.graphSmoothSeconds, 0);
         EXPECT_EQ(a.options.graphSmoothSeconds, 30);
       }},
      tick("CheckBox1", "Auto Trace off: the still chart of the whole race", &view::ViewOptions::autoTrace),
      {"RadioN", "north up: chart, compass and overview turn", StoppedInMidRace,
       [](TForm1& f) { f.controls->RadioN->click(); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_FALSE(b.options.northUp);
         EXPECT_TRUE(a.options.northUp);
       }},
      {"RadioW", "wind up again",
       [](TForm1& f) {
         StoppedInMidRace(f);
         f.controls->RadioN->click();
       },
       [](TForm1& f) { f.controls->RadioW->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_TRUE(b.options.northUp && !a.options.northUp); }},
      {"RadioButton2", "the Graph page", StoppedInMidRace,
       [](TForm1& f) { f.controls->RadioButton2->click(); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.activePage, 2); }},
      {"RadioButton3", "the Table page writes the report and opens it", StoppedInMidRace,
       [](TForm1& f) { f.controls->RadioButton3->click(); },
       [](S b, S a, const FakePlatform& p) {
         ASSERT_EQ(a.opened, b.opened + 1);
         EXPECT_TRUE(p.opened.back().ends_with("NoName.csv"));
       }},
      {"RadioButton1", "back to the Track page",
       [](TForm1& f) {
         StoppedInMidRace(f);
         f.controls->RadioButton2->click();
       },
       [](TForm1& f) { f.controls->RadioButton1->click(); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.activePage, 1); }},
      {"up_f", "plays forward", StoppedInMidRace, [](TForm1& f) { Press(f.controls->up_f); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.playState, PlayState::Forward); }, false},
      {"dn_f", "plays backward", StoppedInMidRace, [](TForm1& f) { Press(f.controls->dn_f); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.playState, PlayState::Backward); }, false},
      {"stop_f", "stops",
       [](TForm1& f) {
         StoppedInMidRace(f);
         Press(f.controls->up_f);
       },
       [](TForm1& f) { Press(f.controls->stop_f); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.playState, PlayState::Stopped); }, false},
      {"up_t", "the lit image brings the fleet view back", ManualView,
       [](TForm1& f) { Press(f.controls->up_t); },
       [](S, S a, const FakePlatform&) { EXPECT_TRUE(a.options.autoTrace); }},
      {"dn_t", "the lit image brings the fleet view back", ManualView,
       [](TForm1& f) { Press(f.controls->dn_t); },
       [](S, S a, const FakePlatform&) { EXPECT_TRUE(a.options.autoTrace); }},
      {"stop_t", "the lit image brings the fleet view back", ManualView,
       [](TForm1& f) { Press(f.controls->stop_t); },
       [](S, S a, const FakePlatform&) { EXPECT_TRUE(a.options.autoTrace); }},
      {"plus", "one second on, the clock text with it", StoppedInMidRace,
       [](TForm1& f) { Press(f.controls->plus); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_EQ(a.raceTime, b.raceTime + 1);
         EXPECT_NE(a.clockText, b.clockText);
       }},
      {"minus", "one second back, the clock text with it", StoppedInMidRace,
       [](TForm1& f) { Press(f.controls->minus); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_EQ(a.raceTime, b.raceTime - 1);
         EXPECT_NE(a.clockText, b.clockText);
       }},
      {"ScrollBar1", "SPEED", NoSetUp, [](TForm1& f) { f.controls->ScrollBar1->setValue(80); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.speedFactor, 100); }, false},
      {"ScrollBar2", "ZOOM", StoppedInMidRace, [](TForm1& f) { f.controls->ScrollBar2->setValue(30); },
       [](S b, S a, const FakePlatform&) { EXPECT_GT(a.traceScale, b.traceScale); }},
      {"ScrollBar3", "sea brightness", StoppedInMidRace,
       [](TForm1& f) { f.controls->ScrollBar3->setValue(20); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.sea.seaColour, a.sea.seaColour); }},
      {"CheckBox3", "sea AUTO", StoppedInMidRace, [](TForm1& f) { f.controls->CheckBox3->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.sea.seaAuto, a.sea.seaAuto); }, false},
      {"Image4", "sea swatch 1", StoppedInMidRace, [](TForm1& f) { Press(f.controls->seaSwatch[0]); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.sea.seaColour, a.sea.seaPreset[1]); }},
      {"Image5", "sea swatch 2", StoppedInMidRace, [](TForm1& f) { Press(f.controls->seaSwatch[1]); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.sea.seaColour, a.sea.seaPreset[2]); }},
      {"Image6", "sea swatch 3", StoppedInMidRace, [](TForm1& f) { Press(f.controls->seaSwatch[2]); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.sea.seaColour, a.sea.seaPreset[3]); }},
      {"Image7", "sea swatch 4", StoppedInMidRace, [](TForm1& f) { Press(f.controls->seaSwatch[3]); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.sea.seaColour, a.sea.seaPreset[4]); }},
      {"Image8", "sea swatch 5", StoppedInMidRace, [](TForm1& f) { Press(f.controls->seaSwatch[4]); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.sea.seaColour, a.sea.seaPreset[5]); }},
      {"Button5", "Retouch hands the picture to the desktop", NoSetUp,
       [](TForm1& f) { f.controls->Button5->click(); },
       [](S b, S a, const FakePlatform& p) {
         ASSERT_EQ(a.opened, b.opened + 1);
         EXPECT_TRUE(p.opened.back().ends_with("NoName.bmp"));
       },
       false},
      {"Button3", "Google Earth hands the scene to the desktop", NoSetUp,
       [](TForm1& f) { Press(f.controls->Button3); },
       [](S b, S a, const FakePlatform& p) {
         ASSERT_EQ(a.opened, b.opened + 1);
         EXPECT_TRUE(p.opened.back().ends_with(".kml"));
       },
       false},
      {"Button2", "Attachment opens the race's document", NoSetUp,
       [](TForm1& f) { f.controls->Button2->click(); },
       [](S b, S a, const FakePlatform& p) {
         ASSERT_EQ(a.opened, b.opened + 1);
         EXPECT_TRUE(p.opened.back().ends_with("attachment/rules.txt"));
       },
       false},
      {"btnSHARE", "the share menu's race with time hands a timed KML to the desktop", NoSetUp,
       [](TForm1& f) {
         auto* share = Part<QToolButton>(f, "btnSHARE");
         share->menu()->findChild<QAction*>(QStringLiteral("actKMLTIME"))->trigger();
       },
       [](S b, S a, const FakePlatform& p) {
         ASSERT_EQ(a.opened, b.opened + 1);
         EXPECT_NE(testsupport::ReadFile(p.opened.back()).find("<gx:Track>"), std::string::npos);
       },
       false},
      {"btnWarningsClose", "Close puts the load's warnings away",
       [](TForm1& f) {
         shell::ShowLoadWarnings(&f, {race::LoadWarning{race::WarningKind::kNote, {"check this"}}},
                                 f.State().englishTexts);
       },
       [](TForm1& f) { Part<QPushButton>(f, "btnWarningsClose")->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_TRUE(b.warningsShown && !a.warningsShown); }, false},
      {"chkHint", "tips off", NoSetUp, [](TForm1& f) { f.controls->chkHint->click(); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.tipsOn, a.tipsOn); }, false},
      {"usa", "English", [](TForm1& f) { f.Session().SetLanguage(0); },
       [](TForm1& f) { Press(f.controls->usa); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.englishTexts, 1); }, false},
      {"jpn", "Japanese", [](TForm1& f) { f.Session().SetLanguage(1); },
       [](TForm1& f) { Press(f.controls->jpn); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.englishTexts, 0); }, false},
      {"Image1", "the overview recentres the still chart", ManualView,
       [](TForm1& f) { Press(f.overview->Image1, Qt::LeftButton, QPoint(20, 30)); },
       [](S b, S a, const FakePlatform&) { EXPECT_NE(b.manual.viewCentreLat, a.manual.viewCentreLat); }},
      {"imgLOGO", "the logo opens the web site", NoSetUp, [](TForm1& f) { Press(f.overview->imgLOGO); },
       [](S, S, const FakePlatform& p) { EXPECT_EQ(p.opened.back(), shell::kProductSite); }, false},
      {"btnHELP", "HELP opens the help page", NoSetUp, [](TForm1& f) { f.overview->btnHELP->click(); },
       [](S, S, const FakePlatform& p) { EXPECT_TRUE(p.opened.back().ends_with("index.html")); }, false},
      {"TimeBar", "a click on the time bar jumps there", StoppedInMidRace,
       [](TForm1& f) {
         Press(f.timeBar->TimeBar, Qt::LeftButton, QPoint(15, f.timeBar->TimeBar->height() / 5));
       },
       [](S b, S a, const FakePlatform&) {
         EXPECT_GT(a.raceTime, b.raceTime);
         EXPECT_NE(a.clockText, b.clockText);
       }},
      {"BackTimeBar", "a click under the time bar goes back to the start", StoppedInMidRace,
       [](TForm1& f) {
         Press(f.timeBar->BackTimeBar, Qt::LeftButton, QPoint(10, f.timeBar->BackTimeBar->height() - 5));
       },
       [](S, S a, const FakePlatform&) { EXPECT_LT(a.raceTime, -100); }},
      {"compasst", "the compass hover shows the wind pointers", StoppedInMidRace,
       [](TForm1& f) { Move(f.chart->compasst, QPoint(50, 50)); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.pointer.windMarks, 1); }},
      {"Image10", "the wind graph's hover shows the wind pointers", NoSetUp,
       [](TForm1& f) {
         f.State().pointer.windMarks = 0;
         Move(f.chart->Image10);
       },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.pointer.windMarks, 1); }, false},
      {"boatCheck", "a right click keeps one boat alone in focus", StoppedInMidRace,
       [](TForm1& f) { Press(f.boatList->boatCheck[1], Qt::RightButton, QPoint(30, 5)); },
       [](S, S a, const FakePlatform&) {
         EXPECT_EQ(a.boatShown[1], 1);
         EXPECT_EQ(a.boatShown[2], 0);
       }},
      {"Label1", "the list header brings every boat back into focus",
       [](TForm1& f) {
         StoppedInMidRace(f);
         Press(f.boatList->boatCheck[1], Qt::RightButton, QPoint(30, 5));
       },
       [](TForm1& f) { Press(f.boatList->Label1); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.boatShown[2], 1); }},
      {"chkRank", "the boat list in race order, the leader on top", StoppedInMidRace,
       [](TForm1& f) { f.boatList->chkRank->click(); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_TRUE(!b.byPlace && a.byPlace);
         ASSERT_FALSE(a.rowOrder.empty());
         EXPECT_EQ(a.rowOrder.front(), analysis::RankFleet(*a.store, std::floor(a.raceTime)).front().boat);
       },
       false},
      {"boatBar", "the speed bars make room for a long list", NoSetUp,
       [](TForm1& f) { Move(f.boatList->boatBar[1], QPoint(2, 2)); },
       [](S b, S a, const FakePlatform&) { EXPECT_GT(a.boatListHeight, b.boatListHeight); }, false},
      {"chart", "Space plays and pauses", StoppedInMidRace, [](TForm1& f) { Key(f.chart, Qt::Key_Space); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.playState, PlayState::Forward); }, false},
      {"chart", "Right one second, Shift+Right ten", StoppedInMidRace,
       [](TForm1& f) {
         Key(f.chart, Qt::Key_Right);
         Key(f.chart, Qt::Key_Right, Qt::ShiftModifier);
       },
       [](S b, S a, const FakePlatform&) { EXPECT_EQ(a.raceTime, b.raceTime + 11); }},
      {"chart", "Left one second back", StoppedInMidRace, [](TForm1& f) { Key(f.chart, Qt::Key_Left); },
       [](S b, S a, const FakePlatform&) { EXPECT_EQ(a.raceTime, b.raceTime - 1); }},
      {"chart", "Home back to the start", StoppedInMidRace, [](TForm1& f) { Key(f.chart, Qt::Key_Home); },
       [](S, S a, const FakePlatform&) { EXPECT_LT(a.raceTime, -100); }},
      {"chart", "+ zooms in",
       [](TForm1& f) {
         StoppedInMidRace(f);
         f.controls->ScrollBar2->setValue(50);
       },
       [](TForm1& f) { Key(f.chart, Qt::Key_Plus); },
       [](S b, S a, const FakePlatform&) { EXPECT_LT(a.traceScale, b.traceScale); }},
      {"chart", "- zooms out", StoppedInMidRace, [](TForm1& f) { Key(f.chart, Qt::Key_Minus); },
       [](S b, S a, const FakePlatform&) { EXPECT_GT(a.traceScale, b.traceScale); }},
      {"chart", "the wheel zooms the still chart about the pointer", ManualView,
       [](TForm1& f) { Wheel(f.chart, 1, QPoint(40, 40)); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_GT(a.manual.zoomFactor, b.manual.zoomFactor);
         EXPECT_NE(a.manual.viewCentreLat, b.manual.viewCentreLat);
       }},
      {"chart", "PageUp speeds up", NoSetUp, [](TForm1& f) { Key(f.chart, Qt::Key_PageUp); },
       [](S b, S a, const FakePlatform&) { EXPECT_GT(a.clock.speedFactor, b.clock.speedFactor); }, false},
      {"chart", "a click in the still chart zooms in there", ManualView,
       [](TForm1& f) { Press(f.chart, Qt::LeftButton, QPoint(60, 60)); },
       [](S b, S a, const FakePlatform&) { EXPECT_GT(a.manual.zoomFactor, b.manual.zoomFactor); }},
      {"btnOpenTracks", "Open tracks makes a race of the chosen tracks and shows it",
       [](TForm1& f) {
         // The user's races folder and the tracks both in the scratch documents folder.
         const std::string scratch = f.Store().documentsFolder;
         ::setenv("XDG_DATA_HOME", scratch.c_str(), 1);
         auto& platform = dynamic_cast<FakePlatform&>(f.Session().Services());
         platform.chosenFiles.clear();
         for (int b = 0; b < 3; ++b) {
           const std::string file = scratch + "tracks/boat" + std::to_string(b) + ".gpx";
           std::filesystem::create_directories(scratch + "tracks");
           std::ofstream(file) << testsupport::BoatGpx("Boat " + std::to_string(b), b * 25.0);
           platform.chosenFiles.push_back(file);
         }
       },
       [](TForm1& f) {
         f.controls->btnOpenTracks->click();
         ::unsetenv("XDG_DATA_HOME");
       },
       [](S b, S a, const FakePlatform&) {
         EXPECT_EQ(a.catalogue.raceListCount, b.catalogue.raceListCount + 1);
         EXPECT_NE(a.race, b.race);
         EXPECT_NE(a.race.find("/regatix/races/"), std::string::npos) << a.race;
       }},
      {"btnEditRace", "Edit race opens the editor's form and shows handles on the marks", StoppedInMidRace,
       [](TForm1& f) { f.controls->btnEditRace->click(); },
       [](S, S a, const FakePlatform&) {
         EXPECT_TRUE(a.editing);
         EXPECT_TRUE(a.editorShown);
       }},
      {"btnEditCancel", "Cancel ends the editing with the race as it was",
       [](TForm1& f) {
         StoppedInMidRace(f);
         f.controls->btnEditRace->click();
         f.Session().AddEditMark();
       },
       [](TForm1& f) { f.editor->btnEditCancel->click(); },
       [](S b, S a, const FakePlatform&) {
         EXPECT_FALSE(a.editing);
         EXPECT_FALSE(a.editorShown);
         EXPECT_EQ(a.race, b.race);
         EXPECT_EQ(a.store->markCount, 1);
       }},
      {"btnEditSave", "Save keeps the program's race and shows the saved copy",
       [](TForm1& f) {
         ::setenv("XDG_DATA_HOME", f.Store().documentsFolder.c_str(), 1);
         f.controls->btnEditRace->click();
         f.Session().AddEditMark();
       },
       [](TForm1& f) {
         f.editor->btnEditSave->click();
         ::unsetenv("XDG_DATA_HOME");
       },
       [](S b, S a, const FakePlatform&) {
         EXPECT_FALSE(a.editing);
         EXPECT_NE(a.race, b.race);
         EXPECT_NE(a.race.find("/regatix/races/"), std::string::npos) << a.race;
         EXPECT_GT(a.catalogue.raceListCount, b.catalogue.raceListCount);
         EXPECT_GT(a.catalogue.raceIndex, 0);  // the copy is listed
       }},
      {"Button1", "EXIT stops and closes the window", NoSetUp,
       [](TForm1& f) { f.controls->Button1->click(); },
       [](S, S a, const FakePlatform&) { EXPECT_EQ(a.clock.playState, PlayState::Stopped); }, false},
  };
}

// The controls of the window: buttons, boxes, lists, bars, images that do something, the boat list's
// header and the chart itself.
std::set<std::string> ControlsOf(TForm1& form) {
  std::set<std::string> names = {"chart", "Label1"};
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                         qobject_cast<QComboBox*>(widget) != nullptr ||
                         qobject_cast<QScrollBar*>(widget) != nullptr ||
                         (qobject_cast<shell::CanvasImage*>(widget) != nullptr &&
                          static_cast<shell::CanvasImage*>(widget)->Operable());
    // The parts of a list box (its pop-up's scroll bars) or of a scrolled list belong to it.
    bool insideList = false;
    for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
      insideList = insideList || qobject_cast<QComboBox*>(up) != nullptr ||
                   qobject_cast<QAbstractScrollArea*>(up) != nullptr;
    if (control && !insideList) names.insert(widget->objectName().toStdString());
  }
  return names;
}

class WiringTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(folder, "AT,rules.txt\r\n");
    // The wind from the north-east, so north-up and wind-up differ.
    const std::filesystem::path race = folder.path() / "raceadmin" / analysistest::kSampleRaceFile;
    std::ifstream in(race, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    text.replace(text.find("WD,0"), 4, "WD,40");
    folder.Write(std::string("raceadmin/") + analysistest::kSampleRaceFile, text);
    folder.Write("attachment/rules.txt", "x");
    folder.Write("help/index.html", "<html></html>");
    folder.Write("help-e/index.html", "<html></html>");
    folder.Write("raceadmin/other.txt",
                 "T1,Other\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\n"
                 "MK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.1\r\nCRS,L1,MK1\r\n"
                 "BN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\n");
    folder.Write(
        "raceadmin/zigzag.txt",
        "T1,Zigzag\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\nWD,0\r\n"
        "MK,3000.3,600.05\r\nLN,2999.905,599.9,2999.905,600.1\r\nCRS,L1,MK1\r\nBN,zigzag.txt,Zigzag\r\n");
    folder.Write("gpsdat/zigzag.txt", TackingTrack());
    folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
    platform.documents = documents.folder();
    platform.localeId = GetParam();
  }

  testsupport::TempFolder folder, documents;
  FakePlatform platform;
};

TEST_P(WiringTest, EveryControlChangesWhatItSays) {
  const std::vector<Row> rows = Rows();
  std::set<std::string> covered;
  for (const Row& row : rows) covered.insert(row.control);
  {
    TForm1 form(platform, folder.folder());
    form.FormCreate();
    ASSERT_FALSE(form.EndRequested());
    for (const std::string& control : ControlsOf(form)) {
      EXPECT_TRUE(covered.contains(control)) << "no row for the control " << control;
    }
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.control) + ": " + row.proves);
    // Each control on a window of its own, so no row depends on another.
    TForm1 form(platform, folder.folder());
    form.resize(1280, 720);
    form.FormCreate();
    form.resize(1280, 720);
    form.LayoutWindow();
    ASSERT_FALSE(form.EndRequested());
    row.setUp(form);
    const Snapshot before = Snapshot::Of(form, platform);
    row.operate(form);
    const Snapshot after = Snapshot::Of(form, platform);
    row.check(before, after, platform);
    if (row.redraws) {
      EXPECT_NE(before.chart, after.chart) << "the chart shows no change";
    }
    form.Session().FrameTimer()->stop();
    form.Session().SecondTimer()->stop();
  }
}

INSTANTIATE_TEST_SUITE_P(InBothLanguages, WiringTest, ::testing::Values(1033, shell::kJapaneseLocaleId),
                         [](const auto& info) { return info.param == 1033 ? "English" : "Japanese"; });

}  // namespace
}  // namespace shelltest
