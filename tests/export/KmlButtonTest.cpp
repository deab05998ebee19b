// The "Google Earth" button: when the focus question is asked, what its answer exports, and which file.
#include <gtest/gtest.h>

#include <filesystem>

#include "KmlFixture.h"
#include "XmlCheck.h"
#include "export/KmlButton.h"
#include "support/TempFolder.h"

namespace kmltest {
namespace {

class GoogleEarthButton : public ::testing::Test {
 protected:
  GoogleEarthButton() {
    for (const char* name : {"One", "Two", "Three", "Four", "Five"}) {
      AddBoat(store, name, "FFFF0000", {-30, -10, 10, 30, 50});
    }
    store.documentsFolder = documents.path().string();  // without the trailing '/'
    store.programFolder = "/opt/regatix/";
    frame = EmptyScene(store);
  }
  // Presses the button, answering the question (if asked) with yes.
  kml::KmlExportResult Press(bool left, int unfocused, bool yes, int english = 2) {
    return kml::Button3MouseDown(left, {store, frame, 0.0, unfocused, english, {}}, session, [&] {
      ++questionsAsked;
      return yes;
    });
  }
  std::vector<std::string> TrackLines() const {
    const auto parsed = ParseKml(testsupport::ReadFile(documents.path() / "ZELMap5.kml"));
    EXPECT_EQ(parsed.error, "");
    return parsed.placemarks.count("Track Lines") ? parsed.placemarks.at("Track Lines")
                                                  : std::vector<std::string>{};
  }
  testsupport::TempFolder documents;
  race::RaceStore store = SmallRace();
  view::FrameState frame;
  kml::KmlSession session;
  int questionsAsked = 0;
};

TEST_F(GoogleEarthButton, AllInFocusAsksNothingAndKeepsTheEarlierAnswer) {
  Press(false, 0, true);
  EXPECT_EQ(questionsAsked, 0);
  EXPECT_EQ(TrackLines().size(), 5u);  // at program start every boat is exported

  session.kmlHideUnfocused = 1;  // an earlier Yes
  store.boatShown[2] = 0;        // out of focus, but the caller's count says all are in focus
  Press(false, 0, false);
  EXPECT_EQ(questionsAsked, 0);
  EXPECT_EQ(TrackLines(), (std::vector<std::string>{"One", "Three", "Four", "Five"}));
}

TEST_F(GoogleEarthButton, YesExportsOnlyTheFocusedBoatsWithWideLines) {
  store.boatShown[1] = store.boatShown[4] = 0;
  const auto result = Press(false, 2, true);
  EXPECT_EQ(questionsAsked, 1);
  EXPECT_EQ(session.kmlHideUnfocused, 1);
  EXPECT_EQ(TrackLines(), (std::vector<std::string>{"Two", "Three", "Five"}));
  const std::string text = testsupport::ReadFile(result.path);
  EXPECT_EQ(text.find("<width>1</width></LineStyle></Style>\r\n<LineString>"), std::string::npos);

  Press(false, 2, false);  // No: every boat, the unfocused ones thin
  EXPECT_EQ(session.kmlHideUnfocused, 0);
  EXPECT_EQ(TrackLines().size(), 5u);
}

TEST_F(GoogleEarthButton, LeftButtonExportsTheSceneAndOtherButtonsTheRace) {
  frame.boatActive[3] = 1, frame.lastFixIndex[3] = 2;
  const auto scene = Press(true, 0, true);
  EXPECT_EQ(scene.error, "");
  EXPECT_EQ(scene.path, documents.path().string() + "/ZELMap5.kml");
  EXPECT_EQ(session.kmlPath, scene.path);
  auto parsed = ParseKml(testsupport::ReadFile(scene.path));
  EXPECT_EQ(parsed.placemarks.at("10:30:00"), (std::vector<std::string>{"Three", "Three"}));
  EXPECT_EQ(parsed.placemarks.count("Track Lines"), 0u);
  EXPECT_NE(testsupport::ReadFile(scene.path).find("<Icon>\r\n<href>/opt/regatix/ya/ar"), std::string::npos);

  Press(false, 0, true);
  EXPECT_EQ(TrackLines().size(), 5u);
}

TEST_F(GoogleEarthButton, MissingFolderIsMadeAndAFailureNamesPathAndReason) {
  store.documentsFolder = documents.folder() + "gone/";
  EXPECT_EQ(Press(false, 0, true).error, "");
  EXPECT_TRUE(std::filesystem::is_regular_file(documents.path() / "gone/ZELMap5.kml"));

  documents.Write("plain", "");
  store.documentsFolder = documents.folder() + "plain/sub/";  // under a file: cannot be made
  const auto result = Press(true, 1, false, 0);
  EXPECT_EQ(questionsAsked, 1);
  EXPECT_EQ(result.path, documents.folder() + "plain/sub/ZELMap5.kml");
  EXPECT_EQ(result.error, "Not a directory");
  EXPECT_EQ(session.kmlPath, documents.folder() + "gone/ZELMap5.kml");  // the last file written
}

}  // namespace
}  // namespace kmltest
