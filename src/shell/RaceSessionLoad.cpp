// The race session's catalogue and load sequence: the race list, the start-up's choice, SHOW, AutoNext,
// and LoadRace, which builds the new race in a fresh store and swaps it in only when it loaded.
#include <QElapsedTimer>
#include <filesystem>

#include "analysis/PrepareRace.h"
#include "race/Numbers.h"
#include "shell/RaceSession.h"
#include "view/BoatGlyph.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

constexpr qint64 kProgressStepMs = 40;

}  // namespace

void RaceSession::BuildRaceList() {
  race::BuildRaceList(state_.catalogue, Store().programFolder);
  autoNextFailures_.clear();
  emit raceListChanged();
}

bool RaceSession::LoadFirstRace(const std::string& lastRace) {
  race::RaceCatalogue& catalogue = state_.catalogue;
  for (int k = 1; k <= catalogue.raceListCount && !lastRace.empty(); ++k) {
    if (catalogue.raceList[k] == lastRace &&
        LoadRace(catalogue.PathOf(Store().programFolder, k), k) == LoadResult::Loaded)
      return true;
  }
  if (!race::ChooseFirstRace(catalogue, Store())) {
    platform_.ShowMessage(Tr(TextId::GpsFileNotExists));
    return false;
  }
  const std::string chosen = Store().raceFilePath;
  if (LoadRace(chosen, catalogue.raceIndex) == LoadResult::Loaded) return true;
  // The chosen race failed and said why: the catalogue's other races are tried in order.
  for (int k = 1; k <= catalogue.raceListCount; ++k) {
    const std::string path = catalogue.PathOf(Store().programFolder, k);
    if (path == chosen) continue;
    if (LoadRace(path, k) == LoadResult::Loaded) return true;
  }
  return false;
}

LoadResult RaceSession::LoadRace() {
  return LoadRace(Store().raceFilePath, state_.catalogue.raceIndex);
}

void RaceSession::ChooseRace(int comboIndex) {
  state_.catalogue.comboRaceIndex = comboIndex;
}

void RaceSession::ShowChosenRace() {
  if (loading_) return;  // the catalogue waits for the running load
  const race::RaceCatalogue& catalogue = state_.catalogue;
  const int k = catalogue.comboRaceIndex + 1;
  if (k < 1 || k > catalogue.raceListCount) return;
  // The shown race is recognised by its whole path: a race of the user's own may share its file name with
  // one of the program's.
  const std::string path = catalogue.PathOf(Store().programFolder, k);
  if (path == Store().raceFilePath) {
    platform_.ShowMessage(Tr(TextId::AlreadyShown));
    return;
  }
  platform_.Beep();
  LoadRace(path, k);
}

bool RaceSession::OpenProgramFolder(const std::string& folder) {
  if (loading_) return false;
  race::RaceCatalogue& catalogue = state_.catalogue;
  const std::string previousFolder = Store().programFolder, previousRace = Store().raceFilePath;
  const int previousIndex = catalogue.raceIndex;
  Store().programFolder = folder;
  BuildRaceList();
  if (LoadFirstRace()) return true;
  // The race shown goes on, with the race list it came from.
  Store().programFolder = previousFolder;
  Store().raceFilePath = previousRace;
  catalogue.raceIndex = previousIndex;
  BuildRaceList();
  return false;
}

void RaceSession::SetAutoNext(bool on) {
  state_.catalogue.autoNext = on ? 1 : 0;
}

LoadResult RaceSession::LoadRace(const std::string& path, int raceIndex) {
  if (loading_) return LoadResult::HeldOff;  // a load started from inside a running one waits its turn
  loading_ = true;
  const std::string racePath = path;  // path may name a field of the store that is about to be replaced
  const bool timer1WasRunning = timer1_->isActive();
  const bool timer2WasRunning = timer2_->isActive();
  timer1_->stop();
  timer2_->stop();
  emit loadStarted();
  platform_.ProcessPendingEvents();
  platform_.Beep();

  // Every load starts from an empty store: a race file without wind, variation, time difference or start
  // must not take the previous race's values. Only the folders carry over.
  auto next = std::make_unique<race::RaceStore>();
  next->programFolder = Store().programFolder;
  next->documentsFolder = Store().documentsFolder;
  next->raceFilePath = racePath;
  analysis::ChartFit fit;
  std::string failure;
  // The progress is painted at once, so each step costs a trip to the display: a fleet read in a blink
  // shows its first and last file, a slow load a step every few hundredths of a second.
  QElapsedTimer sinceShown;
  const auto progress = [this, &next, &sinceShown](const std::string& boatFile, int i, int boatCount) {
    if (i > 1 && i < boatCount && sinceShown.isValid() && sinceShown.elapsed() < kProgressStepMs) return;
    sinceShown.start();
    emit loadProgress(QString::fromStdString(next->raceCaption), QString::fromStdString(boatFile), i,
                      boatCount);
  };
  try {
    analysis::PrepareRace(*next, fit, std::max(1, state_.mapWidth), std::max(1, state_.mapHeight), progress);
  } catch (const analysis::NoTracksError& error) {
    failure = error.problem();
  } catch (const race::InputError& error) {
    failure = error.what();
  }
  if (!failure.empty()) {
    loading_ = false;
    // While the message is up the timers stay stopped, so no tick can start another load behind it.
    platform_.ShowMessage(autoNextLoad_ ? failure + "\r\n" + Tr(TextId::AutoNextGoesOn) : failure);
    if (RaceShown()) {
      // The race that was shown goes on as it was.
      if (timer1WasRunning) timer1_->start(state_.clock.frameInterval);
      if (timer2WasRunning) timer2_->start(1000);
    }
    emit loadFailed(QString::fromStdString(failure));
    // The failed store goes with this call: its warnings (why every boat was dropped ...) are told now.
    emit warningsFound(next->warnings);
    return LoadResult::Failed;
  }
  ApplyLoadedRace(std::move(next), fit, raceIndex);
  emit warningsFound(Store().warnings);
  return LoadResult::Loaded;
}

