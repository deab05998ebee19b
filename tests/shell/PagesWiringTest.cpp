// The Graph and Table choices of the main window: the graph picture replaces the replay, the report is
// written to the documents folder and handed to the desktop, and a report that cannot be written is told.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

class PagesWiringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(folder);
    folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
    platform.documents = documents.folder();
    form = std::make_unique<shell::TForm1>(platform, folder.folder());
    form->FormCreate();
    ASSERT_FALSE(form->EndRequested());
  }

  testsupport::TempFolder folder, documents;
  FakePlatform platform;
  std::unique_ptr<shell::TForm1> form;
};

TEST_F(PagesWiringTest, GraphChoiceDrawsTheGraphPageAndTrackChoiceComesBack) {
  form->RadioButton2->setChecked(true);
  EXPECT_EQ(form->State().activePage, 2);
  EXPECT_FALSE(form->Button4->isEnabled());
  ASSERT_TRUE(form->graphBitmap);
  // The graph page is drawn on white paper with plots, unlike an empty bitmap.
  const QImage& graph = form->graphBitmap->Image();
  int coloured = 0;
  for (int y = 0; y < graph.height(); y += 7) {
    for (int x = 0; x < graph.width(); x += 7) coloured += graph.pixelColor(x, y) != graph.pixelColor(0, 0);
  }
  EXPECT_GT(coloured, 50);
  EXPECT_TRUE(platform.opened.empty());

  form->RadioButton1->setChecked(true);
  EXPECT_EQ(form->State().activePage, 1);
  EXPECT_TRUE(form->Button4->isEnabled());
}

TEST_F(PagesWiringTest, TableChoiceWritesTheReportAndOpensIt) {
  form->RadioButton3->setChecked(true);
  const std::string report = documents.folder() + "NoName.csv";
  ASSERT_TRUE(std::filesystem::exists(report));
  EXPECT_GT(std::filesystem::file_size(report), 100u);
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0], report);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PagesWiringTest, ReportThatCannotBeWrittenIsToldAndNothingOpens) {
  documents.Write("NoName.csv/blocker", "a folder where the report should be");
  form->RadioButton3->setChecked(true);
  EXPECT_TRUE(platform.opened.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("NoName.csv"), std::string::npos);
}

}  // namespace
}  // namespace shelltest
