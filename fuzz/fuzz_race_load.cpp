// Fuzz target: a whole race load (race file, wind, tracks, coastline, analysis) where the race file is the
// input and the sample regatta's tracks, wind and coastline lie beside it. Catches the analysis faults a
// course with missing marks, no boats or an empty window can lead to.
#include "FuzzFolder.h"
#include "analysis/ChartFit.h"
#include "analysis/PrepareRace.h"
#include "race/InputError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = [] {
    const std::filesystem::path sample = REGATIX_SAMPLE_DIR;
    const std::filesystem::path here = fuzzing::ProgramFolder();
    for (const char* sub : {"gpsdat", "winddat", "coastline", "attachment"}) {
      std::filesystem::copy(sample / sub, here / sub,
                            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }
    return fuzzing::ProgramFolder();
  }();
  fuzzing::Write("raceadmin/race.txt", fuzzing::Bytes(data, size));
  race::RaceStore store;
  store.programFolder = folder;
  store.raceFilePath = folder + "raceadmin/race.txt";
  analysis::ChartFit fit;
  try {
    analysis::PrepareRace(store, fit, 800, 600);
  } catch (const race::InputError&) {
  }
  return 0;
}
