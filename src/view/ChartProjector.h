// A chart view's projection prepared once for many points: the rotation is taken from the shared Rotate
// as its two basis vectors, so each point costs a few multiplications instead of a sine and a cosine, and
// comes out exactly as ProjectToChart computes it.
#pragma once

#include <vector>

#include "analysis/Navigation.h"
#include "race/Numbers.h"
#include "view/Canvas.h"

namespace race {
struct RaceStore;
}

namespace view {

// race::RoundToInt without its library call. Adding 1.5 * 2^52 leaves the sum no bits below the units, so
// the processor rounds it to a whole number the way nearbyint does (to nearest, halves to even); exact for
// any value within the bounds below. Values beyond them, and NaN, take the library's way.
inline int RoundToPixel(double value) {
  constexpr double kUnitsOnly = 6755399441055744.0;
  if (value > -1e9 && value < 1e9) return static_cast<int>((value + kUnitsOnly) - kUnitsOnly);
  return race::RoundToInt(value);
}

class ChartProjector {
 public:
  explicit ChartProjector(const analysis::ChartView& view);

  // Unrounded pixel position (glyphs turn about it).
  analysis::Offset Exact(double lat, double lon) const {
    const double dx = (lon - centreLon_) * pxPerMinuteLon_ * zoomFactor_;
    const double dy = (centreLat_ - lat) * pxPerMinuteLat_ * zoomFactor_;
    if (northUp_) return {dx + halfWidth_, dy + halfHeight_};
    return {dx * ex_.x + dy * ey_.x + halfWidth_, dx * ex_.y + dy * ey_.y + halfHeight_};
  }

  // Whole pixel, halves to even, as ProjectToChart gives it. Inline: it runs for every fix of every track.
  Point Pixel(double lat, double lon) const {
    const analysis::Offset p = Exact(lat, lon);
    return {RoundToPixel(p.x), RoundToPixel(p.y)};
  }

  // A boat's whole track in pixels, each repeat of the pixel before left out (see AppendDistinct).
  void TrackPixels(const race::RaceStore& store, int boat, std::vector<Point>& out) const;

 private:
  double centreLat_, centreLon_;
  double pxPerMinuteLat_, pxPerMinuteLon_, zoomFactor_;
  double halfWidth_, halfHeight_;
  bool northUp_;
  analysis::Offset ex_, ey_;  // the rotated unit vectors
};

// Adds a polyline vertex unless it repeats the last one: dense tracks often stay on one pixel for several
// fixes, and the repeats draw nothing.
inline void AppendDistinct(std::vector<Point>& points, Point p) {
  if (points.empty() || !(points.back() == p)) points.push_back(p);
}

}  // namespace view