// AutoNext reached the end of the time line and the next race failed (the user was told once): the races
// after it are tried in turn, and a race that failed is not tried again. When none loads, the shown race
// plays again from the start.
LoadResult RaceSession::LoadNextAfterFailure(int failedIndex) {
  race::RaceCatalogue& catalogue = state_.catalogue;
  autoNextFailures_.insert(catalogue.PathOf(Store().programFolder, failedIndex));
  for (int step = 1; step < catalogue.raceListCount; ++step) {
    const int k = (failedIndex - 1 + step) % catalogue.raceListCount + 1;
    if (k == catalogue.raceIndex) break;
    const std::string path = catalogue.PathOf(Store().programFolder, k);
    if (autoNextFailures_.contains(path)) continue;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) continue;
    autoNextLoad_ = true;
    const LoadResult result = LoadRace(path, k);
    autoNextLoad_ = false;
    if (result == LoadResult::Loaded) return result;
    autoNextFailures_.insert(path);
  }
  BackToStart();
  if (state_.clock.playState == playback::PlayState::Stopped) PlayForward();
  return LoadResult::Failed;
}

LoadResult RaceSession::LoadAutoNext(const std::string& path, int raceIndex) {
  if (autoNextFailures_.contains(path)) return LoadNextAfterFailure(raceIndex);
  autoNextLoad_ = true;
  const LoadResult result = LoadRace(path, raceIndex);
  autoNextLoad_ = false;
  if (result == LoadResult::Failed) return LoadNextAfterFailure(raceIndex);
  return result;
}

void RaceSession::ShowPreparedRace(std::unique_ptr<race::RaceStore> store, const analysis::ChartFit& fit) {
  if (loading_ || store == nullptr) return;
  store->programFolder = Store().programFolder;
  store->documentsFolder = Store().documentsFolder;
  ApplyLoadedRace(std::move(store), fit, 0);
}

void RaceSession::CreatePictures() {
  const int width = std::max(1, state_.mapWidth);
  const int height = std::max(1, state_.mapHeight);
  frameBitmap_ = std::make_unique<QtCanvas>(width, height, state_.sea.seaColour);
  graphBitmap_ = std::make_unique<QtCanvas>(width, height);
  UraMap_ = std::make_unique<QtCanvas>(width, height);
}

void RaceSession::SetChartSize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == state_.mapWidth && height == state_.mapHeight) return;
  state_.mapWidth = width;
  state_.mapHeight = height;
  state_.frame.windowHeight = height;
  if (!RaceShown() || loading_) return;
  CreatePictures();
  Redraw();
}

void RaceSession::ApplyLoadedRace(std::unique_ptr<race::RaceStore> next, const analysis::ChartFit& fit,
                                  int raceIndex) {
  state_.store = std::move(next);
  // Edits of the race shown before go with it.
  if (editing_) {
    editing_ = false;
    emit editingChanged();
  }
  state_.chartFit = fit;
  state_.chartFit.overviewWidth = state_.chartFit.overviewHeight = view::kOverviewSize;
  state_.catalogue.raceIndex = raceIndex;
  state_.firstLoadDone = 1;
  race::RaceStore& store = Store();
  CreatePictures();

  // A fresh race plays forward from the start of its time line, in the fleet view, every boat in focus.
  playback::RaceLoaded(state_.clock, state_.playback, store);
  playback::FormKeyUp(map_);
  state_.options.autoTrace = true;
  state_.options.northUp = store.northUp > 0;
  state_.unfocusedCount = 0;
  state_.pointer.pickedBoat = 0;
  state_.manualView = view::ManualView{};
  store.attachmentIndex = 0;
  store.windDataPresent = store.windFile.empty() ? 0 : 1;
  state_.sun = analysis::EstimateSun(state_.chartFit.midLat, state_.chartFit.midLon, store.startTime,
                                     store.timeDifferenceHours);
  view::SelectHullOutline(store);
  view::ResetFrameState(state_.frame, store.boatCount);
  state_.frame.windowHeight = state_.mapHeight;
  ticker_.clear();
  manoeuvres_.clear();
  manoeuvresFound_ = false;
  loading_ = false;

  emit raceLoaded();
  emit captionChanged(QString::fromStdString(store.raceCaption));
  ApplyPlayState();
  ShowMoment();
  platform_.Beep();
}

}  // namespace shell
