// Track files read ahead on two workers must load exactly as one worker loads them: the same boats in the
// same slots, the same fixes, the same warnings in the same order, and the same fault.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "RaceFolder.h"
#include "race/InputError.h"
#include "race/TrackLoader.h"

namespace race {
namespace {

using racetest::RaceFolder;

// A GPX track of count fixes a second apart from the gun on; every glitchEvery-th fix (when above 0) lies a
// degree away.
std::string GpxTrack(int count, int glitchEvery = 0, int fromSecond = 0) {
  std::string text = "<?xml version=\"1.0\"?>\n<gpx><trk><name>Log</name><trkseg>\n";
  char line[160];
  for (int k = 0; k < count; ++k) {
    const int t = 3600 + fromSecond + k;
    const bool glitch = glitchEvery > 0 && k % glitchEvery == glitchEvery / 2;
    std::snprintf(line, sizeof line,
                  "<trkpt lat=\"%.6f\" lon=\"139.82\"><time>2008-05-17T%02d:%02d:%02d.5Z</time></trkpt>\n",
                  35.29 + k * 1e-5 + (glitch ? 1.0 : 0.0), t / 3600, t / 60 % 60, t % 60);
    text += line;
  }
  return text + "</trkseg></trk></gpx>\n";
}

// Boats of the given file texts (an empty text: no file), boat k's file bk.gpx.
void GpxRace(RaceFolder& r, const std::vector<std::string>& tracks) {
  std::string race = racetest::kRaceTimes;
  for (std::size_t k = 0; k < tracks.size(); ++k) {
    const std::string name = "b" + std::to_string(k + 1) + ".gpx";
    if (!tracks[k].empty()) r.Write("gpsdat/" + name, tracks[k]);
    race += "BN," + name + ",Boat " + std::to_string(k + 1) + (k % 3 == 1 ? ",7" : "") + "\r\n";
  }
  r.Parse(race);
  SizeTrackArrays(r.store);
}

// Everything the load leaves in the store, slot by slot up to lastSlot (all kept boats when 0), and its
// warnings; a fault's message first.
std::string LoadedWith(const std::vector<std::string>& tracks, int workers, int lastSlot = 0) {
  RaceFolder r;
  GpxRace(r, tracks);
  std::ostringstream out;
  try {
    LoadAllTracks(r.store, {}, workers);
  } catch (const InputError& error) {
    out << "fault: " << error.what() << "\n";
  }
  const RaceStore& s = r.store;
  out << s.boatCount << " kept, " << s.droppedBoatCount << " dropped\n";
  for (int slot = 1; slot <= (lastSlot > 0 ? lastSlot : s.boatCount); ++slot) {
    out << s.boatFile[slot] << " " << s.boatName[slot] << " " << s.boatTimeOffset[slot] << " "
        << s.boatShown[slot] << " " << s.fixCount[slot] << " " << s.fixInterval[slot] << ":";
    for (int i = 0; i <= s.fixCount[slot]; ++i) {
      out << " " << s.trackTime[slot].raw()[i] << "," << s.trackLat[slot].raw()[i] << ","
          << s.trackLon[slot].raw()[i];
    }
    out << "\n";
  }
  for (const LoadWarning& warning : s.warnings) out << WarningText(warning) << "\n";
  return out.str();
}

TEST(TrackReadAhead, TwoWorkersLoadWhatOneWorkerLoads) {
  // Missing files, short tracks, tracks outside the window and enough glitches to fill the warning list.
  std::vector<std::string> tracks;
  for (int k = 0; k < 45; ++k) {
    tracks.push_back(k % 9 == 4   ? std::string()
                     : k % 9 == 7 ? GpxTrack(40)
                     : k % 9 == 8 ? GpxTrack(60, 0, 20000)
                                  : GpxTrack(80 + k, k % 2 == 0 ? 12 : 9));
  }
  const std::string one = LoadedWith(tracks, 1);
  ASSERT_EQ(one.find("fault"), std::string::npos) << one;
  EXPECT_NE(one.find("no fix inside the race window"), std::string::npos) << one;
  EXPECT_NE(one.find("not found in gpsdat"), std::string::npos);
  EXPECT_NE(one.find("only 40 fixes"), std::string::npos);
  EXPECT_NE(one.find("more warnings"), std::string::npos) << one;
  EXPECT_EQ(LoadedWith(tracks, 2), one);
}

TEST(TrackReadAhead, AFaultyFileStopsTheLoadWhereOneWorkerStops) {
  const std::string faulty = "<gpx><trk><trkseg><trkpt lat=\"x\" lon=\"1\"/></trkseg></trk></gpx>";
  std::vector<std::string> tracks = {GpxTrack(60, 12), std::string(), GpxTrack(60), faulty, GpxTrack(70, 12)};
  for (int k = 0; k < 6; ++k) tracks.push_back(GpxTrack(60 + k));
  // The boats before the faulty one (boat 2 has no file) were taken into slots 1 and 2.
  const std::string one = LoadedWith(tracks, 1, 2);
  ASSERT_EQ(one.rfind("fault: gpsdat/b4.gpx", 0), 0u) << one;
  EXPECT_NE(one.find("not found in gpsdat"), std::string::npos);
  EXPECT_EQ(LoadedWith(tracks, 2, 2), one);
}

}  // namespace
}  // namespace race
