// The data steps of the load sequence, in order.
#include "analysis/PrepareRace.h"

#include <algorithm>
#include <filesystem>
#include <new>

#include "analysis/CourseWarnings.h"
#include "analysis/FixCourseAndSpeed.h"
#include "analysis/Legs.h"
#include "analysis/MarkPassings.h"
#include "race/BoatColours.h"
#include "race/Coastline.h"
#include "race/FolderLookup.h"
#include "race/RaceFile.h"
#include "race/TrackReadAhead.h"
#include "race/WindFile.h"

namespace analysis {

NoTracksError::NoTracksError(const std::string& raceFile) : race::InputError(raceFile, 0, kNoTracksMessage) {}

namespace {

// What a load clears before the race file is read, so nothing of the previous race shows through.
void ResetRaceTexts(race::RaceStore& store) {
  store.title1.clear();
  store.title2.clear();
  store.flagText.clear();
  store.raceNote.clear();
  store.windFile.clear();
  store.mapImageCount = 0;
  store.coastCount = 0;
  store.coastPieces.clear();
  store.windCount = 0;
  store.windTime.clear();
  store.windSpeed.clear();
  store.windDir.clear();
}

void ReleaseTracks(race::RaceStore& store) {
  store.trackTime.clear();
  store.trackLat.clear();
  store.trackLon.clear();
  store.trackSpeed.clear();
  store.trackCourse.clear();
}

}  // namespace

NoBoatKeptError::NoBoatKeptError(const std::string& raceFile)
    : race::InputError(raceFile, 0, kNoBoatKeptMessage) {}

namespace {

void PrepareRaceSteps(race::RaceStore& store, ChartFit& fit, int mapWidth, int mapHeight,
                      const TrackProgress& progress) {
  ResetRaceTexts(store);
  store.warnings.clear();
  // A missing race file would leave the previous race's boats in place: refuse it instead.
  std::error_code error;
  if (!std::filesystem::is_regular_file(store.raceFilePath, error))
    throw NoTracksError(race::FileLabel(store.programFolder, store.raceFilePath));
  const std::filesystem::path raceFile(store.raceFilePath);
  if (raceFile.parent_path() == std::filesystem::path(store.programFolder + "raceadmin") &&
      !race::StaysInside(raceFile.parent_path(), raceFile)) {
    throw race::InputError(race::FileLabel(store.programFolder, raceFile), 0,
                           "a link leading outside raceadmin/, not read");
  }
  race::ParseRaceFile(store, store.raceFilePath);
  if (store.boatCount < 1) throw NoTracksError(race::FileLabel(store.programFolder, store.raceFilePath));

  race::LoadWindFile(store);
  ReleaseTracks(store);
  race::SizeTrackArrays(store);
  race::SetBoatColours(store);
  race::LoadAllTracks(store, progress, race::TrackReadWorkers());
  // Every boat dropped: an empty chart would say nothing, so the load fails; the warnings say why. When not
  // one track file was there, it is the refusal of a race without tracks.
  if (store.boatCount < 1) {
    const std::string raceFile = race::FileLabel(store.programFolder, store.raceFilePath);
    const bool noFileFound =
        std::none_of(store.warnings.begin(), store.warnings.end(), [](const race::LoadWarning& w) {
          // These say a track was read and then left out; the others tell of files not read (missing, a link
          // out of the folder, no permission) or of fixes dropped.
          return w.kind == race::WarningKind::kNoFixInWindow ||
                 w.kind == race::WarningKind::kNoFixInWindowHours ||
                 w.kind == race::WarningKind::kTooFewFixes;
        });
    if (noFileFound) throw NoTracksError(raceFile);
    throw NoBoatKeptError(raceFile);
  }

  fit = FitChart(store, mapWidth, mapHeight);
  race::LoadCoastline(store, race::CoastWindowFit{fit.trackMinLat, fit.trackMaxLat, fit.midLat, fit.midLon});

  ComputeFixCourseAndSpeed(store, fit.cosMidLatitude);
  DetectMarkPassings(store);
  WarnAboutCourse(store, fit.cosMidLatitude);
  TrimAfterFinish(store);
  ComputeLegSailedDistances(store, fit.cosMidLatitude);
  ComputeCourseLegs(store, fit.cosMidLatitude);
  store.windDataPresent = store.windFile.empty() ? 0 : 1;
}

}  // namespace

void PrepareRace(race::RaceStore& store, ChartFit& fit, int mapWidth, int mapHeight,
                 const TrackProgress& progress) {
  try {
    PrepareRaceSteps(store, fit, mapWidth, mapHeight, progress);
  } catch (const std::bad_alloc&) {
    // Input far beyond any race's: what it took is given back and the race on screen stays.
    ReleaseTracks(store);
    throw race::InputError(race::FileLabel(store.programFolder, store.raceFilePath), 0,
                           "not enough memory to load the race");
  }
}

}  // namespace analysis
