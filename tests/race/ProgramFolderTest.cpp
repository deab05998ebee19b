// Which program folder the programs take: the command line, the environment, a build tree, an install.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "race/ProgramFolder.h"
#include "support/TempFolder.h"

namespace race {
namespace {

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* home = std::getenv("REGATIX_HOME")) saved_ = home;
    unsetenv("REGATIX_HOME");
  }
  void TearDown() override {
    if (saved_) setenv("REGATIX_HOME", saved_->c_str(), 1);
    else unsetenv("REGATIX_HOME");
  }

  testsupport::TempFolder root;

 private:
  std::optional<std::string> saved_;
};

TEST_F(ProgramFolderTest, AnInstalledProgramFindsItsDataBesideItsBinFolder) {
  root.Write("usr/share/regatix/raceadmin/racefile.st", "");
  root.Write("usr/bin/regatix-batch", "");
  const std::string installed = root.folder() + "usr/share/regatix/";
  EXPECT_EQ(FindProgramFolder("", root.path() / "usr/bin"), installed);
  EXPECT_EQ(FindProgramFolder("", root.folder() + "usr/bin/"), installed);

  // A build tree keeps the races beside the programs.
  root.Write("build/bin/raceadmin/racefile.st", "");
  EXPECT_EQ(FindProgramFolder("", root.path() / "build/bin"), root.folder() + "build/bin/");
  // Neither: the program's own folder, as before.
  EXPECT_EQ(FindProgramFolder("", root.path() / "opt"), root.folder() + "opt/");
}

TEST_F(ProgramFolderTest, TheCommandLineThenTheEnvironmentWin) {
  root.Write("usr/share/regatix/raceadmin/racefile.st", "");
  const std::filesystem::path bin = root.path() / "usr/bin";
  setenv("REGATIX_HOME", (root.folder() + "home").c_str(), 1);
  EXPECT_EQ(FindProgramFolder("", bin), root.folder() + "home/");
  EXPECT_EQ(FindProgramFolder(root.folder() + "named/../club", bin), root.folder() + "club/");
}

}  // namespace
}  // namespace race
