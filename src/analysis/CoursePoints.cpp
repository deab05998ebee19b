// Resolution of course designators to marks and lines, and sizing of the analysis tables.
#include "analysis/CoursePoints.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "race/FolderLookup.h"
#include "race/InputError.h"

namespace analysis {

namespace {

bool ParseIndex(const std::string& designator, std::size_t from, int& index) {
  if (designator.size() <= from) return false;
  std::size_t begin = from, end = designator.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(designator[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(designator[end - 1]))) --end;
  if (begin < end && designator[begin] == '+') ++begin;
  const char* first = designator.data() + begin;
  const char* last = designator.data() + end;
  const auto [ptr, ec] = std::from_chars(first, last, index);
  return ec == std::errc() && ptr == last && first != last;
}

}  // namespace

std::vector<CoursePoint> ResolveCourse(const race::RaceStore& store) {
  const int count =
      std::max(0, std::min<int>(store.courseCount, static_cast<int>(store.courseMark.size()) - 1));
  std::vector<CoursePoint> points(count + 1);
  for (int k = 1; k <= count; ++k) {
    const std::string& designator = store.courseMark[k];
    CoursePoint& p = points[k];
    p.isLine = designator.find('L') != std::string::npos;
    if (!ParseIndex(designator, p.isLine ? 1 : 2, p.index)) {
      throw race::InputError(race::FileLabel(store.programFolder, store.raceFilePath), 0,
                             "course point \"" + designator + "\" does not name a mark or a line by number");
    }
    if (p.isLine) {
      p.exists = p.index >= 1 && p.index <= std::min(store.lineCount, race::kMaxLines);
      if (p.exists) {
        p.lat = store.lineLat1[p.index];
        p.lon = store.lineLon1[p.index];
        p.lat2 = store.lineLat2[p.index];
        p.lon2 = store.lineLon2[p.index];
      }
    } else {
      p.exists = p.index >= 1 && p.index <= std::min(store.markCount, race::kMaxMarks);
      if (p.exists) {
        p.lat = p.lat2 = store.markLat[p.index];
        p.lon = p.lon2 = store.markLon[p.index];
      }
    }
  }
  return points;
}

void SizeAnalysisTables(race::RaceStore& store) {
  const std::size_t boats = static_cast<std::size_t>(std::max(store.boatCount, race::kMaxBoats)) + 1;
  const std::size_t points =
      static_cast<std::size_t>(std::max(store.courseCount, race::kMaxCoursePoints)) + 1;
  const std::size_t entries =
      static_cast<std::size_t>(std::max(store.courseCount, race::kMaxCourseEntries)) + 1;
  for (auto* table : {&store.markTime, &store.legSailedMetres}) {
    if (table->size() < boats) table->resize(boats);
    for (auto& row : *table) {
      if (row.size() < points) row.resize(points);
    }
  }
  if (store.firstArrivalTime.size() < points) store.firstArrivalTime.resize(points);
  if (store.legKind.size() < points) store.legKind.resize(points);
  if (store.finishRank.size() < boats) store.finishRank.resize(boats);
  if (store.legBearing.size() < entries) store.legBearing.resize(entries);
  if (store.legLengthMetres.size() < entries) store.legLengthMetres.resize(entries);
}

}  // namespace analysis
