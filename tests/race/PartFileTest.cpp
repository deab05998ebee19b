// Files replaced only when complete: a failed write keeps the old file and leaves no part behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "race/PartFile.h"
#include "support/TempFolder.h"

namespace race {
namespace {

TEST(PartFile, ReplacesTheTargetOnlyWhenTheWriteSucceeded) {
  testsupport::TempFolder folder;
  const auto target = folder.Write("out.kml", "old");
  EXPECT_EQ(WriteWholeFile(target.string(), [](std::ostream& out) { out << "new"; }), "");
  EXPECT_EQ(testsupport::ReadFile(target), "new");
  EXPECT_FALSE(std::filesystem::exists(target.string() + ".part"));

  // A stream that fails half way (a full disk) reports it and keeps what the user had.
  const std::string error = WriteWholeFile(target.string(), [](std::ostream& out) {
    out << "half";
    out.setstate(std::ios::badbit);
  });
  EXPECT_NE(error, "");
  EXPECT_EQ(testsupport::ReadFile(target), "new");
  EXPECT_FALSE(std::filesystem::exists(target.string() + ".part"));
}

TEST(PartFile, ReportsAFolderThatCannotBeWrittenAndAbandonedPartsGo) {
  testsupport::TempFolder folder;
  const auto missing = folder.path() / "no-such-folder" / "out.gpx";
  EXPECT_EQ(WriteWholeFile(missing.string(), [](std::ostream& out) { out << "x"; }),
            "No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(missing));

  const auto target = folder.path() / "video.mp4";
  {
    PartFile part(target.string());
    std::ofstream(part.path()) << "frames";
    EXPECT_TRUE(std::filesystem::exists(part.path()));
  }  // never committed: a cancelled export
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace race
