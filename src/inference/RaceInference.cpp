// Runs the pieces of the inference in order; each one that finds nothing says so and the rest go on with
// what there is.
#include "inference/RaceInference.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "inference/Bends.h"
#include "inference/Finish.h"
#include "inference/Marks.h"
#include "inference/Start.h"
#include "inference/TimeZoneAt.h"
#include "inference/Turns.h"
#include "inference/Wind.h"
#include "race/Numbers.h"
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

// Marks numbered in the order the course first rounds them.
template <typename Mark>
void NumberInCourseOrder(std::vector<Mark>& marks, std::vector<int>& course) {
  std::vector<int> renumber(marks.size(), -1);
  std::vector<Mark> numbered;
  for (int& m : course) {
    if (renumber[m] < 0) renumber[m] = static_cast<int>(numbered.size()), numbered.push_back(marks[m]);
    m = renumber[m];
  }
  marks = std::move(numbered);
}

// Passing marks between the marks rounded: a leg the fleet bends on becomes two, each looked at again.
void AddBends(const FleetGrid& grid, CourseFinding& found, int minBoats, double radius,
              std::optional<double> windFrom) {
  for (std::size_t k = 1;
       k < found.course.size() && found.course.size() < static_cast<std::size_t>(race::kMaxCourseEntries);) {
    std::vector<int> enter, leave;
    for (const auto& at : found.times) enter.push_back(at[k - 1]), leave.push_back(at[k]);
    const auto bend = FleetBend(grid, enter, leave, minBoats, radius, windFrom);
    if (!bend) {
      ++k;
      continue;
    }
    found.course.insert(found.course.begin() + static_cast<long>(k), static_cast<int>(found.marks.size()));
    found.marks.push_back(bend->at);
    for (std::size_t b = 0; b < found.times.size(); ++b)
      found.times[b].insert(found.times[b].begin() + static_cast<long>(k), bend->second[b]);
  }
  NumberInCourseOrder(found.marks, found.course);
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
  found.times = CourseTimes(roundings, found.course);
  found.marks = clusters;
  NumberInCourseOrder(found.marks, found.course);
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

// Boats that tack together at one place (on a layline, off a bank or a shallow) make it look like a mark, and
// the beat it cuts shows no tacks. Each mark of the course is tried as such a place: the wind in which every
// turn there is a tack is taken when, with all the turns that are tacks in it left out, the first leg (a
// beat, as starts are laid) shows tacks pointing to the same wind. A gybe mark between two reaches also looks
// like a tack, of a wind from downwind, but leaves no tacks on the first leg.
std::optional<double> WindFromTacksTogether(const FleetGrid& grid, int departure,
                                            const std::vector<Turn>& turns, const CourseFinding& found,
                                            int minBoats, const MarkScale& scale) {
  constexpr double kSameWindDegrees = 20;
  std::vector<double> tried;
  const auto triedAlready = [&](double wind) {
    return std::any_of(tried.begin(), tried.end(),
                       [&](double w) { return std::fabs(TurnBetween(w, wind)) <= kSameWindDegrees; });
  };
  for (const int m : found.course) {
    std::vector<Turn> there;
    std::vector<char> boatThere(grid.at.size(), 0);
    for (const Turn& turn : turns) {
      if (Distance(turn.apex, found.marks[m]) > scale.clusterRadius) continue;
      there.push_back(turn);
      boatThere[turn.boat] = 1;
    }
    if (std::count(boatThere.begin(), boatThere.end(), 1) < minBoats) continue;
    const auto wind = WindIfTacks(there);
    if (!wind || triedAlready(*wind)) continue;
    tried.push_back(*wind);
    std::vector<Turn> rest = turns;
    std::erase_if(rest, [&](const Turn& turn) { return IsTack(turn, *wind); });
    const auto legs = Legs(grid, departure, FindCourse(grid, departure, rest, minBoats, scale));
    if (legs.empty()) continue;
    const auto firstLeg = WindFromTacks(grid, {legs.front()});
    if (firstLeg && std::fabs(TurnBetween(*firstLeg, *wind)) <= kSameWindDegrees)
      return WindFromTacks(grid, legs);
  }
  return std::nullopt;
}

void SetTimeDifference(const Fleet& fleet, InferredRace& race) {
  const double latDeg = fleet.originLat / 60, lonDeg = fleet.originLon / 60;
  const auto unix = static_cast<long long>(race.gunUtc - kUnixEpochDays * 86400);
  if (const auto zone = TimeZoneAt(latDeg, lonDeg, unix)) {
    race.zoneName = zone->name;
    race.timeDifferenceHours = static_cast<int>(std::lround(zone->offsetMinutes / 60.0));
    race.found.push_back({NoteKind::kTimeZoneFound, {zone->name, std::to_string(race.timeDifferenceHours)}});
  } else {
    race.timeDifferenceHours = static_cast<int>(std::lround(lonDeg / 15));
    race.notFound.push_back({NoteKind::kNoTimeZone, {std::to_string(race.timeDifferenceHours)}});
  }
}

}  // namespace

