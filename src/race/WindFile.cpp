// The wind data reader: a header line, then "date time, speed, direction" samples.
#include "race/WindFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>

#include "race/Convert.h"
#include "race/DateTime.h"
#include "race/Fields.h"
#include "race/FolderLookup.h"
#include "race/InputError.h"
#include "race/LoadNotes.h"
#include "race/Numbers.h"
#include "race/PrintableText.h"
#include "race/TextInput.h"

namespace race {
namespace {

constexpr double kMaxWindSpeed = 200;  // knots or metres per second alike

// Puts samples 1..windCount in time order, samples of one time in file order.
void SortSamplesByTime(RaceStore& s) {
  std::vector<int> order(s.windCount);
  std::iota(order.begin(), order.end(), 1);
  std::stable_sort(order.begin(), order.end(), [&s](int a, int b) { return s.windTime[a] < s.windTime[b]; });
  const auto time = s.windTime, speed = s.windSpeed;
  const auto direction = s.windDir;
  for (int k = 1; k <= s.windCount; ++k) {
    s.windTime[k] = time[order[k - 1]];
    s.windSpeed[k] = speed[order[k - 1]];
    s.windDir[k] = direction[order[k - 1]];
  }
}

}  // namespace

void LoadWindFile(RaceStore& store) {
  store.windTime.assign(3, 0.0);
  store.windSpeed.assign(3, 0.0);
  store.windDir.assign(3, 0);
  store.windCount = 0;

  const auto path =
      FindInFolder(std::filesystem::path(RaceDataFolder(store.programFolder, store.raceFilePath) + "winddat"),
                   store.windFile, &store);
  std::ifstream in;
  if (!path || !OpenFoundFile(store, in, *path)) {
    store.windFile.clear();
    return;
  }
  TextLines lines(in, FileLabel(store.programFolder, *path));
  const std::string& file = lines.file();
  std::string_view line;
  lines.Next(line);  // the header
  Fields fields;
  int n = 0;
  while (lines.Next(line)) {
    if (TrimBlanks(line).empty()) continue;  // a blank line (often the last) is not a sample
    SplitFields(line, ',', fields);
    const int at = lines.lineNumber();
    if (fields.lineFieldCount < 3) throw InputError(file, at, "wind sample needs time, speed and direction");
    const double time = SpanSeconds(store.startTime, TextToDateTime(fields[1], file, at));
    const double speed = ToNumber(fields[2], file, at);
    const double direction = ToNumber(fields[3], file, at);
    if (speed < 0 || speed > kMaxWindSpeed)
      throw InputError(file, at, "wind speed out of range: " + Quoted(fields[2]));
    if (std::fabs(direction) > 360)
      throw InputError(file, at, "wind direction out of range: " + Quoted(fields[3]));
    ++n;
    store.windTime.resize(n + 2);
    store.windSpeed.resize(n + 2);
    store.windDir.resize(n + 2);
    store.windTime[n] = time;
    store.windSpeed[n] = speed;
    store.windDir[n] = RoundToInt(direction);
    store.windCount = n;  // samples completed so far stay counted if a later line fails
  }
  if (!std::is_sorted(store.windTime.begin() + 1, store.windTime.begin() + 1 + n)) {
    SortSamplesByTime(store);
    AddLoadNote(store, WarningKind::kWindOutOfOrder, {file});
  }
}

}  // namespace race
