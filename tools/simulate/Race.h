// Sails a whole race: lays the course for the wind, gives the fleet its crews, steps every boat through the
// pre-start, the race and the sail home, and keeps what the loggers and the committee would have recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/Manoeuvres.h"
#include "simulate/Course.h"
#include "simulate/Sailor.h"
#include "simulate/Wind.h"

namespace simulate {

struct RaceSettings {
  CourseKind kind = CourseKind::WindwardLeeward;
  int laps = 2;
  int boats = 10;
  WindSettings wind;
  double legMetres = 0;  // windward leg; 0 = sized so the race lasts about targetMinutes
  double targetMinutes = 40;
  double rateHz = 1;        // logging rate
  double boatLength = 8.5;  // metres
  int preStartMinutes = 5;
  bool mishaps = true;       // an early starter, a retirement and a missed mark (with 8 or more boats)
  double windInterval = 10;  // seconds between wind records
  std::uint64_t seed = 1;
  std::vector<Vec> route;  // a passage: start, marks and finish, metres from the start
};

struct Fix {
  double seconds = 0;  // race seconds
  Vec position;        // metres, with the logger's error
};

struct BoatRecord {
  Crew crew;
  bool early = false;
  bool finished = false;
  std::vector<Fix> fixes;
  std::vector<double> passings;  // per course point, NaN when not passed
  // Every tack and gybe sailed while racing whose new side held kManoeuvreHold seconds, measured on the
  // boat's true path in the wind at the boat.
  std::vector<analysis::Manoeuvre> manoeuvres;
};

inline constexpr double kManoeuvreHold = 10;  // seconds

struct WindRecord {
  double seconds = 0;
  WindSample wind;
};

struct RaceRecord {
  Course course;
  std::vector<BoatRecord> boats;
  std::vector<WindRecord> wind;
  double firstSeconds = 0;   // the first logged fix
  double finishSeconds = 0;  // the committee's finish time (FT), a whole minute after the last finisher
};

// Leg length for a race of about the target duration in this wind.
double LegForDuration(const RaceSettings& settings);

// The status a boat's truth row carries: "finished", "early start", "retired", "missed mark", "did not
// finish".
std::string StatusOf(const BoatRecord& boat);

RaceRecord SimulateRace(const RaceSettings& settings);

}  // namespace simulate
