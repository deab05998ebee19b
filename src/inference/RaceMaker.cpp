// From paths to race folders: reading, grouping, inferring and writing.
#include "inference/RaceMaker.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <stdexcept>

#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/RaceStore.h"
#include "race/TrackLoader.h"

namespace inference {

namespace fs = std::filesystem;

namespace {

constexpr double kSameRaceKm = 20;  // boats further apart than this while both log are not racing together
constexpr char kCrLf[] = "\r\n";

void CollectFiles(const fs::path& path, std::vector<fs::path>& files, std::vector<InferenceNote>& messages) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    std::vector<fs::path> inside;
    for (const auto& entry :
         fs::recursive_directory_iterator(path, fs::directory_options::skip_permission_denied, error)) {
      if (entry.is_regular_file(error)) inside.push_back(entry.path());
    }
    std::sort(inside.begin(), inside.end());
    files.insert(files.end(), inside.begin(), inside.end());
  } else if (fs::is_regular_file(path, error)) {
    files.push_back(path);
  } else {
    messages.push_back({NoteKind::kNoSuchPath, {path.string()}});
  }
}

// Position of a track at a time (the fix at or before it), minutes of arc.
const race::TrackFix& FixAt(const race::WholeTrack& track, double day) {
  auto it = std::upper_bound(track.fixes.begin(), track.fixes.end(), day,
                             [](double t, const race::TrackFix& fix) { return t < fix.gpsTime; });
  return it == track.fixes.begin() ? track.fixes.front() : *(it - 1);
}

bool SailTogether(const race::WholeTrack& a, const race::WholeTrack& b) {
  const double from = std::max(a.fixes.front().gpsTime, b.fixes.front().gpsTime);
  const double to = std::min(a.fixes.back().gpsTime, b.fixes.back().gpsTime);
  if (to <= from) return false;
  const double middle = (from + to) / 2;
  const auto& p = FixAt(a, middle);
  const auto& q = FixAt(b, middle);
  const double cosLat = std::cos(p.lat / 60 * std::numbers::pi / 180);
  const double km = std::hypot(p.lat - q.lat, (p.lon - q.lon) * cosLat) * 1.852;
  return km <= kSameRaceKm;
}

std::string FolderName(const InferredRace& race) {
  const double localDays = race.gunUtc / 86400 + race.timeDifferenceHours / 24.0;
  std::string text = race::FormatDateTime(localDays);  // yyyy/MM/dd HH:mm:ss
  std::replace(text.begin(), text.end(), '/', '-');
  std::replace(text.begin(), text.end(), ' ', '_');
  std::erase(text, ':');
  return "race-" + text.substr(0, 15);  // race-yyyy-MM-dd_HHmm
}

}  // namespace

std::vector<std::vector<int>> GroupByDayAndPlace(const std::vector<race::WholeTrack>& tracks) {
  std::vector<int> group(tracks.size());
  std::iota(group.begin(), group.end(), 0);
  const auto root = [&](int i) {
    while (group[i] != i) i = group[i] = group[group[i]];
    return i;
  };
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    for (std::size_t j = i + 1; j < tracks.size(); ++j) {
      if (SailTogether(tracks[i], tracks[j])) group[root(static_cast<int>(j))] = root(static_cast<int>(i));
    }
  }
  std::map<int, std::vector<int>> byRoot;
  for (std::size_t i = 0; i < tracks.size(); ++i)
    byRoot[root(static_cast<int>(i))].push_back(static_cast<int>(i));
  std::vector<std::vector<int>> groups;
  for (auto& [r, members] : byRoot) groups.push_back(members);
  std::sort(groups.begin(), groups.end(), [&](const auto& a, const auto& b) {
    return tracks[a.front()].fixes.front().gpsTime < tracks[b.front()].fixes.front().gpsTime;
  });
  return groups;
}

std::vector<std::string> BoatNames(const std::vector<std::string>& trackNames,
                                   const std::vector<fs::path>& files) {
  std::vector<std::string> names;
  std::map<std::string, int> seen;
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string name = !trackNames[i].empty() ? trackNames[i] : files[i].stem().string();
    std::replace(name.begin(), name.end(), ',', ' ');
    const int count = ++seen[name];
    if (count > 1) name += " " + std::to_string(count);
    names.push_back(name);
  }
  return names;
}

RaceCourse CourseOf(const InferredRace& race) {
  const double hours = race.timeDifferenceHours / 24.0;
  RaceCourse course{race.gunUtc / 86400 + hours,
                    race.finishUtc / 86400 + hours,
                    race.timeDifferenceHours,
                    race.marks,
                    {},
                    {}};
  if (race.hasStartLine) {
    course.lines.push_back({race.startEnd1, race.startEnd2});
    course.course.push_back("L1");
  }
  for (int m : race.course) course.course.push_back("MK" + std::to_string(m + 1));
  if (race.hasFinishLine) {
    course.lines.push_back({race.finishEnd1, race.finishEnd2});
    course.course.push_back("L" + std::to_string(course.lines.size()));
  }
  return course;
}

