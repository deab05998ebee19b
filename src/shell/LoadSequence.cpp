// LoadRace: the new race is built in a copy of the store with a progress display, and swapped in only when
// it loaded; then the window is set up for it. A failed load leaves the race that was shown in place.
#include "analysis/PrepareRace.h"
#include "race/Numbers.h"
#include "race/RaceCatalogue.h"
#include "shell/BoatResultText.h"
#include "shell/LoadWarningsList.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "view/BoatGlyph.h"
#include "view/Compass.h"
#include "view/ReplayPanels.h"
#include "view/TimeBar.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

template <class Control>
void DeleteAll(std::vector<Control*>& controls) {
  for (Control* control : controls) delete control;
  controls.clear();
}

}  // namespace

LoadResult TForm1::LoadRace() {
  return LoadRace(Store().raceFilePath, Store().raceIndex);
}

LoadResult TForm1::LoadRace(const std::string& path, int raceIndex) {
  if (loading_) return LoadResult::HeldOff;  // a load started from inside a running one waits its turn
  loading_ = true;
  const std::string racePath = path;  // path may name a field of the store that is about to be replaced
  const bool timer1WasRunning = Timer1->isActive();
  const bool timer2WasRunning = Timer2->isActive();
  StopTimers();
  platform_.ProcessPendingEvents();
  if (state_.firstLoadDone != 0) LayoutSplashPanel();
  state_.mapWidth = view::MapWidth(width());
  state_.mapHeight = height();
  platform_.Beep();
  // The logo and control panels stay in sight over the start-up panel while the race loads.
  pnlLOGO->show();
  pnlCTRL->show();

  auto next = std::make_unique<race::RaceStore>(Store());
  next->raceFilePath = racePath;
  next->raceIndex = raceIndex;
  analysis::ChartFit fit;
  std::string failure;
  pnlSPLITE->show();
  pnlSPLITE->raise();
  pnlLOGO->raise();
  pnlCTRL->raise();
  hintbox->hide();
  try {
    analysis::PrepareRace(*next, fit, state_.mapWidth, state_.mapHeight,
                          [this, &next](const std::string& boatFile, int i, int boatCount) {
                            ShowLoadProgress(*next, boatFile, i, boatCount);
                          });
  } catch (const analysis::NoTracksError& error) {
    failure = error.problem();
  } catch (const race::InputError& error) {
    failure = error.what();
  }
  if (!failure.empty()) {
    loading_ = false;
    platform_.ShowMessage(failure);
    ShowLoadWarnings(this, next->warnings, state_.englishTexts);
    if (frameBitmap) {
      // The race that was shown goes on as it was.
      pnlSPLITE->hide();
      if (timer1WasRunning) Timer1->start(state_.frameInterval);
      if (timer2WasRunning) Timer2->start(1000);
    }
    return LoadResult::Failed;
  }

  state_.firstLoadDone = 1;
  FreeBoatObjects();
  state_.store = std::move(next);
  state_.chartFit = fit;
  ApplyLoadedRace();
  ShowLoadWarnings(this, Store().warnings, state_.englishTexts);
  loading_ = false;
  return LoadResult::Loaded;
}

void TForm1::StopTimers() {
  Timer1->stop();
  Timer2->stop();
}

void TForm1::ShowLoadProgress(const race::RaceStore& next, const std::string& boatFile, int i,
                              int boatCount) {
  const QString caption = QString::fromStdString(next.raceCaption);
  const QString file = QString::fromStdString(boatFile);
  if (state_.firstLoadDone == 0 && loadingWindow_) {
    loadingWindow_->ShowProgress(caption, file, i, boatCount);
    return;
  }
  memo5->setText(caption.trimmed());
  memo5->show();
  memo5->repaint();
  memo4->setText(file);
  memo4->show();
  memo4->repaint();
  QtCanvas& bar = Image3->Canvas();
  bar.SetPen(view::Rgb(0, 0, 255));
  bar.SetBrush(view::Rgb(0, 0, 255));
  const int filled = boatCount > 0 ? race::RoundToInt(static_cast<double>(bar.Width()) * i / boatCount) : 0;
  if (filled > 0) bar.Rectangle(0, 0, filled, bar.Height());
  Image3->repaint();
}

