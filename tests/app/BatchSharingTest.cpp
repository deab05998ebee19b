// The batch command's sharing outputs on the sample's 10-boat race: the replay video (checked with ffprobe
// and against the --chart picture of the same moment), the race with time (GDAL's LIBKML reads a track per
// boat) and GPX (xmllint, and the program's own reader). External tools are skipped when not installed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "race/GpxTrackReader.h"
#include "support/TempFolder.h"

#ifdef REGATIX_WITH_IMAGES
#include <QImage>
#endif

namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string out;  // stdout and stderr
};

ToolRun Shell(const std::string& command) {
  ToolRun run;
  if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) run.out += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  return run;
}

bool Have(const std::string& tool) {
  return Shell(tool + " --version").status == 0 || Shell("which " + tool).status == 0;
}

std::string Batch(const std::string& arguments) {
  const char* bin = std::getenv("REGATIX_BIN_DIR");
  const std::string program = bin != nullptr ? std::string(bin) + "/regatix-batch" : REGATIX_BATCH_PROGRAM;
  const fs::path sample = testsupport::SourceFolder() / "data/sample";
  return "'" + program + "' --folder '" + sample.string() + "' --race toba-wl.txt " + arguments;
}

class SampleRaceSharing : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_directory(testsupport::SourceFolder() / "data/sample")) GTEST_SKIP() << "no sample race";
    const ToolRun json = Shell(Batch("--json '" + (folder.path() / "race.json").string() + "'"));
    ASSERT_EQ(json.status, 0) << json.out;
    race = nlohmann::json::parse(testsupport::ReadFile(folder.path() / "race.json"));
  }
  fs::path Out(const std::string& name) const { return folder.path() / name; }
  testsupport::TempFolder folder;
  nlohmann::json race;
};

TEST_F(SampleRaceSharing, RaceWithTimeHasATrackPerBoatThatGdalReadsWithEveryFix) {
  const ToolRun run = Shell(Batch("--kml-time '" + Out("race.kml").string() + "'"));
  ASSERT_EQ(run.status, 0) << run.out;
  if (Have("xmllint")) {
    EXPECT_EQ(Shell("xmllint --noout '" + Out("race.kml").string() + "'").status, 0);
  }
  if (!Have("ogrinfo")) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
  const ToolRun info =
      Shell("ogrinfo -ro -al -geom=SUMMARY --config OGR_SKIP KML '" + Out("race.kml").string() + "' Boats");
  ASSERT_EQ(info.status, 0) << info.out;
  ASSERT_NE(info.out.find("using driver `LIBKML'"), std::string::npos) << info.out;
  // One feature per boat, each a line of as many points as the boat has fixes, in boat order.
  const std::regex points(R"(LINESTRING : (\d+) points)");
  std::vector<int> counts;
  for (auto m = std::sregex_iterator(info.out.begin(), info.out.end(), points); m != std::sregex_iterator();
       ++m) {
    counts.push_back(std::stoi((*m)[1]));
  }
  ASSERT_EQ(counts.size(), race["boats"].size()) << info.out;
  for (size_t b = 0; b < counts.size(); ++b)
    EXPECT_EQ(counts[b], race["boats"][b]["fixCount"].get<int>()) << b;
}

TEST_F(SampleRaceSharing, GpxIsValidAndReadsBackToEveryKeptFix) {
  const ToolRun run = Shell(Batch("--gpx '" + Out("race.gpx").string() + "'"));
  ASSERT_EQ(run.status, 0) << run.out;
  if (Have("xmllint")) {
    const fs::path schema = "/usr/share/xml/gpx/gpx.xsd";  // validated against it where a package put it
    const std::string check = fs::exists(schema) ? "--schema '" + schema.string() + "' " : "";
    const ToolRun lint = Shell("xmllint --noout " + check + "'" + Out("race.gpx").string() + "'");
    EXPECT_EQ(lint.status, 0) << lint.out;
  }
  std::ifstream in(Out("race.gpx"), std::ios::binary);
  const auto fixes = race::ReadGpxTrack(in, "race.gpx");
  size_t expected = 0;
  for (const auto& boat : race["boats"]) expected += boat["fixCount"].get<size_t>();
  EXPECT_EQ(fixes.size(), expected);
  const std::string text = testsupport::ReadFile(Out("race.gpx"));
  EXPECT_NE(text.find("<name>MK1</name>"), std::string::npos);
  EXPECT_NE(text.find("<name>LINE1-P</name>"), std::string::npos);
}

