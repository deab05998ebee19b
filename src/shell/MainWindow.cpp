// The main window: assembly of session and widgets, the start-up, the layout for any size at any time, the
// loading panel during loads and the close.
#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

#include "pages/BoatHighlight.h"
#include "race/Numbers.h"
#include "shell/LoadWarningsList.h"
#include "shell/LoadingWindow.h"
#include "shell/Pictures.h"
#include "shell/RaceEditor.h"
#include "shell/ShareMenu.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

void Place(QWidget* widget, const view::Box& box) {
  widget->setGeometry(box.left, box.top, box.width, box.height);
}

// The local files and folders among dropped data; addresses of the web are no tracks to open.
std::vector<std::string> DroppedPaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}

}  // namespace

TForm1::TForm1(Platform& platform, std::string programFolder, TForm2* loadingWindow)
    : QWidget(nullptr),
      session_(new RaceSession(platform, std::move(programFolder), this)),
      platform_(platform),
      loadingWindow_(loadingWindow),
      splash_(Picture(QStringLiteral("splash"))) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Regatix"));
  chart = new ChartWidget(*session_, this);
  timeBar = new TimeBarPanel(*session_, this);
  overview = new OverviewPanel(*session_, this);
  boatList = new BoatListPanel(*session_, this);
  controls = new ControlPanel(*session_, this);
  shareMenu_ = new ShareMenu(*session_, overview->imgLOGO, controls->KmlButton());
  CreateLoadingPanel();
  // The chart takes the keys whatever was clicked last: no control keeps the focus.
  setFocusProxy(chart);
  setAcceptDrops(true);
  chart->setFocus();

  connect(session_, &RaceSession::loadStarted, this, &TForm1::ShowLoadingPanel);
  connect(session_, &RaceSession::loadProgress, this, &TForm1::ShowLoadProgress);
  connect(session_, &RaceSession::raceLoaded, this, [this] {
    HideLoadingPanel();
    LayoutWindow();
  });
  connect(session_, &RaceSession::loadFailed, this, &TForm1::HideLoadingPanel);
  connect(session_, &RaceSession::warningsFound, this,
          [this](const std::vector<race::LoadWarning>& warnings) {
            ShowLoadWarnings(this, warnings, session_->State().englishTexts);
          });
  connect(session_, &RaceSession::captionChanged, this, &QWidget::setWindowTitle);
  connect(session_, &RaceSession::editingChanged, this, &TForm1::ShowEditor);
  connect(session_, &RaceSession::closeRequested, this, &QWidget::close);
  connect(boatList, &BoatListPanel::highlightRequested, chart, &ChartWidget::HighlightBoat);
  connect(boatList, &BoatListPanel::highlightCleared, chart, &ChartWidget::ClearHighlight);
  connect(boatList, &BoatListPanel::roomWanted, this, &TForm1::FitBoatListPanels);
  connect(chart, &ChartWidget::pointerOverChart, this, [this] {
    overview->show();
    controls->show();
  });
}

TForm1::~TForm1() {
  // The timers stop before the widgets they draw on go.
  session_->FrameTimer()->stop();
  session_->SecondTimer()->stop();
}

void TForm1::SetWindowFont() {
  // 9 points at 96 dots per inch, as much more as the panels grow on a big window.
  QFont windowFont = font();
  windowFont.setStretch(QFont::SemiCondensed);
  windowFont.setPointSizeF(std::max(1.0, 864.0 / std::max(1, logicalDpiY()) * panelScale_));
  setFont(windowFont);
}

