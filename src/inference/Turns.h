// Where each boat turns hard: the raw material of marks (and of the tacks that give the wind).
#pragma once

#include <optional>
#include <vector>

#include "inference/Fleet.h"

namespace inference {

struct Turn {
  int boat = 0;
  int second = 0;  // grid second of the apex
  Point apex;
  double before = 0;  // bearing sailed into the turn
  double after = 0;   // bearing sailed out of it
  double angle = 0;   // size of the turn, degrees
};

inline constexpr int kTurnWindowSeconds = 15;   // the straight stretch on each side of a turn
inline constexpr double kMinMovingSpeed = 0.5;  // metres a second; slower is drifting, its bearing noise

// How big the turns round a mark are: round a buoy the boats turn hard within seconds and metres of each
// other; round a headland in a passage race they turn less, over minutes, and a mile apart.
struct MarkScale {
  int turnWindowSeconds = kTurnWindowSeconds;  // the straight stretch on each side of a turn
  double minTurnDegrees = 60;                  // less is steering, not a tack, gybe or rounding
  double clusterRadius = 60;                   // metres: how far apart boats round one mark
};
inline constexpr MarkScale kBuoyScale{};
inline constexpr MarkScale kHeadlandScale{300, 40, 1500};

// The heading of boat over [i - span, i] (toward) or [i, i + span]; false when it did not move enough.
bool HeadingInto(const FleetGrid& grid, int boat, int i, int span, double& bearing);
bool HeadingOutOf(const FleetGrid& grid, int boat, int i, int span, double& bearing);

// Every turn of every boat between grid seconds from and to: the sharpest moment of each change of heading of
// the scale's minimum or more, one per turn window either side.
std::vector<Turn> FindTurns(const FleetGrid& grid, int from, int to, const MarkScale& scale = kBuoyScale);

// True when a turn goes from one close-hauled heading to the other through the wind (degrees true it blows
// from): a tack, which no mark needs.
bool IsTack(const Turn& turn, double windFrom);

// The wind (degrees true it blows from) in which every one of turns is a tack: the middle of the arcs they
// turn through, when each is a tack in it. Nothing when there are no turns or one of them is no tack.
std::optional<double> WindIfTacks(const std::vector<Turn>& turns);

}  // namespace inference
