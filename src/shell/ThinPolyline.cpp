// The raster engine's aliased 1-pixel line, segment by segment: positions in 26.6 fixed point, a 16.16 step
// along the minor axis, the segment's major-axis pixels taken half-open, and at each join the rules that keep
// a pixel from being drawn twice or a corner from being left open. Segments reaching beyond the picture are
// first cut at one pixel around it, in floating point, as the engine cuts them (the cut changes which pixels
// the rest of the segment sets, so it has to be the same cut).
#include "shell/ThinPolyline.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace shell {

namespace {

using view::Point;

constexpr int kNone = INT_MIN;  // no last pixel to join

enum Direction : unsigned { kDown = 0x1, kUp = 0x2, kRight = 0x4, kLeft = 0x8 };

struct Pixel {
  int x;
  int y;
  bool operator==(const Pixel&) const = default;
};

int Fixed26Dot6(double v) {
  return static_cast<int>(v * 64.);
}

// Minor-axis change per major-axis pixel in 16.16; wide numerators need 64 bits for the shift.
int Slope16Dot16(int minor, int major) {
  if (std::abs(minor) > 0x7fff) return static_cast<int>((static_cast<std::int64_t>(minor) << 16) / major);
  // Dense tracks step a pixel or two between points: a constant divisor spares those the division.
  if (major == 64) return (minor << 16) / 64;
  if (major == 128) return (minor << 16) / 128;
  return (minor << 16) / major;
}

class LineStepper {
 public:
  LineStepper(const PixelBuffer& target, std::uint32_t pixel)
      : target_(target),
        pixel_(pixel),
        width_(target.width),
        height_(target.height),
        xMin_(-1),
        xMax_(target.width + 1),
        yMin_(-1),
        yMax_(target.height + 1) {}

  // kDraw false only takes the segment's direction and last pixel, for the join with the next one.
  template <bool kDraw>
  void Segment(Point a, Point b) {
    // Most segments lie within the cut lines, and their ends convert exactly without the floating point.
    if (Within(a.x, a.y) && Within(b.x, b.y)) {
      StepFixed<kDraw>(a.x * 64, a.y * 64, b.x * 64, b.y * 64);
      return;
    }
    double x1 = a.x, y1 = a.y, x2 = b.x, y2 = b.y;
    if (!ClipAxis(x1, y1, x2, y2, xMin_, xMax_) || !ClipAxis(y1, x1, y2, x2, yMin_, yMax_)) {
      last_.x = kNone;
      return;
    }
    StepFixed<kDraw>(Fixed26Dot6(x1), Fixed26Dot6(y1), Fixed26Dot6(x2), Fixed26Dot6(y2));
  }

 private:
  // Cuts the segment to [low, high] along one axis (a, with b the other coordinate). False when nothing is
  // left. A cut end means the next segment does not join this one's last pixel.
  bool ClipAxis(double& a1, double& b1, double& a2, double& b2, double low, double high) {
    if (a1 < low) {
      if (a2 <= low) return false;
      b1 += (b2 - b1) / (a2 - a1) * (low - a1);
      a1 = low;
    } else if (a1 > high) {
      if (a2 >= high) return false;
      b1 += (b2 - b1) / (a2 - a1) * (high - a1);
      a1 = high;
    }
    if (a2 < low) {
      last_.x = kNone;
      b2 += (b2 - b1) / (a2 - a1) * (low - a2);
      a2 = low;
    } else if (a2 > high) {
      last_.x = kNone;
      b2 += (b2 - b1) / (a2 - a1) * (high - a2);
      a2 = high;
    }
    return true;
  }

  bool Within(int x, int y) const { return x >= -1 && x <= width_ + 1 && y >= -1 && y <= height_ + 1; }

  // A segment with its ends in 26.6, stepped along its longer axis.
  template <bool kDraw>
  void StepFixed(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    if (dx < dy) {
      Step<true, kDraw>(y1, x1, y2, x2);
    } else if (dx != 0) {
      Step<false, kDraw>(x1, y1, x2, y2);
    }
  }

  template <bool kVertical>
  static Pixel At(int major, int minor) {
    if constexpr (kVertical) return {minor, major};
    return {major, minor};
  }

