// The fix interval that holds a moment, as the replay asks for it for every boat on every frame: from the
// place the last frame found, else by halves, so a frame costs a few steps per boat however long the tracks.
#pragma once

#include <algorithm>

namespace analysis {

// k in 1..last with times[k] <= t < times[k+1] (times indexed from 1, last + 1 readable), or 0 when no
// interval holds t. The cached interval, the two after it (forward play) and the one before it (backward
// play) are tried first. In time order at most one interval holds t, so where it is found does not matter.
// Tracks keep their logger's order: where times run backwards somewhere the search by halves can miss, and
// only then, with t inside the track's first and last times, are the intervals walked one by one.
template <class Times>
int FindFixInterval(const Times& times, int last, int cached, double t) {
  if (last < 1) return 0;
  const auto holds = [&](int k) { return times[k] <= t && t < times[k + 1]; };
  if (cached >= 1 && cached <= last) {
    for (int k = cached; k <= std::min(cached + 2, last); ++k) {
      if (holds(k)) return k;
    }
    if (cached > 1 && holds(cached - 1)) return cached - 1;
  }
  if (t < times[1] || !(t < times[last + 1])) return 0;
  int lo = 1;
  int hi = last + 1;  // times[lo] <= t < times[hi] while the times are in order
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    if (times[mid] <= t) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  if (holds(lo)) return lo;
  for (int k = 1; k <= last; ++k) {
    if (holds(k)) return k;
  }
  return 0;
}

}  // namespace analysis
