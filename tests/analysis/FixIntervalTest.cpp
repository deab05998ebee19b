// The fix interval search of the replay: the same answer as walking every interval, from any cached place,
// for tracks in time order, tracks with repeated times and tracks whose times run backwards somewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "analysis/FixInterval.h"

namespace {

using analysis::FindFixInterval;

// Every k with times[k] <= t < times[k+1], the way the replay used to look.
std::vector<int> Holding(const std::vector<double>& times, int last, double t) {
  std::vector<int> all;
  for (int k = 1; k <= last; ++k) {
    if (times[k] <= t && t < times[k + 1]) all.push_back(k);
  }
  return all;
}

void ExpectAgreesWithWalk(const std::vector<double>& times) {
  const int last = static_cast<int>(times.size()) - 2;
  for (double t = times[1] - 2; t <= times.back() + 2; t += 0.25) {
    const std::vector<int> holding = Holding(times, last, t);
    for (int cached = 0; cached <= last + 1; ++cached) {
      const int k = FindFixInterval(times, last, cached, t);
      if (holding.empty()) {
        EXPECT_EQ(k, 0) << "t " << t << " cached " << cached;
      } else {
        EXPECT_NE(std::find(holding.begin(), holding.end(), k), holding.end())
            << "t " << t << " cached " << cached;
      }
    }
  }
}

TEST(FixInterval, AgreesWithWalkingEveryInterval) {
  // Element 0 unused. One fix a second, 10 Hz fixes sharing whole seconds, and a gap.
  ExpectAgreesWithWalk({0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  ExpectAgreesWithWalk({0, 10, 10, 10, 11, 11, 12, 30, 30.5, 31});
  // A logger whose clock stepped back once: the intervals of both runs are found.
  ExpectAgreesWithWalk({0, 0, 1, 2, 3, 4, 5, 2.5, 3.5, 4.5, 6, 7});
}

TEST(FixInterval, OutsideTheTrackAndShortTracks) {
  const std::vector<double> times{0, 100, 101, 102};
  EXPECT_EQ(FindFixInterval(times, 2, 2, 99.9), 0);
  EXPECT_EQ(FindFixInterval(times, 2, 1, 102), 0);  // the last fix's own time starts no interval
  EXPECT_EQ(FindFixInterval(times, 2, 0, 101.5), 2);
  EXPECT_EQ(FindFixInterval(times, 0, 0, 100), 0);
  EXPECT_EQ(FindFixInterval(std::vector<double>{0, 5}, 0, 0, 5), 0);
}

TEST(FixInterval, LongTrackFromAFarCachedPlace) {
  std::vector<double> times(1);
  for (int k = 0; k < 100000; ++k) times.push_back(k * 0.1);
  const int last = static_cast<int>(times.size()) - 2;
  EXPECT_EQ(FindFixInterval(times, last, 5, 9000.05), 90001);
  EXPECT_EQ(FindFixInterval(times, last, 90001, 9000.15), 90002);  // forward play
  EXPECT_EQ(FindFixInterval(times, last, 90002, 9000.05), 90001);  // backward play
}

}  // namespace
