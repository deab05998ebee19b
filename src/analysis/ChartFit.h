// The chart fit of a loaded race: the extent of the tracks inside the time line, made square in true
// distance, and the pixel scales of the main chart and the overview map derived from it.
#pragma once

#include "race/RaceStore.h"

namespace analysis {

inline constexpr int kOverviewSize = 170;  // pixels, both sides of the overview map

struct ChartFit {
  double trackMaxLat = -20000, trackMinLat = 20000;  // minutes; start values that any fix replaces
  double trackMaxLon = -20000, trackMinLon = 20000;
  double midLat = 0, midLon = 0;
  double cosMidLatitude = 1;
  double chartSpanLat = 0, chartSpanLon = 0;  // minutes
  double pxPerMinuteLat = 0, pxPerMinuteLon = 0;
  double overviewPxPerMinuteLat = 0, overviewPxPerMinuteLon = 0;
  int mapWidth = 0, mapHeight = 0;
  int overviewWidth = kOverviewSize, overviewHeight = kOverviewSize;

  double metresPerMinuteLon() const;
};

// Fits the chart to every boat's fixes inside [timelineStart, timelineEnd]. A race with no such fix is fitted
// to its marks and lines instead, and a race without those to a small area round (0, 0), so the spans stay
// positive.
ChartFit FitChart(const race::RaceStore& store, int mapWidth, int mapHeight);

// Sun estimate for the automatic sea colour, and the start gun's second of the day (all in seconds).
struct SunEstimate {
  double sunriseSecond = 0;
  double sunsetSecond = 0;
  double raceStartSecondOfDay = 0;
};

// Sunrise and sunset on the race clock (seconds of the day, may lie outside 0..86400) at the chart's centre
// (minutes of arc) on the day of startTime; the race clock runs timeDifferenceHours ahead of UTC.
SunEstimate EstimateSun(double midLat, double midLon, race::TDateTime startTime, int timeDifferenceHours);

// Day of the year (1 = 1 January) of a date-time.
int DayOfYear(race::TDateTime when);

}  // namespace analysis
