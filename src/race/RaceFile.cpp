// The race definition reader: one comma-separated record per line, keyword first.
#include "race/RaceFile.h"

#include <cmath>
#include <filesystem>
#include <string_view>

#include "race/Convert.h"
#include "race/DateTime.h"
#include "race/Fields.h"
#include "race/FolderLookup.h"
#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/PrintableText.h"
#include "race/TextInput.h"

namespace race {
namespace {

constexpr int kMaxMapRecordNames = 10;
constexpr double kMaxRaceDays = 7;       // a finish typed years late would make every time line that long
constexpr int kMaxTimeDifference = 24;   // hours between local and GPS time
constexpr double kMaxBoatLength = 1000;  // metres

// What the record at hand is read with: the store, its fields and where they came from.
struct Record {
  RaceStore& store;
  const Fields& fields;
  const std::string& file;
  int line;
  FolderIndex& attachments;  // listed at most once per race file, however many AT records name files

  void Need(int count, std::string_view keyword) const {
    if (fields.lineFieldCount < count) {
      throw InputError(file, line,
                       std::string(keyword) + " record has " + std::to_string(fields.lineFieldCount) +
                           " fields, needs " + std::to_string(count));
    }
  }
  double Number(int i) const { return ToNumber(fields[i], file, line); }
  double Latitude(int i) const { return CheckedLatitude(Number(i), fields[i], file, line); }
  double Longitude(int i) const { return CheckedLongitude(Number(i), fields[i], file, line); }
  int Integer(int i) const { return ToInteger(fields[i], file, line); }
  TDateTime Date(int i) const { return TextToDateTime(fields[i], file, line); }
  // value when it lies within limit either side of 0.
  double Within(double value, double limit, std::string_view what) const {
    if (std::fabs(value) <= limit) return value;
    throw InputError(file, line, std::string(what) + " out of range: " + Quoted(fields[2]));
  }
};

void ApplyBoat(const Record& r) {
  r.Need(3, "BN");
  RaceStore& s = r.store;
  const std::string name = r.fields.Text(2);
  // A boat whose file is missing stays in the list so the track load names it and counts it as dropped.
  if (s.boatCount >= kMaxBoats) return;
  const int offset = r.fields.lineFieldCount >= 4 ? r.Integer(4) : 0;
  const int b = ++s.boatCount;
  s.boatFile[b] = name;
  s.boatName[b] = r.fields.Text(3);
  s.boatTimeOffset[b] = offset;
  s.boatShown[b] = r.fields.lineFieldCount >= 5 ? 0 : 1;
}

void ApplyMark(const Record& r) {
  r.Need(3, "MK");
  const double lat = r.Latitude(2), lon = r.Longitude(3);
  RaceStore& s = r.store;
  if (s.markCount >= kMaxMarks) return;
  ++s.markCount;
  s.markLat[s.markCount] = lat;
  s.markLon[s.markCount] = lon;
}

void ApplyLine(const Record& r) {
  r.Need(5, "LN");
  const double lat1 = r.Latitude(2), lon1 = r.Longitude(3), lat2 = r.Latitude(4), lon2 = r.Longitude(5);
  RaceStore& s = r.store;
  if (s.lineCount >= kMaxLines) return;
  const int l = ++s.lineCount;
  s.lineLat1[l] = lat1, s.lineLon1[l] = lon1, s.lineLat2[l] = lat2, s.lineLon2[l] = lon2;
}

void ApplyCourse(const Record& r) {
  RaceStore& s = r.store;
  s.courseCount = 0;
  for (int i = 2; i <= r.fields.lineFieldCount && s.courseCount < kMaxCourseEntries; ++i) {
    s.courseMark[++s.courseCount] = std::string(r.fields[i]);
  }
}

void ApplyMaps(const Record& r) {
  RaceStore& s = r.store;
  s.mapImageCount = 0;
  for (int i = 2; i <= r.fields.lineFieldCount && s.mapImageCount < kMaxMapRecordNames; ++i) {
    const std::string name = r.fields.Text(i);
    if (IsPlainName(name)) s.mapImage[++s.mapImageCount] = name;
  }
}

void ApplyAttachment(const Record& r) {
  RaceStore& s = r.store;
  const std::string name = r.fields.Text(2);
  if (s.attachmentCount >= kMaxAttachments || !r.attachments.Find(name)) return;
  s.attachment[++s.attachmentCount] = name;
}

void ApplyRecord(const Record& r) {
  const std::string_view key = r.fields[1];
  RaceStore& s = r.store;
  if (key == "BN") return ApplyBoat(r);
  if (key == "MK") return ApplyMark(r);
  if (key == "LN") return ApplyLine(r);
  if (key == "CRS") return ApplyCourse(r);
  if (key == "MAP") return ApplyMaps(r);
  if (key == "AT") return ApplyAttachment(r);
  if (key == "NOTE") return void(s.raceNote = r.fields.Text(2));
  if (key == "FLG") return void(s.flagText = r.fields.Text(2));
  if (key == "T1") return void(s.title1 = r.fields.Text(2));
  if (key == "T2") return void(s.title2 = r.fields.Text(2));
  if (key == "WF") return void(s.windFile = r.fields.Text(2));
  if (key == "LL") {
    r.Need(3, key);
    const int angle1 = r.Integer(2), angle2 = r.Integer(3);
    s.layAngle1 = angle1, s.layAngle2 = angle2;
    return;
  }
  // The remaining keywords carry one value.
  const bool single = key == "MG" || key == "LG" || key == "ST" || key == "FT" || key == "TD" ||
                      key == "WD" || key == "BT" || key == "NU";
  if (!single) return;  // not a record of this file (blank lines included)
  r.Need(2, key);
  if (key == "MG") s.magneticVariation = r.Within(r.Number(2), 180, "magnetic variation");
  if (key == "LG") s.boatLength = r.Within(r.Number(2), kMaxBoatLength, "boat length");
  if (key == "ST") s.startTime = r.Date(2);
  if (key == "FT") s.finishTime = r.Date(2);
  if (key == "TD")
    s.timeDifferenceHours = static_cast<int>(r.Within(r.Integer(2), kMaxTimeDifference, "time difference"));
  if (key == "WD") s.windDirection = r.Integer(2);
  if (key == "BT") {
    const int minutes = r.Integer(2);
    // Kept within a day so the window arithmetic cannot overflow; a longer pre-start is not meaningful.
    s.preStartSeconds = (minutes < 0 ? 0 : minutes > 1440 ? 1440 : minutes) * 60;
  }
  if (key == "NU") s.northUp = r.Integer(2);
}

void Derive(RaceStore& s, const std::filesystem::path& path) {
  s.startTimeGps = s.startTime - s.timeDifferenceHours / 24.0;
  s.finishTimeGps = s.finishTime - s.timeDifferenceHours / 24.0;
  s.boatListHeight = BoatListHeightFor(s.boatCount);
  if (s.preStartSeconds == 0) s.preStartSeconds = 180;
  s.timelineStart = -s.preStartSeconds - 10;
  s.timelineEnd = SpanSeconds(s.startTime, s.finishTime) + 30.0;
  s.raceCaption = "Regatix  ";
  if (s.title1.size() >= 2) s.raceCaption += s.title1 + "     ";
  if (s.title2.size() >= 2) s.raceCaption += s.title2 + "     ";
  if (s.title1.size() < 2 && s.title2.size() < 2) s.raceCaption += path.filename().string() + "       ";
  s.raceDate = std::trunc(s.startTime);
}

}  // namespace

void ParseRaceFile(RaceStore& store, const std::string& path) {
  store.preStartSeconds = 180;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  const std::string file = FileLabel(store.programFolder, path);
  std::ifstream in;
  if (std::string problem; !OpenInput(in, path, problem))
    throw InputError(file, 0, "cannot read the file: " + problem);

  store.boatCount = store.courseCount = store.markCount = store.lineCount = 0;
  store.mapImageCount = store.northUp = store.attachmentCount = store.attachmentIndex = 0;
  store.title1.clear(), store.title2.clear(), store.flagText.clear();

  TextLines lines(in, file);
  std::string_view line;
  Fields fields;
  int boatsNamed = 0;
  int windowLine = 0;  // the line that set the start or finish last
  FolderIndex attachments(RaceDataFolder(store.programFolder, store.raceFilePath) + "attachment", &store);
  while (lines.Next(line)) {
    SplitFields(line, ',', fields);
    if (fields[1] == "BN") ++boatsNamed;
    ApplyRecord(Record{store, fields, file, lines.lineNumber(), attachments});
    if (fields[1] == "ST" || fields[1] == "FT") windowLine = lines.lineNumber();
  }
  if (store.finishTime - store.startTime > kMaxRaceDays) {
    throw InputError(file, windowLine,
                     "the finish lies more than " + FormatGeneral(kMaxRaceDays) + " days after the start");
  }
  if (boatsNamed > kMaxBoats)
    Warn(store, WarningKind::kBoatsBeyondCapacity, {std::to_string(boatsNamed), std::to_string(kMaxBoats)});
  Derive(store, path);
}

}  // namespace race
