// The text track file form: "T" fix lines with hemisphere-lettered coordinates, a date and a time of day.
#include "race/TextTrack.h"

#include <cmath>

#include "race/Convert.h"
#include "race/DateTime.h"
#include "race/Fields.h"
#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/PlainFixLine.h"
#include "race/PrintableText.h"
#include "race/TextInput.h"
#include "race/TrackLoader.h"

namespace race {
namespace {

constexpr int kDateWindowDays = 365;
constexpr std::size_t kMaxDatePart = 100;
constexpr std::size_t kMaxCoordinateBody = 300;

// The date text c/b/a for a day-month-year a-b-c; other texts unchanged.
std::string ReorderDate(std::string_view text) {
  const std::size_t first = text.find('-');
  if (first == std::string_view::npos) return std::string(text);
  const std::string_view a = text.substr(0, first);
  const std::string_view rest = text.substr(first + 1, kMaxDatePart);
  const std::size_t second = rest.find('-');
  const std::string_view b = second == std::string_view::npos ? std::string_view() : rest.substr(0, second);
  const std::string_view c = second == std::string_view::npos ? rest : rest.substr(second + 1, kMaxDatePart);
  std::string out;
  out.reserve(text.size());
  out.append(c).append("/").append(b).append("/").append(a);
  return out;
}

// The day of a fix date field, or nothing when it cannot be read or lies a year or more from the race.
std::optional<TDateTime> GpsDate(std::string_view field, TDateTime raceDate) {
  // A pure date: a time hidden in the field would make the date with the fix's own time unreadable.
  const auto day = ParseDateTime(ReorderDate(field) + " 0:00");
  if (!day || std::fabs(Round(*day - raceDate)) >= kDateWindowDays) return std::nullopt;
  return day;
}

[[noreturn]] void BadCoordinate(std::string_view text, const std::string& file, int line) {
  throw InputError(file, line, "not a number: " + Quoted(text));
}

double Part(std::string_view part, std::string_view text, const std::string& file, int line) {
  const auto value = ParseNumber(part);
  if (!value) BadCoordinate(text, file, line);
  return *value;
}

// The coordinate form after a header line: a word "DMS" selects degrees-minutes-seconds, a word "DEG" decimal
// degrees ("DEG" wins on a line holding both). Only whole words count, so a track named "DEGAS" changes
// nothing.
int FormSwitch(const Fields& fields, int coordFormat) {
  bool dms = false, deg = false;
  for (int i = 1; i <= fields.lineFieldCount; ++i) {
    dms = dms || fields[i] == "DMS";
    deg = deg || fields[i] == "DEG";
  }
  return deg ? kDecimalDegrees : dms ? kDegreesMinutesSeconds : coordFormat;
}

}  // namespace

double ParseCoordinate(std::string_view text, int format, const std::string& file, int line) {
  if (text.empty()) BadCoordinate(text, file, line);
  const char hemisphere = text[0];
  const std::string_view body = text.substr(1, kMaxCoordinateBody);
  double value = 0;
  if (format == kDecimalDegrees) {
    value = Part(body, text, file, line) * 60.0;
  } else {
    const std::size_t p = body.find('.');
    const std::size_t minuteDigits = format == kDegreesMinutesSeconds ? 4 : 2;
    // The degrees must have at least one digit before the minutes (and seconds) columns.
    if (p == std::string_view::npos || p <= minuteDigits) BadCoordinate(text, file, line);
    const double degrees = Part(body.substr(0, p - minuteDigits), text, file, line);
    if (format == kDegreesMinutesSeconds) {
      const double minutes = Part(body.substr(p - 4, 2), text, file, line);
      const double seconds = Part(body.substr(p - 2), text, file, line);
      value = degrees * 60.0 + minutes + seconds / 60.0;
    } else {
      value = degrees * 60.0 + Part(body.substr(p - 2), text, file, line);
    }
  }
  return hemisphere == 'S' || hemisphere == 'W' ? -value : value;
}

std::string NormaliseGpsDate(std::string_view text, TDateTime raceDate) {
  if (!GpsDate(text, raceDate)) return "2000/1/1";
  return ReorderDate(text);
}

namespace {

// Walks the fix lines of a text track. Each fix's date field goes through dayOf (nothing: the fix is left
// out, as is one whose time cannot be read); use(gpsTime, coordinates) gets the rest, and calls coordinates()
// for the position only when it keeps the fix, since most fixes of a long log lie outside the race.
template <typename DayOf, typename Use>
void ScanTextFixes(TextLines& lines, DayOf dayOf, Use use) {
  int coordFormat = kDegreesMinutes;
  // Consecutive fixes nearly always share their date: read it once per change.
  std::string lastDateField;
  std::optional<TDateTime> lastDate;
  bool haveDate = false;
  const auto dateOf = [&](std::string_view field) {
    if (!haveDate || field != lastDateField) {
      lastDateField.assign(field);
      lastDate = dayOf(field);
      haveDate = true;
    }
    return lastDate;
  };
  const std::string& file = lines.file();

  std::string_view line;
  Fields fields;
  PlainFixLine plain;
  while (lines.Next(line)) {
    // Nearly every line is a fix in the loggers' own form, read in one pass.
    if (ReadPlainFixLine(line, coordFormat, plain)) {
      const auto day = dateOf(plain.date);
      if (!day) continue;
      use(*day + plain.timeOfDay / 86400.0, [&] {
        return TrackFix{0, plain.lat, plain.lon, lines.lineNumber()};
      });
      continue;
    }
    SplitFields(line, ' ', fields);
    if (fields.lineFieldCount != 6 || fields[1].find('T') == std::string_view::npos) {
      coordFormat = FormSwitch(fields, coordFormat);
      continue;
    }

    const auto day = dateOf(fields[4]);
    if (!day) continue;
    const auto timeOfDay = ParseTimeOfDay(fields[5]);
    if (!timeOfDay) continue;
    const int at = lines.lineNumber();
    use(*day + *timeOfDay / 86400.0, [&] {
      return TrackFix{
          0, CheckedLatitude(ParseCoordinate(fields[2], coordFormat, file, at), fields[2], file, at),
          CheckedLongitude(ParseCoordinate(fields[3], coordFormat, file, at), fields[3], file, at), at};
    });
  }
}

}  // namespace

void ReadTextTrack(RaceStore& store, int slot, TextLines& lines, int& n) {
  const auto dayOf = [&store](std::string_view field) { return GpsDate(field, store.raceDate); };
  ScanTextFixes(lines, dayOf, [&](TDateTime gpsTime, const auto& coordinates) {
    const auto raceSeconds = RaceSecondsInWindow(store, slot, gpsTime);
    if (!raceSeconds) return;
    const TrackFix fix = coordinates();
    StoreFix(store, slot, n, *raceSeconds, fix.lat, fix.lon);
  });
}

std::vector<TrackFix> ReadTextTrackFixes(TextLines& lines) {
  std::vector<TrackFix> fixes;
  const auto dayOf = [](std::string_view field) { return ParseDateTime(ReorderDate(field) + " 0:00"); };
  ScanTextFixes(lines, dayOf, [&](TDateTime gpsTime, const auto& coordinates) {
    TrackFix fix = coordinates();
    fix.gpsTime = gpsTime;
    fixes.push_back(fix);
  });
  return fixes;
}

}  // namespace race
