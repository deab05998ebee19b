// Loading the race for the batch command: the program folder, the race file, then the desktop's data steps.
#include <filesystem>
#include <iostream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "analysis/PrepareRace.h"
#include "app/BatchCommand.h"
#include "race/FolderLookup.h"
#include "race/ProgramFolder.h"
#include "race/RaceCatalogue.h"
#include "view/BoatGlyph.h"

namespace app {

namespace {

// The readers' buffers are freed by now, but malloc keeps the pages between the tracks it still holds; given
// back, they leave room for the pictures, so that drawing one costs little beyond what the load took.
void ReturnFreedMemory() {
#if defined(__GLIBC__)
  ::malloc_trim(0);
#endif
}

}  // namespace

void RunBatch(const BatchRequest& request, const std::string& executableFolder) {
  LoadedRace loaded;
  race::RaceStore& store = loaded.store;
  store.programFolder = race::FindProgramFolder(request.folder, executableFolder);
  race::RaceCatalogue catalogue;
  race::BuildRaceList(catalogue, store.programFolder);
  if (request.race.empty()) {
    if (!race::ChooseFirstRace(catalogue, store))
      throw analysis::NoTracksError(store.programFolder + "raceadmin/");
  } else if (request.race.find('/') != std::string::npos) {
    store.raceFilePath = request.race;
  } else {
    // Race folders are often made on Windows: a name that differs in letter case still finds its file.
    const auto found = race::FindInFolder(store.programFolder + "raceadmin", request.race);
    store.raceFilePath = found ? found->generic_string() : store.programFolder + "raceadmin/" + request.race;
  }
  // The warnings go out before the outputs, and before the error when the load fails: they say why.
  const auto printWarnings = [&store] {
    for (const race::LoadWarning& warning : store.warnings)
      std::cerr << "warning: " << race::WarningText(warning) << '\n';
  };
  try {
    analysis::PrepareRace(store, loaded.fit, request.width, request.height);
  } catch (const race::InputError&) {
    printWarnings();
    throw;
  }
  printWarnings();
  ReturnFreedMemory();
  view::SelectHullOutline(store);  // as the window's load does, for the pictures
  if (request.northUp) store.northUp = 1;

  for (const RequestedOutput& wanted : request.outputs) {
    for (const OutputKind& kind : BatchOutputs()) {
      if (wanted.option == kind.option) kind.write(loaded, request, wanted.path);
    }
  }
}

}  // namespace app
