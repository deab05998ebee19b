// The drawing surface every renderer draws on: a window bitmap, a PNG or a recording in a test.
#pragma once

#include <string>
#include <vector>

namespace view {

using Colour = unsigned;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPen(Colour colour, int width = 1, PenStyle style = PenStyle::Solid) = 0;
  virtual void SetBrush(Colour colour, BrushStyle style = BrushStyle::Solid) = 0;
  // Text drawn with an opaque background uses the brush colour behind it.
  virtual void SetFont(int pixelSize, Colour colour, bool bold = false, bool opaqueBackground = false) = 0;

  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Polyline(const std::vector<Point>& points) = 0;
  virtual void Polygon(const std::vector<Point>& points) = 0;
  // Bounding box from (x1, y1) to (x2, y2), right and bottom edges exclusive.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void TextOut(int x, int y, const std::string& utf8) = 0;
  virtual int TextWidth(const std::string& utf8) = 0;

  virtual Colour Pixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, Colour colour) = 0;
  // Copies the whole of source with its top-left at (x, y).
  virtual void CopyFrom(const Canvas& source, int x, int y) = 0;
};

}  // namespace view
