// Centred moving averages over a time window, for curves that stay readable with many boats on one page.
#pragma once

#include <vector>

#include "race/FixColumn.h"

namespace pages {

// values[1..n] at times[1..n] (ascending), each averaged with its neighbours within seconds/2 either side;
// a direction in degrees is averaged as a direction, so 359 and 1 give 0 and not 180. seconds <= 0 leaves
// the values as they are. Element 0 is copied unchanged.
// Made for plain vectors and for a boat's track channels.
template <typename Times, typename Values>
std::vector<double> MovingAverage(const Times& times, const Values& values, int n, double seconds,
                                  bool directions);

}  // namespace pages
