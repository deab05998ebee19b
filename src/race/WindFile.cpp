// The wind data reader: a header line, then "date time, speed, direction" samples.
#include "race/WindFile.h"

#include <filesystem>

#include "race/Convert.h"
#include "race/DateTime.h"
#include "race/Fields.h"
#include "race/FolderLookup.h"
#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/TextInput.h"

namespace race {

void LoadWindFile(RaceStore& store) {
  store.windTime.assign(3, 0.0);
  store.windSpeed.assign(3, 0.0);
  store.windDir.assign(3, 0);
  store.windCount = 0;

  const auto path =
      FindInFolder(std::filesystem::path(RaceDataFolder(store.programFolder, store.raceFilePath) + "winddat"),
                   store.windFile);
  const auto text = path ? ReadTextFile(*path) : std::nullopt;
  if (!text) {
    store.windFile.clear();
    return;
  }
  const std::string file = FileLabel(store.programFolder, *path);
  LineReader lines(*text);
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
    const int direction = RoundToInt(ToNumber(fields[3], file, at));
    ++n;
    store.windTime.resize(n + 2);
    store.windSpeed.resize(n + 2);
    store.windDir.resize(n + 2);
    store.windTime[n] = time;
    store.windSpeed[n] = speed;
    store.windDir[n] = direction;
    store.windCount = n;  // samples completed so far stay counted if a later line fails
  }
}

}  // namespace race
