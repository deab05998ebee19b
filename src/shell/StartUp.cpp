// The main window's start-up and the race catalogue controls: FormCreate, BuildRaceList, the combo box,
// AutoNext and SHOW.
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "race/Numbers.h"
#include "race/RaceCatalogue.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/PlaybackWiring.h"
#include "shell/Pictures.h"
#include "view/SeaColour.h"

namespace shell {

namespace {

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

TForm1::TForm1(Platform& platform, std::string programFolder, TForm2* loadingWindow)
    : QWidget(nullptr),
      platform_(platform),
      loadingWindow_(loadingWindow),
      splash_(Picture(QStringLiteral("splash"))) {
  CreateControls();
  Store().programFolder = WithTrailingSlash(std::move(programFolder));
  setWindowTitle(QStringLiteral("Regatix"));
}

TForm1::~TForm1() {
  // The playback wiring and the boat list's watcher filter events and read this window: they must go
  // before the window's parts are taken down, or the events of that teardown reach a half-destroyed window.
  delete playbackWiring;
  playbackWiring = nullptr;
  delete boatListWatcher_;
  boatListWatcher_ = nullptr;
}

void TForm1::FormCreate() {
  race::RaceStore& store = Store();
  const WindowSettings remembered = RememberedSettings();
  store.documentsFolder = platform_.DocumentsFolder();
  store.userRacesFolder = platform_.UserRacesFolder();
  state_.firstLoadDone = 0;
  platform_.ProcessPendingEvents();

  // The window covers the screen, less a strip for the task bar.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    setGeometry(0, 0, area.width(), area.height() - 30);
  }
  pnlSPLITE->setGeometry(0, 0, width(), height());
  pnlSPLITE->show();
  pnlSPLITE->raise();
  hintbox->hide();

  // 9 points at 96 dots per inch; a condensed face keeps the captions inside their fixed-size controls.
  QFont windowFont = font();
  windowFont.setStretch(QFont::SemiCondensed);
  windowFont.setPointSize(std::max(1, race::RoundToInt(864.0 / std::max(1, logicalDpiY()))));
  setFont(windowFont);

  state_.speedFactor = 5.0;
  store.autoNext = 1;
  chkAutoNext->setChecked(true);
  state_.tipsOn = 1;
  state_.hintText = "\r\n";
  state_.frame.framePxPerMinuteLat = 1.0;
  state_.frame.framePxPerMinuteLon = 1.0;

  if (platform_.UserLocaleId() == kJapaneseLocaleId) {
    state_.englishTexts = 0;
    jpn->hide();
    usa->move(jpn->pos());
    usa->show();
  } else {
    state_.englishTexts = 2;
    jpn->hide();
    usa->hide();
  }
  ApplyLanguage();
  RestoreBeforeFirstLoad(remembered);

  platform_.PlayStartGun();
  BuildRaceList();
  state_.sea = view::Sea{};  // the five presets and full brightness
  state_.frameInterval = 50;
  LoadFirstRace(remembered.lastRace);

  ScrollBar3->setValue(100);
  view::ScrollBar3Change(state_.sea, 100);
  state_.sea.seaAuto = 1;
  CheckBox3->setChecked(true);
  if (!endRequested_) RestoreAfterFirstLoad(remembered);
}

bool TForm1::LoadFirstRace(const std::string& lastRace) {
  race::RaceStore& store = Store();
  for (int k = 1; k <= store.raceListCount && !lastRace.empty(); ++k) {
    if (store.raceList[k] == lastRace &&
        LoadRace(race::CatalogueRacePath(store, lastRace), k) == LoadResult::Loaded)
      return true;
  }
  if (LoadCatalogueFirstRace()) return true;
  endRequested_ = true;
  return false;
}

bool TForm1::LoadCatalogueFirstRace() {
  race::RaceStore& store = Store();
  if (!race::ChooseFirstRace(store)) {
    platform_.ShowMessage(Tr(TextId::GpsFileNotExists));
    return false;
  }
  const std::string chosen = store.raceFilePath;
  if (LoadRace() == LoadResult::Loaded) return true;
  // The chosen race failed and said why: the catalogue's other races are tried in order.
  for (int k = 1; k <= store.raceListCount; ++k) {
    const std::string path = race::CatalogueRacePath(store, store.raceList[k]);
    if (path == chosen) continue;
    if (LoadRace(path, k) == LoadResult::Loaded) return true;
  }
  return false;
}

void TForm1::BuildRaceList() {
  race::BuildRaceList(Store());
  ComboBox1->clear();
  for (int i = 1; i <= Store().raceListCount; ++i)
    ComboBox1->addItem(QString::fromStdString(Store().raceList[i]));
}

void TForm1::ComboBox1Change(int index) {
  Store().comboRaceIndex = index;
}

void TForm1::chkAutoNextClick() {
  Store().autoNext = chkAutoNext->isChecked() ? 1 : 0;
}

void TForm1::Button4Click() {
  if (loading_) return;  // the catalogue waits for the running load
  const std::string trimmed = ComboBox1->currentText().trimmed().toStdString();
  // The shown race is recognised by its whole path; a name that merely contains the chosen one is another
  // race, and a race of the user's own may share its file name with one of the program's.
  const std::string path = race::CatalogueRacePath(Store(), trimmed);
  if (path == Store().raceFilePath) {
    platform_.ShowMessage(Tr(TextId::AlreadyShown));
    return;
  }
  platform_.Beep();
  LoadRace(path, Store().comboRaceIndex + 1);
}

void TForm1::BringToFront() {
  showNormal();
  raise();
  activateWindow();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (loadingWindow_) {
    loadingWindow_->FormDeactivate();
    loadingWindow_ = nullptr;
  }
}

}  // namespace shell