#ifdef REGATIX_WITH_IMAGES
TEST_F(SampleRaceSharing, VideoPlaysTheReplayAndItsMiddleFrameIsTheChartOfThatMoment) {
  // 100 race seconds at 10X, 10 frames a second: 100 frames, 10 s; frame 50 shows race second 50.
  const ToolRun run = Shell(Batch("--video '" + Out("race.mp4").string() +
                                  "' --from 0 --to 100 --speed 10 --fps 10 --size 640x360"));
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out.find("libx264"), std::string::npos)
      << "the encoder's chatter reached the user: " << run.out;
  if (!Have("ffprobe") || !Have("ffmpeg")) GTEST_SKIP() << "Debian's ffmpeg is not installed";
  const ToolRun probe = Shell(
      "ffprobe -v error -select_streams v:0 -count_frames -show_entries "
      "stream=codec_name,pix_fmt,nb_read_frames:format=duration -of default=nw=1 '" +
      Out("race.mp4").string() + "'");
  EXPECT_NE(probe.out.find("codec_name=h264"), std::string::npos) << probe.out;
  EXPECT_NE(probe.out.find("pix_fmt=yuv420p"), std::string::npos) << probe.out;
  EXPECT_NE(probe.out.find("nb_read_frames=100"), std::string::npos) << probe.out;
  EXPECT_NE(probe.out.find("duration=10.0"), std::string::npos) << probe.out;

  const ToolRun frame = Shell("ffmpeg -v error -y -i '" + Out("race.mp4").string() +
                              "' -vf 'select=eq(n\\,50)' -vframes 1 '" + Out("frame.png").string() + "'");
  ASSERT_EQ(frame.status, 0) << frame.out;
  const ToolRun chart = Shell(Batch("--chart '" + Out("chart.png").string() + "' --at 50 --size 640x360"));
  ASSERT_EQ(chart.status, 0) << chart.out;
  const QImage a =
      QImage(QString::fromStdString(Out("frame.png").string())).convertToFormat(QImage::Format_RGB32);
  const QImage b =
      QImage(QString::fromStdString(Out("chart.png").string())).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(a.size(), b.size());
  // Within codec noise: small on average, and few pixels far off (thin lines and text blur a little).
  double sum = 0;
  long far = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      const int d =
          std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
      sum += d / 3.0;
      far += d > 3 * 48 ? 1 : 0;
    }
  }
  const double pixels = static_cast<double>(a.width()) * a.height();
  EXPECT_LT(sum / pixels, 4.0);
  EXPECT_LT(static_cast<double>(far) / pixels, 0.01);
}

TEST_F(SampleRaceSharing, BadVideoRequestsSayWhyExitOneAndWriteNothing) {
  const std::string out = Out("bad.mp4").string();
  const struct {
    std::string arguments, message;
  } cases[] = {
      {"--from -5000", "lies outside the race"}, {"--to 999999", "lies outside the race"},
      {"--from 300 --to 200", "is empty"},       {"--size 641x360", "is odd"},
      {"--size 100x80", "is too small"},         {"--speed 0", "the speed must be above 0"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Shell(Batch("--video '" + out + "' " + c.arguments));
    EXPECT_EQ(run.status, 1) << c.arguments << ": " << run.out;
    EXPECT_NE(run.out.find(out + ": "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
  }
  const ToolRun unwritable =
      Shell(Batch("--from 0 --to 10 --video '" + Out("missing/bad.mp4").string() + "'"));
  EXPECT_EQ(unwritable.status, 1) << unwritable.out;
  EXPECT_NE(unwritable.out.find("missing/bad.mp4: cannot create the file"), std::string::npos)
      << unwritable.out;
  EXPECT_FALSE(fs::exists(out));
  EXPECT_FALSE(fs::exists(out + ".part"));
}
#endif

TEST_F(SampleRaceSharing, UnwritablePathsAreNamedAndExitOne) {
  for (const std::string option : {"--kml-time", "--gpx"}) {
    const std::string out = Out("missing/race.out").string();
    const ToolRun run = Shell(Batch(option + " '" + out + "'"));
    EXPECT_EQ(run.status, 1) << option << ": " << run.out;
    EXPECT_NE(run.out.find(out + ": No such file or directory"), std::string::npos) << run.out;
  }
  EXPECT_FALSE(fs::exists(Out("missing")));
}

}  // namespace