std::string RaceFileText(const InferredRace& race, const std::vector<std::string>& files,
                         const std::vector<std::string>& names) {
  const RaceCourse course = CourseOf(race);
  std::string text;
  const auto line = [&text](const std::string& record) { text += record + kCrLf; };
  line("T1,Race of " + race::FormatDateTime(course.startTime).substr(0, 10));
  line("T2,Made from " + std::to_string(files.size()) + " tracks");
  for (const std::string& record : CourseRecords(course)) line(record);
  line("WD," + std::to_string(race.windDirection));
  line("MG,0");
  line("LL,45,150");
  line("BT,5");
  for (std::size_t b = 0; b < files.size(); ++b) line("BN," + files[b] + "," + names[b]);
  return text;
}

fs::path FreshFolder(const fs::path& outFolder, const std::string& name) {
  fs::path folder = outFolder / name;
  for (int n = 2; fs::exists(folder); ++n) folder = outFolder / (name + "-" + std::to_string(n));
  return folder;
}

// The race is written beside its final place and moved there whole, so a failure (a full disk, a track
// removed meanwhile) leaves no half race for the race list to find.
void WriteRaceFolder(const fs::path& folder, const std::string& raceFileText,
                     const std::vector<FolderCopy>& copies) {
  const fs::path partial = folder.parent_path() / ("." + folder.filename().string() + ".partial");
  try {
    fs::remove_all(partial);
    fs::create_directories(partial / "raceadmin");
    fs::create_directories(partial / "gpsdat");
    for (const FolderCopy& copy : copies) {
      fs::create_directories((partial / copy.to).parent_path());
      fs::copy_file(copy.from, partial / copy.to);
    }
    const fs::path raceFile = partial / "raceadmin" / (folder.filename().string() + ".txt");
    std::ofstream out(raceFile, std::ios::binary);
    out << raceFileText;
    if (!out.flush()) throw std::runtime_error(raceFile.string() + ": cannot write the race file");
    out.close();
    fs::rename(partial, folder);
  } catch (...) {
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    throw;
  }
}

MakeRacesResult MakeRaces(const std::vector<fs::path>& paths, const fs::path& outFolder, int minBoats) {
  MakeRacesResult result;
  std::vector<fs::path> files;
  for (const auto& path : paths) CollectFiles(path, files, result.messages);

  std::vector<race::WholeTrack> tracks;
  std::vector<fs::path> trackFiles;
  for (const auto& file : files) {
    try {
      race::WholeTrack track = race::ReadWholeTrack(file);
      // The race loader drops a boat of fewer fixes; a page quoting a fix line or two is no track either.
      if (track.fixes.size() < static_cast<std::size_t>(race::kMinFixesToKeep)) {
        result.messages.push_back(
            {NoteKind::kTooFewFixes, {file.string(), std::to_string(track.fixes.size())}});
        continue;
      }
      tracks.push_back(std::move(track));
      trackFiles.push_back(file);
    } catch (const race::InputError& error) {
      // The whole path, since files come from many folders; the line when the fault has one.
      const std::string at = error.line() > 0 ? ":" + std::to_string(error.line()) : "";
      result.messages.push_back({NoteKind::kNotATrack, {file.string() + at, error.problem()}});
    }
  }
  if (tracks.empty()) {
    result.messages.push_back({NoteKind::kNoTrack, {}});
    return result;
  }
  const auto groups = GroupByDayAndPlace(tracks);
  if (groups.size() > 1) {
    result.messages.push_back({NoteKind::kSeveralRaces, {std::to_string(groups.size())}});
  }
  for (const auto& sailingTogether : groups) {
    std::vector<race::WholeTrack> members;
    std::vector<fs::path> memberFiles;
    std::vector<std::string> trackNames;
    std::vector<int> group = sailingTogether;
    if (group.size() < static_cast<std::size_t>(minBoats)) {
      result.messages.push_back(
          {NoteKind::kFleetTooSmall,
           {trackFiles[group.front()].string(), std::to_string(group.size()), std::to_string(minBoats)}});
      continue;
    }
    if (group.size() > static_cast<std::size_t>(race::kMaxBoats)) {
      result.messages.push_back(
          {NoteKind::kFleetTooLarge, {std::to_string(group.size()), std::to_string(race::kMaxBoats)}});
      group.resize(race::kMaxBoats);
    }
    for (int i : group)
      members.push_back(tracks[i]), memberFiles.push_back(trackFiles[i]),
          trackNames.push_back(tracks[i].name);
    const auto names = BoatNames(trackNames, memberFiles);
    const Fleet fleet = MakeFleet(members, memberFiles, names);
    const InferredRace inferred = InferRace(fleet);

    // Copies under plain, distinct names: the race file may only name files inside gpsdat/.
    std::vector<std::string> copies;
    std::vector<FolderCopy> trackCopies;
    std::set<std::string> taken;
    for (const auto& file : memberFiles) {
      std::string name = file.filename().string();
      std::replace(name.begin(), name.end(), ',', '_');
      for (int n = 2; taken.count(name); ++n)
        name = file.stem().string() + "-" + std::to_string(n) + file.extension().string();
      taken.insert(name);
      copies.push_back(name);
      trackCopies.push_back({file, fs::path("gpsdat") / name});
    }
    MadeRace made;
    made.folder = FreshFolder(outFolder, FolderName(inferred));
    const std::string raceName = made.folder.filename().string();
    made.raceFile = made.folder / "raceadmin" / (raceName + ".txt");
    WriteRaceFolder(made.folder, RaceFileText(inferred, copies, names), trackCopies);
    made.boatCount = static_cast<int>(members.size());
    made.found = inferred.found;
    made.notFound = inferred.notFound;
    result.races.push_back(made);
  }
  return result;
}

}  // namespace inference
