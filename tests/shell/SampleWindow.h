// A main window on the two-boat sample race, with its documents folder in a scratch folder and a recording
// platform: the fixture of the window tests that need a race on screen and nothing more.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "support/TempFolder.h"

namespace shelltest {

class SampleWindowTest : public ::testing::Test {
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

}  // namespace shelltest
