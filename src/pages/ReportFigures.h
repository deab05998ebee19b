// The per-leg figures the performance report reads from the analysis tables: leg times, passings,
// positions and the best boat. Every index outside the tables reads as "not passed" or 0.
#pragma once

#include <string>

#include "race/RaceStore.h"

namespace pages {

// A passing is a mark time below this; 10000000 marks "not passed".
inline constexpr double kPassedBelow = 999999.0;
inline constexpr double kMetresPerMile = 1852.0;

class ReportFigures {
 public:
  explicit ReportFigures(const race::RaceStore& store);

  const race::RaceStore& Store() const { return store_; }
  int Boats() const { return boats_; }
  // Course points 1..Points(); legs 1..Legs() run from point j to point j + 1.
  int Points() const { return points_; }
  int Legs() const { return points_ > 1 ? points_ - 1 : 0; }

  double MarkTime(int boat, int point) const;
  bool Passed(int boat, int point) const { return MarkTime(boat, point) < kPassedBelow; }
  // Leg 1 is timed from the gun, the others from the previous course point; not checked for passings.
  double LegTime(int boat, int leg) const;
  // Metres sailed on a leg; column Points() holds gun to finish.
  double Sailed(int boat, int point) const;
  double LegLength(int point) const;
  double LegBearing(int leg) const;
  int LegKind(int leg) const;

  std::string PointName(int point) const;
  // "ST->M1", "M1->M2" ...
  std::string LegLabel(int leg) const;
  // "(UP)", "(DN)" or "" for a reach.
  std::string KindLabel(int leg) const;
  // "START", the mark name, or "FINISH" for the last point (also when the course has one point).
  std::string PositionHeader(int point) const;

  // Whether the boat has a place at the point: its finish, or a passing in order (after the point before it).
  bool Placed(int boat, int point) const;
  // The finishing place at the finish; elsewhere 1 + the number of boats placed there earlier.
  int Position(int boat, int point) const;
  // The boat placed 1st (lowest boat number on a tie), or 0 when nobody finished.
  int BestBoat() const { return bestBoat_; }

 private:
  const race::RaceStore& store_;
  int boats_ = 0;
  int points_ = 0;
  int bestBoat_ = 0;
};

// Knots from metres sailed in seconds.
inline double Knots(double metres, double seconds) {
  return metres / seconds * 3600.0 / kMetresPerMile;
}

}  // namespace pages
