// Flat-earth navigation math: bearings, ranges, chart rotation and the projection between positions (minutes
// of arc) and chart pixels. Pure arithmetic shared by the analysis, every renderer and the pointer handlers.
#pragma once

#include <cmath>
#include <numbers>

namespace analysis {

inline constexpr double kMetresPerMinuteLat = 1852.0;  // one minute of latitude is one nautical mile
inline constexpr double kPolarOffsetLength = 600.0;    // pixels
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// A pixel vector (or offset from a bitmap centre), not yet rounded.
struct Offset {
  double x = 0;
  double y = 0;
};

// A whole-pixel position on a bitmap.
struct ChartPoint {
  int x = 0;
  int y = 0;
};

// A position in minutes of arc, north and east positive.
struct Position {
  double lat = 0;
  double lon = 0;
};

struct RangeBearing {
  double rangeMetres = 0;
  double rangeBearingMag = 0;  // degrees, 0..360
};

// The projection parameters of one drawn chart: the background chart and the frame view each keep one.
struct ChartView {
  double centreLat = 0;  // minutes, drawn at the bitmap centre
  double centreLon = 0;
  double pxPerMinuteLat = 1;  // before zoomFactor
  double pxPerMinuteLon = 1;
  double zoomFactor = 1;  // the background chart's zoom; 1 for the frame view
  int mapWidth = 0;
  int mapHeight = 0;
  bool northUp = true;    // false: wind-up, windDirection turned to the top
  int windDirection = 0;  // degrees
};

// Degrees clockwise from north, 0 <= result < 360, of a vector given as (east, south) in any common unit.
// A zero vector has bearing 0. Here in the header, as SegmentLength, so the loops over every fix inline it.
inline double Bearing(double east, double south) {
  const double north = -south;
  double result;
  if (north == 0) {
    result = east == 0 ? 0.0 : (east > 0 ? 90.0 : 270.0);
  } else {
    result = std::atan(east / north) / kRadiansPerDegree;
    if (north < 0) result += 180;
  }
  if (result < 0) result += 360;
  if (result >= 360) result -= 360;
  return result;
}

// Turns a pixel offset from the bitmap centre by angle (radians); identity when north-up.
Offset Rotate(double x, double y, double angleRadians, bool northUp);

// A 600-pixel vector in the given screen direction (degrees, 0 = up, clockwise).
Offset PolarOffset(double degrees);

// Flat-earth range in metres and magnetic bearing from one position to another.
RangeBearing RangeAndBearing(Position from, Position to, double cosMidLatitude, double magneticVariation);

// Straight length in metres between two positions on the flat chart.
inline double SegmentLength(double lat1, double lon1, double lat2, double lon2, double cosMidLatitude) {
  const double east = (lon2 - lon1) * (kMetresPerMinuteLat * cosMidLatitude);
  const double north = (lat2 - lat1) * kMetresPerMinuteLat;
  return std::sqrt(east * east + north * north);
}

// Pixel of a position on the view's bitmap (rounded, halves to even).
ChartPoint ProjectToChart(double lat, double lon, const ChartView& view);

// Position under a pixel of the view's bitmap.
Position ChartToPosition(double px, double py, const ChartView& view);

// Brings an angle into 0..360 by one turn either way.
double NormaliseDegrees(double degrees);

}  // namespace analysis
