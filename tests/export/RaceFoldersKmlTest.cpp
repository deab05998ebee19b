// Real and bundled races through both exports: every document parses and holds one track line per boat;
// the bundled program folder has every icon the exports point to.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "XmlCheck.h"
#include "analysis/PrepareRace.h"
#include "export/KmlExport.h"
#include "export/KmlText.h"
#include "race/RaceCatalogue.h"
#include "support/TempFolder.h"
#include "support/WarningTexts.h"
#include "view/FrameState.h"

namespace kmltest {
namespace {

namespace fs = std::filesystem;

// Program folders to tour: each real race beside the project and the bundled sample.
std::vector<fs::path> ProgramFolders() {
  std::vector<fs::path> folders;
  const fs::path shared = testsupport::SharedRacesFolder();
  if (!shared.empty() && fs::is_directory(shared)) {
    for (const auto& entry : fs::directory_iterator(shared)) {
      if (fs::is_directory(entry.path() / "raceadmin")) folders.push_back(entry.path());
    }
  }
  const fs::path sample = testsupport::SourceFolder() / "data" / "sample";
  if (fs::is_directory(sample / "raceadmin")) folders.push_back(sample);
  return folders;
}

TEST(RaceFoldersKml, EveryRaceExportsWellFormedWithOneTrackLinePerBoat) {
  int races = 0;
  for (const fs::path& folder : ProgramFolders()) {
    race::RaceCatalogue catalogue;
    const std::string programFolder = folder.string() + "/";
    race::BuildRaceList(catalogue, programFolder);
    for (int r = 1; r <= catalogue.raceListCount; ++r) {
      SCOPED_TRACE(folder.string() + " " + catalogue.raceList[r]);
      race::RaceStore store;
      store.programFolder = programFolder;
      store.raceFilePath = store.programFolder + "raceadmin/" + catalogue.raceList[r];
      analysis::ChartFit fit;
      analysis::PrepareRace(store, fit, 1285, 1000);
      ++races;
      // Real logs are noisy, but nothing in them is a glitch: every fix stays.
      for (const std::string& warning : testsupport::WarningTexts(store))
        EXPECT_EQ(warning.find("glitch"), std::string::npos) << warning;

      kml::KmlOptions options;
      options.iconFolder = store.programFolder + "ya/";
      std::ostringstream whole;
      kml::WriteWholeRace(whole, store, options);
      const ParsedKml parsed = ParseKml(whole.str());
      ASSERT_EQ(parsed.error, "");
      ASSERT_EQ(parsed.placemarks.count("Track Lines"), 1u);
      EXPECT_EQ(static_cast<int>(parsed.placemarks.at("Track Lines").size()), store.boatCount);

      view::FrameState frame;
      view::ResetFrameState(frame, store.boatCount);
      const double middle = store.timelineEnd / 2;
      view::ComputeBoatStates(frame, store, middle);
      std::ostringstream scene;
      kml::WritePresentScene(scene, store, frame, middle, options);
      EXPECT_EQ(ParseKml(scene.str()).error, "");
    }
  }
  if (races == 0) GTEST_SKIP() << "no race folders here";
}

TEST(RaceFoldersKml, SampleFolderHoldsEveryIconTheExportsName) {
  const fs::path ya = testsupport::SourceFolder() / "data" / "sample" / "ya";
  std::vector<std::string> names = {"buoi.png"};
  for (int course = 0; course < 360; ++course) {
    names.push_back("ar" + std::to_string(kml::IconHeading(course + 0.5)) + ".png");
  }
  for (const std::string& name : names) {
    const std::string bytes = testsupport::ReadFile(ya / name);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n") << name;
  }
}

}  // namespace
}  // namespace kmltest
