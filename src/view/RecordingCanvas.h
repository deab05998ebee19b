// A canvas that draws nothing and logs every call with the pen, brush and font in force, so tests can
// check what a renderer drew (text, place, size, colours) without reading pixels.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "view/Canvas.h"

namespace view {

struct PenState {
  Colour colour = 0;
  int width = 1;
  PenStyle style = PenStyle::Solid;
};

struct BrushState {
  Colour colour = Rgb(255, 255, 255);
  BrushStyle style = BrushStyle::Solid;
};

struct FontState {
  int pixelSize = 12;
  Colour colour = 0;
  bool bold = false;
  bool opaqueBackground = false;
};

enum class CallKind { Line, Polyline, Polygon, Ellipse, Rectangle, Text, SetPixel, Copy };

struct DrawCall {
  CallKind kind = CallKind::Line;
  // Line: from, to. Polyline/Polygon: the vertices. Ellipse/Rectangle: the two corners.
  // Text, SetPixel, Copy: the one place.
  std::vector<Point> points;
  std::string text;     // Text only
  Colour colour = 0;    // SetPixel only
  PenState pen;
  BrushState brush;
  FontState font;
};

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width = 800, int height = 600) : width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }

  void SetPen(Colour colour, int width = 1, PenStyle style = PenStyle::Solid) override;
  void SetBrush(Colour colour, BrushStyle style = BrushStyle::Solid) override;
  void SetFont(int pixelSize, Colour colour, bool bold = false, bool opaqueBackground = false) override;

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(const std::vector<Point>& points) override;
  void Polygon(const std::vector<Point>& points) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, const std::string& utf8) override;
  // A fixed-pitch estimate: 0.6 of the font size per character.
  int TextWidth(const std::string& utf8) override;

  // Pixels written with SetPixel read back; all others read as the background colour.
  Colour Pixel(int x, int y) const override;
  void SetPixel(int x, int y, Colour colour) override;
  void CopyFrom(const Canvas& source, int x, int y) override;

  void SetBackground(Colour colour) { background_ = colour; }

  const std::vector<DrawCall>& Calls() const { return calls_; }
  std::vector<DrawCall> CallsOf(CallKind kind) const;
  // Every text call whose text equals the given one.
  std::vector<DrawCall> TextsEqual(const std::string& text) const;
  // The first text call with that text, or nullptr.
  const DrawCall* FindText(const std::string& text) const;
  const PenState& Pen() const { return pen_; }
  const BrushState& Brush() const { return brush_; }
  const FontState& Font() const { return font_; }
  void Clear();

 private:
  DrawCall Begin(CallKind kind) const;

  int width_;
  int height_;
  PenState pen_;
  BrushState brush_;
  FontState font_;
  Point position_;
  Colour background_ = Rgb(255, 255, 255);
  std::map<std::pair<int, int>, Colour> pixels_;
  std::vector<DrawCall> calls_;
};

}  // namespace view
