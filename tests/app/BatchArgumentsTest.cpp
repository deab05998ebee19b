// Option parsing of the batch command: defaults, sizes, outputs in order, and refused command lines.
#include <gtest/gtest.h>

#include "app/BatchCommand.h"

namespace app {
namespace {

BatchRequest Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "regatix-batch");
  return ParseBatchArguments(static_cast<int>(args.size()), args.data());
}

TEST(ParseBatchArguments, ReadsEveryOption) {
  const BatchRequest r = Parse({"--folder", "/data/races", "--race", "a.txt", "--size", "800x600", "--json",
                                "o.json", "--full", "--at", "-12.5", "--north-up", "--manual"});
  EXPECT_EQ(r.folder, "/data/races/");
  EXPECT_EQ(r.race, "a.txt");
  EXPECT_EQ(r.width, 800);
  EXPECT_EQ(r.height, 600);
  ASSERT_EQ(r.outputs.size(), 1u);
  EXPECT_EQ(r.outputs[0].option, "--json");
  EXPECT_EQ(r.outputs[0].path, "o.json");
  EXPECT_TRUE(r.full);
  EXPECT_DOUBLE_EQ(*r.at, -12.5);
  EXPECT_TRUE(r.northUp);
  EXPECT_TRUE(r.manual);
  EXPECT_TRUE(r.sizeGiven);

  const BatchRequest video =
      Parse({"--video", "r.mp4", "--from", "-60", "--to", "600.5", "--speed", "2.5", "--fps", "30"});
  EXPECT_FALSE(video.sizeGiven);  // so the video takes its own 1280x720
  EXPECT_DOUBLE_EQ(*video.from, -60);
  EXPECT_DOUBLE_EQ(*video.to, 600.5);
  EXPECT_DOUBLE_EQ(*video.speed, 2.5);
  EXPECT_EQ(*video.fps, 30);
}

TEST(ParseBatchArguments, MakeRaceTakesEveryPathUpToTheNextOption) {
  const BatchRequest r = Parse({"--make-race", "a.gpx", "tracks/", "b.nmea", "--out", "races"});
  EXPECT_EQ(r.makeRace, (std::vector<std::string>{"a.gpx", "tracks/", "b.nmea"}));
  EXPECT_EQ(r.out, "races");
  EXPECT_THROW(Parse({"--make-race"}), UsageError);
  EXPECT_THROW(Parse({"--out", "races"}), UsageError);
}

TEST(ParseBatchArguments, RefusesWhatItCannotAct) {
  for (const auto& args : std::vector<std::vector<const char*>>{{"--size", "800"},
                                                                {"--size", "0x600"},
                                                                {"--size", "800x60a"},
                                                                {"--json"},
                                                                {"--at", "soon"},
                                                                {"--from", "start"},
                                                                {"--speed", "inf"},
                                                                {"--fps", "25.5"},
                                                                {"--frobnicate"}}) {
    EXPECT_THROW(Parse(args), UsageError) << args[0];
  }
}

}  // namespace
}  // namespace app
