// A 1-pixel solid polyline stepped straight into 32-bit pixels. It sets exactly the pixels Qt's raster
// engine sets for the same polyline drawn with an opaque 1-pixel pen, no antialiasing, no transform and no
// clip, but without the engine's per-segment floating-point work: the still chart draws some 700,000 track
// points, and that work was most of its time. Its test draws both ways on many polylines, so a Qt whose
// engine steps lines differently shows there first.
#pragma once

#include <cstddef>
#include <cstdint>

#include "view/Canvas.h"

namespace shell {

struct PixelBuffer {
  std::uint32_t* pixels = nullptr;
  std::ptrdiff_t pixelsPerLine = 0;
  int width = 0;
  int height = 0;
};

void DrawThinPolyline(const PixelBuffer& target, const view::Point* points, std::size_t count,
                      std::uint32_t pixel);

}  // namespace shell
