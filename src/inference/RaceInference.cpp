// Runs the pieces of the inference in order; each one that finds nothing says so and the rest go on with
// what there is.
#include "inference/RaceInference.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "inference/Finish.h"
#include "inference/Marks.h"
#include "inference/Start.h"
#include "inference/TimeZoneAt.h"
#include "inference/Turns.h"
#include "inference/Wind.h"
#include "race/RaceStore.h"

namespace inference {

namespace {

constexpr double kUnixEpochDays = 25569;  // 1970-01-01 as days since 1899-12-30
constexpr double kFinishMarginSeconds = 60;
constexpr double kLongestFinishSpreadSeconds = 3 * 3600;
constexpr double kLongestRaceSeconds = 24 * 3600;

// The span of the race: from when half the boats are logging to when the last of them stops.
void FleetWindow(const Fleet& fleet, double& from, double& to) {
  std::vector<double> starts, ends;
  for (const auto& boat : fleet.boats) {
    if (boat.time.empty()) continue;
    starts.push_back(boat.time.front());
    ends.push_back(boat.time.back());
  }
  std::sort(starts.begin(), starts.end());
  std::sort(ends.begin(), ends.end(), std::greater<>());
  const std::size_t half = (starts.size() - 1) / 2;
  from = starts[half];
  // The last boats home log the longest: the window runs to the last track's end, unless that boat went on
  // logging long after the rest.
  to = std::max(from, std::min(ends.front(), ends[half] + kLongestFinishSpreadSeconds));
}

LatLon ToLatLon(const Fleet& fleet, Point p) {
  LatLon out;
  fleet.ToMinutes(p, out.lat, out.lon);
  return out;
}

// The turns of the start itself (bearing away along the line, heading up at the gun) are no mark: marks are
// looked for from this long after the fleet sails off.
constexpr int kStartClearSeconds = 60;

struct CourseFinding {
  std::vector<Point> marks;             // the marks the course uses, numbered in the order first rounded
  std::vector<int> course;              // indices into marks
  std::vector<std::vector<int>> times;  // per boat, grid second at each course point (-1: not rounded)
};

// Each boat's grid second at each course point, matching its roundings to the course in order.
std::vector<std::vector<int>> CourseTimes(const std::vector<std::vector<Rounding>>& roundings,
                                          const std::vector<int>& course) {
  std::vector<std::vector<int>> times;
  for (const auto& sailed : roundings) {
    std::vector<int> at(course.size(), -1);
    std::size_t k = 0;
    for (const Rounding& r : sailed) {
      if (k < course.size() && r.mark == course[k]) at[k++] = r.second;
    }
    times.push_back(at);
  }
  return times;
}

CourseFinding FindCourse(const FleetGrid& grid, int departure, const std::vector<Turn>& turns, int minBoats,
                         const MarkScale& scale) {
  const int boats = static_cast<int>(grid.at.size());
  const auto clusters = TurnClusters(turns, boats, minBoats, scale);
  std::vector<std::vector<Rounding>> roundings;
  for (int b = 0; b < boats; ++b)
    roundings.push_back(
        BoatRoundings(grid, b, clusters, departure + kStartClearSeconds, grid.count - 1, scale));
  CourseFinding found;
  found.course = ConsensusCourse(roundings, minBoats);
  std::vector<int> renumber(clusters.size(), -1);
  for (int m : found.course) {
    if (renumber[m] < 0)
      renumber[m] = static_cast<int>(found.marks.size()), found.marks.push_back(clusters[m]);
  }
  found.times = CourseTimes(roundings, found.course);
  for (int& m : found.course) m = renumber[m];
  return found;
}

// The legs from the start (startFrom, or the fleet's middle at the gun) to each mark in turn.
std::vector<LegSailing> Legs(const FleetGrid& grid, int gun, const CourseFinding& found,
                             std::optional<Point> startFrom = std::nullopt) {
  const int boats = static_cast<int>(grid.at.size());
  Point from{};
  if (startFrom) {
    from = *startFrom;
  } else {
    int n = 0;
    for (int b = 0; b < boats; ++b) {
      if (grid.Has(b, gun)) from.x += grid.at[b][gun].x, from.y += grid.at[b][gun].y, ++n;
    }
    if (n > 0) from.x /= n, from.y /= n;
  }
  std::vector<LegSailing> legs;
  for (std::size_t k = 0; k < found.course.size(); ++k) {
    LegSailing leg;
    leg.from = k == 0 ? from : found.marks[found.course[k - 1]];
    leg.to = found.marks[found.course[k]];
    for (int b = 0; b < boats; ++b) {
      leg.enter.push_back(k == 0 ? gun : found.times[b][k - 1]);
      leg.leave.push_back(found.times[b][k]);
    }
    legs.push_back(leg);
  }
  return legs;
}

void SetTimeDifference(const Fleet& fleet, InferredRace& race) {
  const double latDeg = fleet.originLat / 60, lonDeg = fleet.originLon / 60;
  const auto unix = static_cast<long long>(race.gunUtc - kUnixEpochDays * 86400);
  if (const auto zone = TimeZoneAt(latDeg, lonDeg, unix)) {
    race.zoneName = zone->name;
    race.timeDifferenceHours = static_cast<int>(std::lround(zone->offsetMinutes / 60.0));
  } else {
    race.timeDifferenceHours = static_cast<int>(std::lround(lonDeg / 15));
    race.notFound.push_back("time zone: none near the race; nautical time from the longitude");
  }
}

}  // namespace

// A race file holds 19 course entries (start and finish lines among them) and 20 marks: a longer course keeps
// its first roundings, and the finish still follows them.
void KeepWhatARaceFileHolds(InferredRace& race) {
  const std::size_t room =
      race::kMaxCourseEntries - 1 - (race.hasStartLine ? 1 : 0) - (race.hasFinishLine ? 1 : 0);
  if (race.course.size() <= room) return;
  race.notFound.push_back("course: " + std::to_string(race.course.size()) + " roundings; a race file holds " +
                          std::to_string(room) + ", the later ones are left out");
  race.course.resize(room);
  std::vector<int> renumber(race.marks.size(), -1);
  std::vector<LatLon> marks;
  for (int& m : race.course) {
    if (renumber[m] < 0) renumber[m] = static_cast<int>(marks.size()), marks.push_back(race.marks[m]);
    m = renumber[m];
  }
  race.marks = marks;
}

InferredRace InferRace(const Fleet& fleet) {
  InferredRace race;
  const int boats = static_cast<int>(fleet.boats.size());
  if (boats == 0) return race;
  double from = 0, to = 0;
  FleetWindow(fleet, from, to);
  if (to - from > kLongestRaceSeconds) {
    // A logger left on for days (or a clock gone wrong) must not make a grid of every second of them.
    to = from + kLongestRaceSeconds;
    race.notFound.push_back(
        "race window: the tracks run on for more than a day; only their first day is used");
  }
  const FleetGrid grid = SampleFleet(fleet, from, to);
  race.gunUtc = grid.t0;
  race.finishUtc = grid.t0 + grid.count;
  if (boats == 1) race.notFound.push_back("gun and start line: one boat alone shows no fleet starting");

  const auto departure = FleetDeparture(grid, 0, grid.count - 1);
  if (!departure) {
    race.notFound.push_back("gun: the boats never sailed off together (no movement?)");
    SetTimeDifference(fleet, race);
    return race;
  }
  race.gunUtc = grid.t0 + *departure;

  // Marks: where most boats turn together after the departure; once the wind is known, tacks leave the
  // turns, since boats tacking together on a layline look like a mark.
  const int minBoats = boats / 2 + 1;
  MarkScale scale = kBuoyScale;
  auto turns = FindTurns(grid, *departure + kStartClearSeconds, grid.count - 1, scale);
  CourseFinding found = FindCourse(grid, *departure, turns, minBoats, scale);
  if (found.course.empty()) {
    // No buoy: perhaps a passage race round a headland.
    scale = kHeadlandScale;
    turns = FindTurns(grid, *departure + kStartClearSeconds, grid.count - 1, scale);
    found = FindCourse(grid, *departure, turns, minBoats, scale);
  }
  if (const auto wind = WindFromTacks(grid, Legs(grid, *departure, found))) {
    std::erase_if(turns, [&](const Turn& turn) { return IsTack(turn, *wind); });
    CourseFinding withoutTacks = FindCourse(grid, *departure, turns, minBoats, scale);
    if (!withoutTacks.course.empty()) found = std::move(withoutTacks);
  }
  std::vector<int> course = found.course;
  const std::vector<Point>& marks = found.marks;
  const auto& times = found.times;
  race.course = course;
  for (Point p : marks) race.marks.push_back(ToLatLon(fleet, p));
  if (course.empty()) race.notFound.push_back("marks: no place where most boats turned together");

  // Start line on the way to the first mark (or on the fleet's way when there is none).
  std::vector<int> first(boats, -1), last(boats, -1);
  for (int b = 0; b < boats && !course.empty(); ++b) first[b] = times[b].front(), last[b] = times[b].back();
  Point firstMark = marks.empty() ? Point{} : marks.front();
  if (marks.empty()) {
    // Where the fleet is two minutes after the departure stands in for the first mark.
    double x = 0, y = 0;
    int n = 0;
    for (int b = 0; b < boats; ++b) {
      if (grid.Has(b, *departure + kProgressSpanSeconds))
        x += grid.at[b][*departure + kProgressSpanSeconds].x,
            y += grid.at[b][*departure + kProgressSpanSeconds].y, ++n;
    }
    firstMark = n > 0 ? Point{x / n, y / n} : Point{};
  }
  const StartLine start = FindStartLine(grid, *departure, firstMark, first);
  race.gunUtc = grid.t0 + start.gunSecond;
  race.startEnd1 = ToLatLon(fleet, start.end1), race.startEnd2 = ToLatLon(fleet, start.end2);
  race.hasStartLine = boats > 1;

  // Finish: after the last mark (or from the start when there is no mark).
  const Point legStart = marks.empty()
                             ? Point{(start.end1.x + start.end2.x) / 2, (start.end1.y + start.end2.y) / 2}
                             : marks[course.back()];
  if (marks.empty()) std::fill(last.begin(), last.end(), start.gunSecond);
  if (const auto finish = FindFinishLine(grid, legStart, last)) {
    race.finishEnd1 = ToLatLon(fleet, finish->end1), race.finishEnd2 = ToLatLon(fleet, finish->end2);
    race.hasFinishLine = true;
    const int lastFinish = *std::max_element(finish->finishSecond.begin(), finish->finishSecond.end());
    race.finishUtc = grid.t0 + lastFinish + kFinishMarginSeconds;
  } else {
    race.notFound.push_back("finish line: no boat sailed on from the last mark");
  }

  // Wind from the tacks of the legs; the first leg's way when nobody tacked.
  const Point startMiddle{(start.end1.x + start.end2.x) / 2, (start.end1.y + start.end2.y) / 2};
  const auto legs = Legs(grid, start.gunSecond, found, startMiddle);
  if (const auto wind = WindFromTacks(grid, legs)) {
    race.windDirection = static_cast<int>(std::lround(*wind)) % 360;
  } else {
    race.windDirection = static_cast<int>(std::lround(BearingOf(startMiddle, firstMark))) % 360;
    if (!marks.empty()) race.notFound.push_back("wind: nobody tacked; the first leg's bearing stands in");
  }
  KeepWhatARaceFileHolds(race);
  SetTimeDifference(fleet, race);
  return race;
}

}  // namespace inference