// A race file holds 19 course entries (start and finish lines among them) and 20 marks: a longer course keeps
// its first roundings, and the finish still follows them.
void KeepWhatARaceFileHolds(InferredRace& race) {
  const std::size_t room =
      race::kMaxCourseEntries - 1 - (race.hasStartLine ? 1 : 0) - (race.hasFinishLine ? 1 : 0);
  if (race.course.size() <= room) return;
  race.notFound.push_back({NoteKind::kCourseCut, {std::to_string(race.course.size()), std::to_string(room)}});
  race.course.resize(room);
  NumberInCourseOrder(race.marks, race.course);
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
    race.notFound.push_back({NoteKind::kWindowCut, {}});
  }
  const FleetGrid grid = SampleFleet(fleet, from, to);
  race.gunUtc = grid.t0;
  race.finishUtc = grid.t0 + grid.count;
  if (boats == 1) race.notFound.push_back({NoteKind::kOneBoat, {}});

  const auto departure = FleetDeparture(grid, 0, grid.count - 1);
  if (!departure) {
    race.notFound.push_back({NoteKind::kNoDeparture, {}});
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
  auto tackWind = WindFromTacks(grid, Legs(grid, *departure, found));
  if (!tackWind) tackWind = WindFromTacksTogether(grid, *departure, turns, found, minBoats, scale);
  if (tackWind) {
    std::erase_if(turns, [&](const Turn& turn) { return IsTack(turn, *tackWind); });
    CourseFinding withoutTacks = FindCourse(grid, *departure, turns, minBoats, scale);
    if (!withoutTacks.course.empty()) found = std::move(withoutTacks);
  }
  AddBends(grid, found, minBoats, scale.clusterRadius, tackWind);
  std::vector<int> course = found.course;
  const std::vector<Point>& marks = found.marks;
  const auto& times = found.times;
  race.course = course;
  for (Point p : marks) race.marks.push_back(ToLatLon(fleet, p));
  if (course.empty()) race.notFound.push_back({NoteKind::kNoMarks, {}});

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
  auto finish = FindFinishLine(grid, legStart, last);
  if (finish && !course.empty()) {
    // A passing mark on the last leg: the finish lies square to the way on from it.
    if (const auto bend =
            FleetBend(grid, last, finish->finishSecond, minBoats, scale.clusterRadius, tackWind)) {
      if (auto after = FindFinishLine(grid, bend->at, bend->second)) {
        race.course.push_back(static_cast<int>(race.marks.size()));
        race.marks.push_back(ToLatLon(fleet, bend->at));
        finish = std::move(after);
      }
    }
  }
  if (finish) {
    race.finishEnd1 = ToLatLon(fleet, finish->end1), race.finishEnd2 = ToLatLon(fleet, finish->end2);
    race.hasFinishLine = true;
    const auto crossed = std::count_if(finish->finishSecond.begin(), finish->finishSecond.end(),
                                       [](int second) { return second >= 0; });
    race.found.push_back({NoteKind::kFinishFound, {std::to_string(crossed), std::to_string(boats)}});
    const int lastFinish = *std::max_element(finish->finishSecond.begin(), finish->finishSecond.end());
    race.finishUtc = grid.t0 + lastFinish + kFinishMarginSeconds;
  } else {
    race.notFound.push_back({NoteKind::kNoFinish, {}});
  }

  // Wind from the tacks of the legs; the first leg's way when nobody tacked.
  const Point startMiddle{(start.end1.x + start.end2.x) / 2, (start.end1.y + start.end2.y) / 2};
  const auto legs = Legs(grid, start.gunSecond, found, startMiddle);
  if (const auto wind = WindFromTacks(grid, legs)) {
    race.windDirection = static_cast<int>(std::lround(*wind)) % 360;
    race.found.push_back({NoteKind::kWindFound, {std::to_string(race.windDirection)}});
  } else {
    race.windDirection = static_cast<int>(std::lround(BearingOf(startMiddle, firstMark))) % 360;
    if (!marks.empty()) race.notFound.push_back({NoteKind::kNoTacks, {}});
  }
  KeepWhatARaceFileHolds(race);
  SetTimeDifference(fleet, race);
  if (race.hasStartLine) {
    const double length = Distance(start.end1, start.end2);
    race.found.insert(race.found.begin(),
                      {NoteKind::kGunFound,
                       {race::FormatDateTime(race.gunUtc / 86400 + race.timeDifferenceHours / 24.0),
                        std::to_string(std::lround(length))}});
  }
  if (!race.course.empty()) {
    std::string order;
    for (int m : race.course) order += (order.empty() ? "" : "-") + std::to_string(m + 1);
    race.found.insert(race.found.begin() + (race.hasStartLine ? 1 : 0),
                      {NoteKind::kCourseFound, {std::to_string(race.marks.size()), order}});
  }
  return race;
}

}  // namespace inference
