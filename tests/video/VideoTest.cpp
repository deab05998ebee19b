// Video settings checked against the race, frames placed in race time, and MP4 files as ffprobe reads
// them (skipped where Debian's ffmpeg is not installed); cancelled and failed exports leave nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "support/TempFolder.h"
#include "video/VideoExport.h"

namespace video {
namespace {

race::RaceStore RaceOf(double start, double end) {
  race::RaceStore store;
  store.timelineStart = start;
  store.timelineEnd = end;
  return store;
}

TEST(VideoSettings, RefusesSpansOutsideTheRaceAndSizesTooSmallOrOdd) {
  const race::RaceStore store = RaceOf(-190, 3600);
  const VideoSettings whole = WholeRaceVideo(store);
  EXPECT_EQ(CheckVideoSettings(whole, store), "");
  EXPECT_EQ(whole.width, 1280);
  EXPECT_EQ(whole.height, 720);
  EXPECT_EQ(whole.fps, 25);

  const auto problem = [&](auto change) {
    VideoSettings settings = whole;
    change(settings);
    return CheckVideoSettings(settings, store);
  };
  EXPECT_EQ(problem([](VideoSettings& s) { s.from = -200; }),
            "the span -200 s to 3600 s lies outside the race (-190 s to 3600 s)");
  EXPECT_EQ(problem([](VideoSettings& s) { s.to = 3601; }),
            "the span -190 s to 3601 s lies outside the race (-190 s to 3600 s)");
  EXPECT_EQ(problem([](VideoSettings& s) { s.from = s.to = 100; }), "the span 100 s to 100 s is empty");
  EXPECT_EQ(problem([](VideoSettings& s) { s.from = 200, s.to = 100; }), "the span 200 s to 100 s is empty");
  EXPECT_EQ(problem([](VideoSettings& s) { s.from = std::nan(""); }).substr(0, 8), "the span");
  EXPECT_EQ(problem([](VideoSettings& s) { s.speed = 0; }), "the speed must be above 0, not 0");
  EXPECT_EQ(problem([](VideoSettings& s) { s.fps = 0; }), "the frame rate must lie between 1 and 60, not 0");
  EXPECT_EQ(problem([](VideoSettings& s) { s.fps = 61; }),
            "the frame rate must lie between 1 and 60, not 61");
  EXPECT_EQ(problem([](VideoSettings& s) { s.width = 318; }),
            "the size 318x720 is too small (at least 320x240)");
  EXPECT_EQ(problem([](VideoSettings& s) { s.height = 239; }),
            "the size 1280x239 is too small (at least 320x240)");
  EXPECT_EQ(problem([](VideoSettings& s) { s.width = 641; }),
            "the size 641x720 is odd: width and height must be even");
  EXPECT_EQ(problem([](VideoSettings& s) { s.height = 4000; }),
            "the size 1280x4000 is too large (at most 3840 a side)");
}

TEST(VideoSettings, FramesStepBySpeedOverRateAndLastAsLongAsTheSpanAtThatSpeed) {
  VideoSettings settings;
  settings.from = -30;
  settings.to = 70;
  settings.speed = 10;
  settings.fps = 25;
  EXPECT_EQ(VideoFrameCount(settings), 250);  // 100 race seconds at 10X: 10 s of video
  EXPECT_DOUBLE_EQ(VideoFrameTime(settings, 0), -30);
  EXPECT_DOUBLE_EQ(VideoFrameTime(settings, 125), 20);
  settings.speed = 10000;  // shorter than a frame: still one frame
  EXPECT_EQ(VideoFrameCount(settings), 1);
  settings.speed = 0.3;  // 100 / 0.3 * 25 = 8333.33 frames
  EXPECT_EQ(VideoFrameCount(settings), 8333);
}

// Frames of one colour that changes with time, so the encoder has something to do.
class SolidFrames {
 public:
  SolidFrames(int width, int height) : width_(width), pixels_(static_cast<size_t>(width) * height * 4) {}
  FramePixels operator()(double t) {
    for (size_t i = 0; i < pixels_.size(); i += 4) {
      pixels_[i] = static_cast<std::uint8_t>(t);
      pixels_[i + 1] = 128;
      pixels_[i + 2] = static_cast<std::uint8_t>(255 - t);
      pixels_[i + 3] = 255;
    }
    return {pixels_.data(), width_ * 4};
  }

 private:
  int width_;
  std::vector<std::uint8_t> pixels_;
};

VideoSettings SmallVideo() {
  VideoSettings settings;
  settings.from = 0;
  settings.to = 60;
  settings.speed = 20;
  settings.fps = 10;
  settings.width = 320;
  settings.height = 240;
  return settings;  // 30 frames, 3 s
}

std::string Probe(const std::filesystem::path& file) {
  const std::string command =
      "ffprobe -v error -select_streams v:0 -count_frames -show_entries "
      "stream=codec_name,pix_fmt,width,height,nb_read_frames:format=duration "
      "-of default=nw=1 '" +
      file.string() + "'";
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    pclose(pipe);
  }
  return text;
}

bool HaveFfprobe() {
  return std::system("ffprobe -version >/dev/null 2>&1") == 0;
}

TEST(VideoExport, WritesAnH264FileFfprobeReadsWithEveryFrame) {
  testsupport::TempFolder folder;
  const auto path = folder.path() / "race.mp4";
  SolidFrames frames(320, 240);
  int reported = 0;
  const VideoResult result =
      ExportVideo(path.string(), SmallVideo(), std::ref(frames), [&](int done, int total) {
        EXPECT_EQ(total, 30);
        reported = done;
        return true;
      });
  ASSERT_EQ(result.error, "");
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(result.frames, 30);
  EXPECT_EQ(reported, 30);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));
  ASSERT_TRUE(std::filesystem::exists(path));
  if (!HaveFfprobe()) GTEST_SKIP() << "ffprobe is not installed";
  const std::string probe = Probe(path);
  EXPECT_NE(probe.find("codec_name=h264"), std::string::npos) << probe;
  EXPECT_NE(probe.find("pix_fmt=yuv420p"), std::string::npos) << probe;
  EXPECT_NE(probe.find("width=320\nheight=240"), std::string::npos) << probe;
  EXPECT_NE(probe.find("nb_read_frames=30"), std::string::npos) << probe;
  EXPECT_NE(probe.find("duration=3.0"), std::string::npos) << probe;
}

TEST(VideoExport, CancelledOrFailedExportsLeaveNoFileAndKeepTheOldOne) {
  testsupport::TempFolder folder;
  const auto path = folder.Write("race.mp4", "the video of last week");
  SolidFrames frames(320, 240);
  const VideoResult cancelled =
      ExportVideo(path.string(), SmallVideo(), std::ref(frames), [](int done, int) { return done < 5; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(cancelled.error, "");
  EXPECT_EQ(testsupport::ReadFile(path), "the video of last week");
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));

  const auto nowhere = folder.path() / "missing" / "race.mp4";
  const VideoResult failed = ExportVideo(nowhere.string(), SmallVideo(), std::ref(frames));
  EXPECT_EQ(failed.error, "cannot create the file: No such file or directory");
  EXPECT_EQ(failed.frames, 0);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

}  // namespace
}  // namespace video