  // One segment along its major axis (y when kVertical), endpoints in 26.6.
  template <bool kVertical, bool kDraw>
  void Step(int major1, int minor1, int major2, int minor2) {
    constexpr unsigned kForward = kVertical ? kDown : kRight;
    constexpr unsigned kBackward = kVertical ? kUp : kLeft;
    const bool backward = major1 > major2;
    if (backward) {
      std::swap(major1, major2);
      std::swap(minor1, minor2);
    }
    const unsigned dir = backward ? kBackward : kForward;
    const int inc = Slope16Dot16(minor2 - minor1, major2 - major1);
    int minor = minor1 * 1024;  // 16.16

    // Turning straight back over the last segment: this one starts half a pixel earlier.
    const bool turnsBack = kDraw && lastDir_ == (dir ^ (kForward | kBackward));
    if (turnsBack) {
      if (backward) {
        major2 += 32;
      } else {
        major1 -= 32;
        minor -= inc >> 1;
      }
    }

    int major = (major1 + 32) >> 6;
    int majorEnd = (major2 + 32) >> 6;  // exclusive
    // ...but not so much earlier that it misses the pixel where the last one ended.
    if (turnsBack && !backward && (kVertical ? last_.y : last_.x) == major + 1) ++major;
    if (major == majorEnd) return;
    const int round = inc > 0 ? 32 : 0;
    minor += ((major * 64 + round - major1) * inc) >> 6;

    Pixel first = At<kVertical>(major, minor >> 16);
    Pixel last = At<kVertical>(majorEnd - 1, (minor + (majorEnd - major - 1) * inc) >> 16);
    if (backward) std::swap(first, last);

    const bool axisAligned = std::abs(inc) < (1 << 14);
    if (!kDraw) {
      lastDir_ = dir;
      lastAxisAligned_ = axisAligned;
      last_ = last;
      return;
    }
    if (last_.x != kNone) {
      const bool gap = std::abs(last_.x - first.x) > 1 || std::abs(last_.y - first.y) > 1 ||
                       (axisAligned && lastAxisAligned_ && last_.x != first.x && last_.y != first.y);
      if (first == last_) {  // the join pixel is drawn once
        if (backward) {
          --majorEnd;
        } else {
          ++major;
          minor += inc;
        }
      } else if (lastDir_ != dir && gap) {  // a turn would leave the corner open
        if (backward) {
          ++majorEnd;
        } else {
          --major;
          minor -= inc;
        }
      } else if (lastDir_ == dir && std::abs(last_.x - first.x) <= 1 && std::abs(last_.y - first.y) > 1) {
        // Running on in the same direction from a pixel that does not touch: shifted half a step.
        minor += inc >> 1;
        const int lastMinor = (backward ? minor : minor + (majorEnd - major - 1) * inc) >> 16;
        last = kVertical ? Pixel{lastMinor, last.y} : Pixel{last.x, lastMinor};
      }
    }
    lastDir_ = dir;
    lastAxisAligned_ = axisAligned;

    // At least one pixel, even where the join rule emptied the range: the engine does the same. The
    // picture's fields are read into locals, as the stores could otherwise alias them.
    std::uint32_t* const pixels = target_.pixels;
    const std::ptrdiff_t perLine = target_.pixelsPerLine;
    const unsigned width = width_, height = height_;
    const std::uint32_t colour = pixel_;
    do {
      const Pixel p = At<kVertical>(major, minor >> 16);
      if (static_cast<unsigned>(p.x) < width && static_cast<unsigned>(p.y) < height)
        pixels[p.y * perLine + p.x] = colour;
      minor += inc;
    } while (++major < majorEnd);
    last_ = last;
  }

  const PixelBuffer target_;
  const std::uint32_t pixel_;
  const int width_, height_;
  const double xMin_, xMax_, yMin_, yMax_;  // the cut lines, one pixel around the picture
  Pixel last_{kNone, kNone};  // the last pixel of the segment before, which may lie just outside
  unsigned lastDir_ = 0;      // none yet
  bool lastAxisAligned_ = false;
};

}  // namespace

void DrawThinPolyline(const PixelBuffer& target, const view::Point* points, std::size_t count,
                      std::uint32_t pixel) {
  if (count < 2 || target.width <= 0 || target.height <= 0) return;
  LineStepper stepper(target, pixel);
  // A closed polyline's first segment joins its last one.
  if (points[0] == points[count - 1]) stepper.Segment<false>(points[count - 2], points[count - 1]);
  for (std::size_t i = 1; i < count; ++i) stepper.Segment<true>(points[i - 1], points[i]);
}

}  // namespace shell