void TForm1::FreeBoatObjects() {
  DeleteAll(boatDot);
  DeleteAll(boatCheck);
  DeleteAll(boatBar);
  DeleteAll(boatMemo);
  DeleteAll(scoreLabel);
  frameBitmap.reset();
  graphBitmap.reset();
  UraMap.reset();
  windowPicture.reset();
}

void TForm1::CreateBitmaps() {
  frameBitmap = std::make_unique<QtCanvas>(state_.mapWidth, state_.mapHeight, state_.sea.seaColour);
  graphBitmap = std::make_unique<QtCanvas>(state_.mapWidth, state_.mapHeight);
  UraMap = std::make_unique<QtCanvas>(state_.mapWidth, state_.mapHeight);
  pnlScore->move(state_.mapWidth - pnlScore->width() - 5, 5);
  pnlFLAG->resize(blue_p->size());
  pnlFLAG->hide();
}

void TForm1::CreateScoreLabels() {
  const race::RaceStore& store = Store();
  scoreLabel.assign(static_cast<size_t>(store.boatCount) + 1, nullptr);
  if (store.lineCount < 1 || store.boatCount < 1) return;
  for (int b = 1; b <= store.boatCount; ++b) {
    auto* label = new QLabel(pnlScore);
    label->setObjectName(QStringLiteral("scoreLabel"));
    label->setText(QString::fromStdString(
        view::ScoreLabelText(store, b, NameWithMissedPoints(store, b, state_.englishTexts))));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QtCanvas::ToQColor(store.boatColour[b]));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setGeometry(6, store.finishRank[b] * view::kScoreRowHeight - 10, pnlScore->width() - 12, 13);
    label->hide();
    scoreLabel[b] = label;
  }
}

void TForm1::ApplyLoadedRace() {
  race::RaceStore& store = Store();
  CreateBitmaps();

  // Playback defaults: a fresh race plays forward from the start of its time line.
  state_.playback.traceScale = 1.0;
  state_.activePage = 1;
  RadioButton1->setChecked(true);
  state_.unfocusedCount = 0;
  state_.playDirection = 1;
  ScrollBar2->setValue(ScrollBar2->maximum());
  state_.timeStep = 0.1;
  state_.options.autoTrace = true;
  CheckBox1->setChecked(true);
  state_.finishedCount = 0;
  state_.playback.roundingNoticeIndex = 0;
  state_.playback.roundingNoticeText.clear();
  state_.pointer.pickedBoat = 0;
  store.attachmentIndex = 0;

  SetsMap();

  state_.options.northUp = store.northUp > 0;
  (state_.options.northUp ? RadioN : RadioW)->setChecked(true);
  view::DrawOverviewMap(Image1->Canvas(), store, state_.chartFit, state_.sea.seaPreset[1],
                        state_.options.northUp);
  view::DrawCompass(compasst->Canvas(), compasss->Canvas(),
                    view::CompassAngle(store, state_.options.northUp));
  Image1->update();
  compasst->update();
  platform_.Beep();

  CreateScoreLabels();
  TimeBar->SetImageSize(view::kTimeBarWidth30, std::max(1, pnlTimeBar->height() - 60));
  BackTimeBar->SetImageSize(pnlTimeBar->width(), pnlTimeBar->height());
  view::DrawTimeBar(TimeBar->Canvas(), BackTimeBar->Canvas(), store, state_.sun);
  TimeBar->move(11, view::kTimeBarTop);
  LayoutPad();
  up_t->show();
  ApplyLanguage();
  view::SelectHullOutline(store);

  view::ResetFrameState(state_.frame, store.boatCount);
  state_.frame.windowHeight = frameGeometry().height();
  state_.frame.timeBarHeight = TimeBar->height();
  state_.playback.raceTime = store.timelineStart;

  // By whole path: a race of the user's own may share its file name with one of the program's.
  for (int k = 1; k <= store.raceListCount; ++k) {
    if (race::CatalogueRacePath(store, store.raceList[k]) == store.raceFilePath)
      ComboBox1->setCurrentIndex(k - 1);
  }
  setWindowTitle(QString::fromStdString(store.raceCaption));
  Timer2->start(1000);

  LayoutWindow();
  if (store.windFile.empty()) {
    store.windDataPresent = 0;
    PnlWindGr->hide();
  } else {
    store.windDataPresent = 1;
    view::DrawWindGraph(Image10->Canvas(), store);
    Image10->update();
    PnlWindGr->show();
  }
  PlaybackRaceLoaded();
  PresentFrame();
  platform_.Beep();
}

}  // namespace shell