void TForm1::FormCreate(const std::vector<std::string>& open) {
  race::RaceStore& store = Store();
  const WindowSettings remembered = RememberedSettings();
  store.documentsFolder = platform_.DocumentsFolder();
  State().catalogue.userRacesFolder = platform_.UserRacesFolder();
  platform_.ProcessPendingEvents();

  // The window covers the screen, less a strip for the task bar.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    setGeometry(0, 0, area.width(), area.height() - 30);
  }
  LayoutWindow();

  AppState& state = State();
  state.catalogue.autoNext = 1;
  state.tipsOn = 1;
  state.hintText = "\r\n";
  state.frame.framePxPerMinuteLat = 1.0;
  state.frame.framePxPerMinuteLon = 1.0;
  state.sea = view::Sea{};  // the five presets, full brightness, AUTO
  session_->SetLanguage(platform_.UserLocaleId() == kJapaneseLocaleId ? 0 : 2);
  RestoreBeforeFirstLoad(remembered);

  platform_.PlayStartGun();
  session_->BuildRaceList();
  // Tracks named on the command line make the first race even where the program's own folder has none.
  const bool opened = !open.empty() && OpenPaths(open);
  if (!opened && !session_->LoadFirstRace(remembered.lastRace)) {
    endRequested_ = true;
    return;
  }
  RestoreAfterFirstLoad(remembered);
}

void TForm1::LayoutWindow() {
  const double scale = view::PanelScale(width(), height());
  if (scale != panelScale_ || !fontSet_) {
    panelScale_ = scale;
    fontSet_ = true;
    SetWindowFont();
    controls->LayOut(scale);
    overview->LayOut();
  }
  const view::WindowLayout layout =
      view::LayoutWindow(width(), height(), Store().boatListHeight, State().clock.speedFactor, scale);
  Place(pnlSPLITE, layout.pnlSPLITE);
  Place(overview, layout.pnlLOGO);
  Place(controls, layout.pnlCTRL);
  Place(boatList, layout.pnlBOATlist);
  Place(timeBar, layout.pnlTimeBar);
  // The editor's form covers the logo and the boat list, leaving the control panel in reach.
  if (editor) editor->setGeometry(layout.pnlCTRL.left, 0, layout.pnlCTRL.width, layout.pnlCTRL.top);
  const int mapWidth = std::max(1, view::MapWidth(width(), scale));
  chart->setGeometry(0, 0, mapWidth, height());
  session_->SetChartSize(mapWidth, height());
  const view::ProgressPanelLayout progress =
      view::LayoutProgressPanel(pnlSPLITE->width(), pnlSPLITE->height(), Image2->width(), Image2->height());
  Place(Image2, progress.image2);
  if (Image3->width() != progress.image3.width || Image3->height() != progress.image3.height) {
    Image3->SetImageSize(progress.image3.width, progress.image3.height);
  }
  Place(Image3, progress.image3);
  Place(memo4, progress.memo4);
  Place(memo5, progress.memo5);
}

void TForm1::ShowEditor() {
  if (editor == nullptr && session_->Editing()) {
    editor = new RaceEditor(*session_, this);
    LayoutWindow();
    editor->show();
    editor->raise();
  }
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutWindow();
}

void TForm1::FitBoatListPanels() {
  race::RaceStore& store = Store();
  const pages::PanelFit fit = pages::FitBoatListPanels(boatList->y(), store.boatCount, height(),
                                                       overview->height(), controls->height());
  if (fit.hideLogo) overview->hide();
  // Never past the window's bottom: a fleet taller than that scrolls.
  store.boatListHeight =
      std::min(std::max(fit.boatListHeight, boatList->RowsHeight()), height() - boatList->y());
  // The layout gives the list at least this height; it may be taller, filling the gap between the panels.
  if (boatList->height() < store.boatListHeight) boatList->resize(boatList->width(), store.boatListHeight);
  if (fit.hideControl || boatList->geometry().intersects(controls->geometry())) controls->hide();
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

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPaths(event->mimeData()).empty() && !session_->Loading()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = DroppedPaths(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  // The drop ends first: the file manager that sent it should not wait while the race is made and shown.
  QTimer::singleShot(0, session_, [session = session_, paths] { session->OpenTracks(paths); });
}

void TForm1::closeEvent(QCloseEvent* event) {
  SaveSettings();
  session_->FrameTimer()->stop();
  session_->SecondTimer()->stop();
  platform_.RemoveOldGlobeExport();
  platform_.Beep();
  QWidget::closeEvent(event);
}

}  // namespace shell
