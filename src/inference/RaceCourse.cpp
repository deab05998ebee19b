// Reading, checking and writing the course records of a race file.
#include "inference/RaceCourse.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string_view>

#include "race/Fields.h"
#include "race/Numbers.h"

namespace inference {

namespace {

const std::set<std::string_view> kCourseKeywords = {"ST", "FT", "TD", "MK", "LN", "CRS"};

std::string LatLonText(const LatLon& p) {
  return race::FormatFourPlace(p.lat) + "," + race::FormatFourPlace(p.lon);
}

// Whether an entry names one of the course's lines or marks as the course reader reads it: "L2" a line by
// the number after its first character, "MK3" a mark by the number after its second.
bool NamesAPlace(const RaceCourse& course, const std::string& entry) {
  const bool line = entry.find('L') != std::string::npos;
  const std::size_t digits = line ? 1 : 2;
  if (entry.size() <= digits) return false;
  char* end = nullptr;
  const long number = std::strtol(entry.c_str() + digits, &end, 10);
  if (*end != '\0' || number < 1) return false;
  return number <= static_cast<long>(line ? course.lines.size() : course.marks.size());
}

}  // namespace

RaceCourse CourseOfStore(const race::RaceStore& store) {
  RaceCourse course;
  course.startTime = store.startTime;
  course.finishTime = store.finishTime;
  course.timeDifferenceHours = store.timeDifferenceHours;
  for (int m = 1; m <= store.markCount; ++m) course.marks.push_back({store.markLat[m], store.markLon[m]});
  for (int l = 1; l <= store.lineCount; ++l) {
    course.lines.push_back({{store.lineLat1[l], store.lineLon1[l]}, {store.lineLat2[l], store.lineLon2[l]}});
  }
  for (int k = 1; k <= store.courseCount; ++k) course.course.push_back(store.courseMark[k]);
  return course;
}

void PutCourseInStore(const RaceCourse& course, race::RaceStore& store) {
  store.markCount = std::min<int>(course.marks.size(), race::kMaxMarks);
  for (int m = 1; m <= store.markCount; ++m) {
    store.markLat[m] = course.marks[m - 1].lat;
    store.markLon[m] = course.marks[m - 1].lon;
  }
  store.lineCount = std::min<int>(course.lines.size(), race::kMaxLines);
  for (int l = 1; l <= store.lineCount; ++l) {
    const LineEnds& line = course.lines[l - 1];
    store.lineLat1[l] = line.end1.lat, store.lineLon1[l] = line.end1.lon;
    store.lineLat2[l] = line.end2.lat, store.lineLon2[l] = line.end2.lon;
  }
  store.courseCount = std::min<int>(course.course.size(), race::kMaxCourseEntries);
  for (int k = 1; k <= store.courseCount; ++k) store.courseMark[k] = course.course[k - 1];
}

CourseProblem CheckCourse(const RaceCourse& course) {
  if (std::abs(course.timeDifferenceHours) > kMaxTimeDifferenceHours) return CourseProblem::TimeDifference;
  if (!(course.finishTime > course.startTime)) return CourseProblem::WindowOrder;
  if (course.finishTime - course.startTime > kMaxRaceWindowDays) return CourseProblem::WindowTooLong;
  if (course.course.empty()) return CourseProblem::EmptyCourse;
  if (course.course.size() > static_cast<std::size_t>(kMaxCourseRecordEntries) ||
      course.marks.size() > static_cast<std::size_t>(race::kMaxMarks) ||
      course.lines.size() > static_cast<std::size_t>(race::kMaxLines)) {
    return CourseProblem::TooLong;
  }
  for (const std::string& entry : course.course)
    if (!NamesAPlace(course, entry)) return CourseProblem::UnknownEntry;
  return CourseProblem::None;
}

std::vector<std::string> CourseRecords(const RaceCourse& course) {
  std::vector<std::string> records = {"ST," + race::FormatDateTime(course.startTime),
                                      "FT," + race::FormatDateTime(course.finishTime),
                                      "TD," + std::to_string(course.timeDifferenceHours)};
  for (const LatLon& mark : course.marks) records.push_back("MK," + LatLonText(mark));
  for (const LineEnds& line : course.lines)
    records.push_back("LN," + LatLonText(line.end1) + "," + LatLonText(line.end2));
  if (!course.course.empty()) {
    std::string entries = "CRS";
    for (const std::string& entry : course.course) entries += "," + entry;
    records.push_back(entries);
  }
  return records;
}

std::string WithCourse(const std::string& raceFileText, const RaceCourse& course) {
  const std::string lineEnd = raceFileText.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  // The new records by keyword, each group written where the file had its first record of that keyword.
  std::map<std::string_view, std::string> groups;
  const std::vector<std::string> records = CourseRecords(course);
  for (const std::string& record : records)
    groups[std::string_view(record).substr(0, record.find(','))] += record + lineEnd;

  std::string text;
  for (std::size_t at = 0; at < raceFileText.size();) {
    std::size_t end = raceFileText.find('\n', at);
    end = end == std::string::npos ? raceFileText.size() : end + 1;
    const std::string_view line(raceFileText.data() + at, end - at);
    at = end;
    const std::string_view keyword = race::SplitFields(line, ',')[1];
    if (!kCourseKeywords.contains(keyword)) {
      text += line;
    } else if (const auto group = groups.find(keyword); group != groups.end()) {
      if (!text.empty() && text.back() != '\n') text += lineEnd;
      text += group->second;
      groups.erase(group);
    }
  }
  // Records the file did not have at all go at its end, in the usual order.
  for (const std::string& record : records) {
    const auto group = groups.find(std::string_view(record).substr(0, record.find(',')));
    if (group == groups.end()) continue;
    if (!text.empty() && text.back() != '\n') text += lineEnd;
    text += group->second;
    groups.erase(group);
  }
  return text;
}

}  // namespace inference
