// Chart fit over the tracks and the sun estimate that goes with it.
#include "analysis/ChartFit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/Navigation.h"

namespace analysis {

namespace {

constexpr double kMarginFactor = 1.2;
constexpr double kEmptyRaceHalfExtent = 1.0;  // minutes round (0, 0) when a race has no position at all
constexpr double kMinimumSpan = 0.01;         // minutes; a race standing on one point still gets a scale

void Include(ChartFit& fit, double lat, double lon) {
  if (lat > fit.trackMaxLat) fit.trackMaxLat = lat;
  if (lat < fit.trackMinLat) fit.trackMinLat = lat;
  if (lon > fit.trackMaxLon) fit.trackMaxLon = lon;
  if (lon < fit.trackMinLon) fit.trackMinLon = lon;
}

bool HasExtent(const ChartFit& fit) {
  return fit.trackMaxLat >= fit.trackMinLat;
}

void ScanTracks(const race::RaceStore& store, ChartFit& fit) {
  for (int b = 1; b <= store.boatCount; ++b) {
    if (b >= static_cast<int>(store.trackTime.size())) break;
    const auto& t = store.trackTime[b];
    const auto& lat = store.trackLat[b];
    const auto& lon = store.trackLon[b];
    const int n = std::min<int>(store.fixCount[b], static_cast<int>(t.size()) - 1);
    for (int i = 1; i <= n; ++i) {
      if (t[i] >= store.timelineStart && t[i] <= store.timelineEnd) Include(fit, lat[i], lon[i]);
    }
  }
}

void ScanCourse(const race::RaceStore& store, ChartFit& fit) {
  for (int m = 1; m <= std::min(store.markCount, race::kMaxMarks); ++m)
    Include(fit, store.markLat[m], store.markLon[m]);
  for (int l = 1; l <= std::min(store.lineCount, race::kMaxLines); ++l) {
    Include(fit, store.lineLat1[l], store.lineLon1[l]);
    Include(fit, store.lineLat2[l], store.lineLon2[l]);
  }
}

}  // namespace

double ChartFit::metresPerMinuteLon() const {
  return kMetresPerMinuteLat * cosMidLatitude;
}

ChartFit FitChart(const race::RaceStore& store, int mapWidth, int mapHeight) {
  ChartFit fit;
  fit.mapWidth = mapWidth;
  fit.mapHeight = mapHeight;
  ScanTracks(store, fit);
  if (!HasExtent(fit)) ScanCourse(store, fit);
  if (!HasExtent(fit)) {
    fit.trackMaxLat = fit.trackMaxLon = kEmptyRaceHalfExtent;
    fit.trackMinLat = fit.trackMinLon = -kEmptyRaceHalfExtent;
  }
  fit.midLat = (fit.trackMaxLat + fit.trackMinLat) / 2;
  fit.midLon = (fit.trackMaxLon + fit.trackMinLon) / 2;
  fit.cosMidLatitude = std::cos(fit.midLat / 60 * std::numbers::pi / 180);
  fit.chartSpanLat = kMarginFactor * (fit.trackMaxLat - fit.trackMinLat);
  fit.chartSpanLon = kMarginFactor * (fit.trackMaxLon - fit.trackMinLon);
  if (fit.chartSpanLon * fit.cosMidLatitude >= fit.chartSpanLat) {
    fit.chartSpanLat = fit.chartSpanLon * fit.cosMidLatitude;
  } else {
    fit.chartSpanLon = fit.chartSpanLat / fit.cosMidLatitude;
  }
  if (!(fit.chartSpanLat > 0) || !(fit.chartSpanLon > 0)) {  // one point only, or a pole
    fit.chartSpanLat = kMinimumSpan;
    fit.chartSpanLon = fit.cosMidLatitude > 0 ? kMinimumSpan / fit.cosMidLatitude : kMinimumSpan;
  }
  fit.overviewPxPerMinuteLat = fit.overviewHeight / fit.chartSpanLat;
  fit.overviewPxPerMinuteLon = fit.overviewWidth / fit.chartSpanLon;
  // One scale in both directions, so a metre east is as long on the chart as a metre north: the square of
  // the spans fits the chart's shorter side.
  fit.pxPerMinuteLat = std::min(fit.mapWidth, fit.mapHeight) / fit.chartSpanLat;
  fit.pxPerMinuteLon = fit.pxPerMinuteLat * fit.chartSpanLat / fit.chartSpanLon;
  return fit;
}

int DayOfYear(race::TDateTime when) {
  // Days since 1899-12-30 to a civil date (proleptic Gregorian), then count from 1 January.
  const long days = static_cast<long>(std::floor(when)) - 25569;  // days since 1970-01-01
  const long z = days + 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);  // counted from 1 March
  const long mp = (5 * doy + 2) / 153;
  const long month = mp < 10 ? mp + 3 : mp - 9;
  const long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  // doy counts from 1 March: January and February are the last two months of the shifted year.
  return static_cast<int>(month <= 2 ? doy - 306 + 1 : doy + 59 + (leap ? 1 : 0) + 1);
}

SunEstimate EstimateSun(double midLat, double midLon, race::TDateTime startTime, int timeDifferenceHours) {
  // The NOAA solar calculation for the day of the race at the chart's centre: the equation of time and the
  // sun's declination at noon, the hour angle of the sun's upper limb on the horizon (refraction included).
  constexpr double kDegrees = std::numbers::pi / 180;
  const double gamma = 2 * std::numbers::pi / 365 * (DayOfYear(startTime) - 1);
  const double equationMinutes =
      229.18 * (0.000075 + 0.001868 * std::cos(gamma) - 0.032077 * std::sin(gamma) -
                0.014615 * std::cos(2 * gamma) - 0.040849 * std::sin(2 * gamma));
  const double declination = 0.006918 - 0.399912 * std::cos(gamma) + 0.070257 * std::sin(gamma) -
                             0.006758 * std::cos(2 * gamma) + 0.000907 * std::sin(2 * gamma) -
                             0.002697 * std::cos(3 * gamma) + 0.00148 * std::sin(3 * gamma);
  const double latitude = midLat / 60 * kDegrees;
  const double cosHourAngle = std::cos(90.833 * kDegrees) / (std::cos(latitude) * std::cos(declination)) -
                              std::tan(latitude) * std::tan(declination);
  // Polar night: the sun never rises (rise and set at noon); midnight sun: it never sets.
  const double hourAngle = std::acos(std::clamp(cosHourAngle, -1.0, 1.0)) / kDegrees;
  const double noonSecond = (720 - 4 * (midLon / 60) - equationMinutes) * 60 + timeDifferenceHours * 3600.0;
  SunEstimate sun;
  sun.sunriseSecond = cosHourAngle < -1 ? -86400 : noonSecond - hourAngle * 240;
  sun.sunsetSecond = cosHourAngle < -1 ? 2 * 86400 : noonSecond + hourAngle * 240;
  // Milliseconds are dropped: round the fraction to milliseconds first, then keep whole seconds.
  const double dayFraction = startTime - std::floor(startTime);
  const long long millis = std::llround(dayFraction * 86400000.0);
  sun.raceStartSecondOfDay = static_cast<double>((millis / 1000) % 86400);
  return sun;
}

}  // namespace analysis
