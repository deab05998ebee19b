// The race loop: time steps for the fleet, the loggers' fixes with their error, and the wind records.
#include "simulate/Race.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "race/RaceStore.h"

namespace simulate {
namespace {

// The true path of one boat, a position every time step from the first.
struct Path {
  double first = 0, step = 1;
  std::vector<Vec> spots;
  analysis::PlaneSpot At(double t) const {
    if (spots.empty()) return {};
    const double x = std::clamp((t - first) / step, 0.0, static_cast<double>(spots.size() - 1));
    const size_t i = std::min(static_cast<size_t>(x), spots.size() - 1);
    const size_t j = std::min(i + 1, spots.size() - 1);
    const double f = x - static_cast<double>(i);
    return {spots[i].x + (spots[j].x - spots[i].x) * f, spots[i].y + (spots[j].y - spots[i].y) * f};
  }
};

// The crossings whose new side held, each a change from the side held before, measured on the true path.
std::vector<analysis::Manoeuvre> TrueManoeuvres(const Sailor& sailor, const Path& path,
                                                const WindModel& wind) {
  std::vector<analysis::Manoeuvre> result;
  const std::vector<Crossing>& c = sailor.crossings();
  if (c.empty()) return result;
  std::vector<double> breaks;  // roundings and earlier manoeuvres
  for (double passed : sailor.passings())
    if (!std::isnan(passed)) breaks.push_back(passed);
  int held = c[0].side;
  for (size_t i = 1; i < c.size(); ++i) {
    const double until = i + 1 < c.size() ? c[i + 1].seconds : sailor.racingUntil();
    if (until - c[i].seconds < kManoeuvreHold || c[i].side == held) continue;
    held = c[i].side;
    const analysis::PlaneSpot at = path.At(c[i].seconds);
    const double windDirection = wind.At({at.east, at.north}, c[i].seconds).direction;
    analysis::Manoeuvre m =
        analysis::MeasureManoeuvre([&path](double t) { return path.At(t); }, c[i].seconds,
                                   c[i].byBow ? windDirection : windDirection + 180, breaks);
    m.kind = c[i].byBow ? analysis::ManoeuvreKind::Tack : analysis::ManoeuvreKind::Gybe;
    result.push_back(m);
    breaks.push_back(c[i].seconds);
  }
  return result;
}

}  // namespace

double LegForDuration(const RaceSettings& s) {
  const Polar polar;
  const double w = s.wind.speed;
  const double beat = polar.BeatVmg(w) * kKnot * 0.9;
  const double run = polar.RunVmg(w) * kKnot * 0.9;
  const double reach = polar.Speed(125, w) * kKnot * 0.9;
  double secondsPerMetre = 0;
  if (s.kind == CourseKind::WindwardLeeward) {
    secondsPerMetre = s.laps * (1 / beat + 1 / run);
  } else {
    secondsPerMetre = s.laps * (1 / beat + 1.6 / reach) + 1 / beat + 1 / run;
  }
  return std::clamp(s.targetMinutes * 60 / secondsPerMetre, 300.0, 20000.0);
}

std::string StatusOf(const BoatRecord& boat) {
  switch (boat.crew.mishap) {
    case Mishap::Retire:
      return "retired";
    case Mishap::MissMark:
      return "missed mark";
    default:
      break;
  }
  if (!boat.finished) return "did not finish";
  return boat.early ? "early start" : "finished";
}

RaceRecord SimulateRace(const RaceSettings& s) {
  if (s.boats < 1 || s.boats > race::kMaxBoats)
    throw std::invalid_argument("the fleet must have 1 to " + std::to_string(race::kMaxBoats) + " boats");
  if (!(s.rateHz > 0 && s.rateHz <= 10))
    throw std::invalid_argument("the logging rate must be above 0 and at most 10 Hz");
  Random random(s.seed);
  const Polar polar;
  RaceRecord record;
  double leg = s.legMetres > 0 ? s.legMetres : LegForDuration(s);
  if (s.kind == CourseKind::Passage) {
    record.course = BuildPassage(s.route, s.boats, s.boatLength);
    leg = record.course.legMetres;
  } else {
    record.course = BuildCourse(s.kind, s.laps, s.wind.direction, leg, s.boats, s.boatLength);
  }
  const Course& course = record.course;

  // The wind covers the course with a leg's margin either way.
  Vec low{1e18, 1e18}, high{-1e18, -1e18};
  auto extend = [&](Vec p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  };
  for (const Vec& m : course.marks) extend(m);
  for (const CourseLine& l : course.lines) extend(l.end1), extend(l.end2);
  const double margin = std::min(0.5 * leg, 5000.0) + 500;
  low = low - Vec{margin, margin};
  high = high + Vec{margin, margin};

  const double preStart = s.preStartMinutes * 60.0;
  const double logInterval = 1.0 / s.rateHz;
  const int stepsPerLog = std::max(1, static_cast<int>(std::ceil(logInterval / 0.5 - 1e-9)));
  const double dt = logInterval / stepsPerLog;
  record.firstSeconds = -std::ceil((preStart + 90) / logInterval) * logInterval;
  double limit = s.targetMinutes * 60 * 3 + 1800;
  double expected = s.targetMinutes * 60;
  if (s.kind == CourseKind::Passage) {
    double length = 0;
    for (size_t i = 1; i < s.route.size(); ++i) length += Length(s.route[i] - s.route[i - 1]);
    expected = length / (3.5 * kKnot);
    limit = std::max(limit, length / (1.5 * kKnot) + 1800);
  }
  WindSettings windSettings = s.wind;
  windSettings.shiftSeconds = std::max(expected, 600.0);
  const WindModel wind(windSettings, low, high, record.firstSeconds, limit, random.Fork(1));

  // Crews: skills spread over the fleet; the mishaps go to three different boats.
  Random crewRandom = random.Fork(2);
  std::vector<Crew> crews(s.boats);
  for (Crew& c : crews) c.skill = crewRandom.Uniform(0.15, 1.0);
  if (s.mishaps && s.boats >= 8 && course.marks.size() >= 1) {
    std::vector<int> order(s.boats);
    for (int i = 0; i < s.boats; ++i) order[i] = i;
    for (int i = s.boats - 1; i > 0; --i) std::swap(order[i], order[crewRandom.Below(i + 1)]);
    crews[order[0]].mishap = Mishap::EarlyStart;
    crews[order[1]].mishap = Mishap::Retire;
    crews[order[2]].mishap = Mishap::MissMark;
    const int points = static_cast<int>(course.points.size());
    // The last windward mark: turned short of it, the boat never comes near it again.
    crews[order[2]].missedPoint = points - 2;
  }
  std::vector<std::unique_ptr<Sailor>> fleet;
  for (int b = 0; b < s.boats; ++b) {
    fleet.push_back(
        std::make_unique<Sailor>(crews[b], course, polar, record.firstSeconds, random.Fork(100 + b)));
  }
  record.boats.resize(s.boats);
  for (int b = 0; b < s.boats; ++b) record.boats[b].crew = crews[b];

  // The loggers' error drifts a few metres over minutes, smoothly from fix to fix as a receiver's filter
  // makes it: its rate of change wanders, and the error is pulled back toward none. A decimetre of
  // jitter on top.
  Random gpsRandom = random.Fork(3);
  std::vector<Vec> gpsError(s.boats), gpsDrift(s.boats);
  const double keepDrift = std::exp(-logInterval / 20);
  const double freshDrift = std::sqrt(1 - keepDrift * keepDrift);
  const double keepError = std::exp(-logInterval / 120);
  std::vector<Path> paths(s.boats, Path{record.firstSeconds, dt, {}});

  const CourseLine& start = course.lines[0];
  const Vec centre = ((start.end1 + start.end2) * 0.5 + course.marks[0]) * 0.5;
  double nextWind = record.firstSeconds;
  long step = 0;
  double now = record.firstSeconds;
  for (;; ++step) {
    now = record.firstSeconds + step * dt;
    if (step % stepsPerLog == 0) {
      bool anyone = false;
      for (int b = 0; b < s.boats; ++b) {
        if (!fleet[b]->logging()) continue;
        anyone = true;
        Vec& v = gpsDrift[b];
        v = v * keepDrift + Vec{gpsRandom.Gauss(), gpsRandom.Gauss()} * (0.04 * freshDrift);
        Vec& e = gpsError[b];
        e = e * keepError + v * logInterval;
        const Vec jitter{gpsRandom.Gauss(0, 0.1), gpsRandom.Gauss(0, 0.1)};
        record.boats[b].fixes.push_back({now, fleet[b]->position() + e + jitter});
      }
      if (!anyone || now > limit) break;
    }
    if (now >= nextWind - 1e-9) {
      // The wind the fleet sails in: the mean over the boats racing, else at the middle of the course.
      double x = 0, y = 0, speed = 0;
      int n = 0;
      for (const auto& boat : fleet) {
        if (!boat->racing()) continue;
        const WindSample w = wind.At(boat->position(), now);
        x += std::sin(Radians(w.direction));
        y += std::cos(Radians(w.direction));
        speed += w.speed;
        ++n;
      }
      WindSample mean = wind.At(centre, now);
      if (n > 0) mean = {BearingOf({x, y}), speed / n};
      record.wind.push_back({now, mean});
      nextWind += s.windInterval;
    }
    for (int b = 0; b < s.boats; ++b) {
      paths[b].spots.push_back(fleet[b]->position());
      fleet[b]->Step(now, dt, wind);
    }
  }

  double lastFinish = 0;
  for (int b = 0; b < s.boats; ++b) {
    BoatRecord& r = record.boats[b];
    r.passings = fleet[b]->passings();
    r.early = fleet[b]->startedEarly();
    r.manoeuvres = TrueManoeuvres(*fleet[b], paths[b], wind);
    r.finished = fleet[b]->phase() == Sailor::Phase::Ashore && !std::isnan(r.passings.back()) &&
                 r.crew.mishap != Mishap::MissMark;
    if (!std::isnan(r.passings.back())) lastFinish = std::max(lastFinish, r.passings.back());
  }
  if (lastFinish <= 0) lastFinish = now;
  record.finishSeconds = std::ceil((lastFinish + 120) / 60) * 60;
  while (nextWind <= record.finishSeconds) {
    record.wind.push_back({nextWind, wind.At(centre, nextWind)});
    nextWind += s.windInterval;
  }
  return record;
}

}  // namespace simulate
