// The race definition, wind and truth files, and the folder they go in.
#include "simulate/RaceWriter.h"

#include <iconv.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "simulate/Calendar.h"
#include "simulate/LoggerTrackWriter.h"
#include "simulate/TrackWriter.h"

namespace simulate {
namespace {

const char* const kNamePool[] = {
    "Hayate",    "Shiokaze", "Kamome",   "Tsubasa", "Wakashio", "Kuroshio", "Asagiri",   "Yunagi", "Hiryu",
    "Shirasagi", "Ryusei",   "Akatsuki", "Hibiki",  "Mikazuki", "Seabird",  "Blue Note", "Minato", "Isana",
    "Sazanami",  "Hikari",   "Tenma",    "Kirara",  "Umineko",  "Orca",     "Nagisa"};
constexpr int kNamePoolSize = sizeof kNamePool / sizeof kNamePool[0];

std::string StampText(const Stamp& s, bool tenths) {
  char text[40];
  if (tenths) {
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%04.1f", s.year, s.month, s.day, s.hour,
                  s.minute, s.second);
  } else {
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", s.year, s.month, s.day, s.hour,
                  s.minute, static_cast<int>(s.second));
  }
  return text;
}

std::string Minutes(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

std::string ToShiftJis(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no Shift-JIS converter on this system");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t outLeft = out.size();
  const size_t result = iconv(cd, &in, &inLeft, &to, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1))
    throw std::runtime_error("the race file's text has no Shift-JIS form");
  out.resize(out.size() - outLeft);
  return out;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

std::string AttachmentText(const Options& o, const RaceRecord& race, const WrittenRace& files) {
  const Stamp gun = StampAt(o.start, 0, 0);
  std::string t =
      "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>Sailing instructions</title></head>\r\n";
  t += "<body>\r\n<h1>" + (o.title1.empty() ? o.raceName : o.title1) +
       "</h1>\r\n<h2>Sailing instructions: " + (o.title2.empty() ? o.raceName : o.title2) +
       "</h2>\r\n<ul>\r\n";
  t += "<li>Warning signal 5 minutes before the start; start at " + StampText(gun, false) +
       " local time.</li>\r\n";
  switch (race.course.kind) {
    case CourseKind::WindwardLeeward:
      t += "<li>Course: windward-leeward, marks to port, leeward gate between marks 2 and 3, " +
           std::to_string((race.course.points.size() - 1) / 2) + " laps.</li>\r\n";
      break;
    case CourseKind::Triangle:
      t += "<li>Course: triangle, windward, wing and leeward marks to port, then windward and finish, " +
           std::to_string((race.course.points.size() - 3) / 3) + " laps.</li>\r\n";
      break;
    case CourseKind::Passage:
      t += "<li>Course: passage race, " + std::to_string(race.course.marks.size()) +
           " turning marks to port, finish at the end of the route.</li>\r\n";
      break;
  }
  t += "<li>Entries: " + std::to_string(files.boatNames.size()) + "</li>\r\n";
  t += "<li>A boat over the line at the start returns below it and starts "
       "again.</li>\r\n</ul>\r\n</body></html>\r\n";
  return t;
}

}  // namespace

std::vector<std::string> BoatNames(const std::vector<std::string>& given, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    if (i < static_cast<int>(given.size()) && !given[i].empty()) {
      names.push_back(given[i]);
    } else {
      std::string name = kNamePool[i % kNamePoolSize];
      if (i >= kNamePoolSize) name += " " + std::to_string(i / kNamePoolSize + 1);
      names.push_back(name);
    }
  }
  return names;
}

std::string RaceFileText(const Options& o, const RaceRecord& race, const WrittenRace& files) {
  const GeoFrame frame(o.latitude, o.longitude);
  const Polar polar;
  auto magnetic = [&](double bearing) {
    return static_cast<int>(std::lround(Compass(bearing - o.magneticVariation))) % 360;
  };
  char text[64];
  std::string t;
  if (!o.title1.empty()) t += "T1," + o.title1 + "\r\n";
  if (!o.title2.empty()) t += "T2," + o.title2 + "\r\n";
  if (!o.note.empty()) t += "NOTE," + o.note + "\r\n";
  t += "ST," + StampText(StampAt(o.start, 0, 0), false) + "\r\n";
  t += "FT," + StampText(StampAt(o.start, race.finishSeconds, 0), false) + "\r\n";
  t += "TD," + std::to_string(o.timeDifference) + "\r\n";
  t += "WD," + std::to_string(magnetic(o.race.wind.direction)) + "\r\n";
  std::snprintf(text, sizeof text, "MG,%g\r\n", o.magneticVariation);
  t += text;
  t += "LL," + std::to_string(std::lround(polar.BeatAngle(o.race.wind.speed))) + "," +
       std::to_string(std::lround(polar.RunAngle(o.race.wind.speed))) + "\r\n";
  std::snprintf(text, sizeof text, "LG,%g\r\n", o.race.boatLength);
  t += text;
  t += "BT," + std::to_string(o.race.preStartMinutes) + "\r\n";
  if (o.northUp) t += "NU,1\r\n";
  if (!files.windFile.empty()) t += "WF," + files.windFile + "\r\n";
  for (const Vec& m : race.course.marks)
    t += "MK," + Minutes(frame.Lat(m)) + "," + Minutes(frame.Lon(m)) + "\r\n";
  for (const CourseLine& l : race.course.lines) {
    t += "LN," + Minutes(frame.Lat(l.end1)) + "," + Minutes(frame.Lon(l.end1)) + "," +
         Minutes(frame.Lat(l.end2)) + "," + Minutes(frame.Lon(l.end2)) + "\r\n";
  }
  t += "CRS";
  for (const CoursePoint& p : race.course.points) t += "," + p.designator;
  t += "\r\n";
  for (size_t b = 0; b < files.trackFiles.size(); ++b)
    t += "BN," + files.trackFiles[b] + "," + files.boatNames[b] + "\r\n";
  if (!o.attachment.empty()) t += "AT," + o.attachment + "\r\n";
  return t;
}

std::string TruthFileText(const Options& o, const RaceRecord& race, const WrittenRace& files) {
  std::string t = "boat,file,name,status,point,designator,seconds,time\r\n";
  char seconds[32];
  for (size_t b = 0; b < race.boats.size(); ++b) {
    const BoatRecord& boat = race.boats[b];
    for (size_t k = 0; k < race.course.points.size(); ++k) {
      const double passed = boat.passings[k];
      std::string when, clock;
      if (!std::isnan(passed)) {
        std::snprintf(seconds, sizeof seconds, "%.1f", passed);
        when = seconds;
        clock = StampText(StampAt(o.start, passed, 0), true);
      }
      t += std::to_string(b + 1) + "," + files.trackFiles[b] + "," + files.boatNames[b] + "," +
           StatusOf(boat) + "," + std::to_string(k + 1) + "," + race.course.points[k].designator + "," +
           when + "," + clock + "\r\n";
    }
  }
  return t;
}

std::string ManoeuvreTruthText(const Options& o, const RaceRecord& race, const WrittenRace& files) {
  std::string t =
      "boat,file,name,seconds,time,kind,duration,speed before,speed lowest,speed after,metres lost\r\n";
  // Duration and loss are left empty where the way made good around the turn was not its own.
  auto optional = [](double value) {
    char text[32] = "";
    if (!std::isnan(value)) std::snprintf(text, sizeof text, "%.1f", value);
    return std::string(text);
  };
  char numbers[160];
  for (size_t b = 0; b < race.boats.size(); ++b) {
    for (const analysis::Manoeuvre& m : race.boats[b].manoeuvres) {
      std::snprintf(numbers, sizeof numbers, "%.1f,%s,%s,%s,%.2f,%.2f,%.2f,%s", m.seconds,
                    StampText(StampAt(o.start, m.seconds, 0), true).c_str(),
                    m.kind == analysis::ManoeuvreKind::Tack ? "tack" : "gybe",
                    optional(m.durationSeconds).c_str(), m.speedBefore, m.speedLowest, m.speedAfter,
                    optional(m.metresLost).c_str());
      t += std::to_string(b + 1) + "," + files.trackFiles[b] + "," + files.boatNames[b] + "," + numbers +
           "\r\n";
    }
  }
  return t;
}

WrittenRace WriteRace(const Options& o, const RaceRecord& race) {
  namespace fs = std::filesystem;
  const fs::path folder(o.folder);
  WrittenRace files;
  files.raceFile = "raceadmin/" + o.raceName + ".txt";
  files.boatNames = BoatNames(o.names, static_cast<int>(race.boats.size()));
  const GeoFrame frame(o.latitude, o.longitude);
  for (size_t b = 0; b < race.boats.size(); ++b) {
    char number[32];
    std::snprintf(number, sizeof number, "%02zu", b + 1);
    const char* extension = o.trackFormat == TrackFormat::Gpx    ? ".gpx"
                            : o.trackFormat == TrackFormat::Nmea ? ".nmea"
                                                                 : ".txt";
    const std::string file = o.raceName + "_" + number + extension;
    files.trackFiles.push_back(file);
    const auto& fixes = race.boats[b].fixes;
    const std::string trackName = "BOAT" + std::string(number);
    const std::string text = o.trackFormat == TrackFormat::Gpx    ? GpxTrackText(fixes, frame, o, trackName)
                             : o.trackFormat == TrackFormat::Nmea ? NmeaTrackText(fixes, frame, o)
                                                                  : TrackFileText(fixes, frame, o, trackName);
    WriteFile(folder / "gpsdat" / file, text);
  }
  if (o.windFile) {
    files.windFile = o.raceName + ".csv";
    std::string t = "TIME,SPEED(KT),DIRECTION(MAG)\r\n";
    char line[96];
    for (const WindRecord& w : race.wind) {
      std::snprintf(line, sizeof line, "%s,%.1f,%.0f\r\n",
                    StampText(StampAt(o.start, w.seconds, 0), false).c_str(), w.wind.speed,
                    Compass(std::round(w.wind.direction - o.magneticVariation)));
      t += line;
    }
    WriteFile(folder / "winddat" / files.windFile, t);
  }
  if (!o.attachment.empty()) WriteFile(folder / "attachment" / o.attachment, AttachmentText(o, race, files));
  fs::create_directories(folder / "attachment");
  const std::string raceText = RaceFileText(o, race, files);
  WriteFile(folder / files.raceFile, o.shiftJis ? ToShiftJis(raceText) : raceText);
  if (!fs::exists(folder / "raceadmin" / "racefile.st")) {
    WriteFile(folder / "raceadmin" / "racefile.st", o.raceName + ".txt\r\n");
  }
  if (o.truthFile) {
    files.truthFile = "truth/" + o.raceName + ".csv";
    WriteFile(folder / files.truthFile, TruthFileText(o, race, files));
    files.manoeuvreFile = "truth/" + o.raceName + "-manoeuvres.csv";
    WriteFile(folder / files.manoeuvreFile, ManoeuvreTruthText(o, race, files));
  }
  return files;
}

}  // namespace simulate
