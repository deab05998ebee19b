// The logging canvas of the tests: every drawing call is kept with the state it was drawn in.
#include "view/RecordingCanvas.h"

namespace view {

void RecordingCanvas::SetPen(Colour colour, int width, PenStyle style) { pen_ = {colour, width, style}; }

void RecordingCanvas::SetBrush(Colour colour, BrushStyle style) { brush_ = {colour, style}; }

void RecordingCanvas::SetFont(int pixelSize, Colour colour, bool bold, bool opaqueBackground) {
  font_ = {pixelSize, colour, bold, opaqueBackground};
}

DrawCall RecordingCanvas::Begin(CallKind kind) const {
  DrawCall call;
  call.kind = kind;
  call.pen = pen_;
  call.brush = brush_;
  call.font = font_;
  return call;
}

void RecordingCanvas::MoveTo(int x, int y) { position_ = {x, y}; }

void RecordingCanvas::LineTo(int x, int y) {
  DrawCall call = Begin(CallKind::Line);
  call.points = {position_, {x, y}};
  calls_.push_back(std::move(call));
  position_ = {x, y};
}

void RecordingCanvas::Polyline(const std::vector<Point>& points) {
  DrawCall call = Begin(CallKind::Polyline);
  call.points = points;
  calls_.push_back(std::move(call));
}

void RecordingCanvas::Polygon(const std::vector<Point>& points) {
  DrawCall call = Begin(CallKind::Polygon);
  call.points = points;
  calls_.push_back(std::move(call));
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  DrawCall call = Begin(CallKind::Ellipse);
  call.points = {{x1, y1}, {x2, y2}};
  calls_.push_back(std::move(call));
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  DrawCall call = Begin(CallKind::Rectangle);
  call.points = {{x1, y1}, {x2, y2}};
  calls_.push_back(std::move(call));
}

void RecordingCanvas::TextOut(int x, int y, const std::string& utf8) {
  DrawCall call = Begin(CallKind::Text);
  call.points = {{x, y}};
  call.text = utf8;
  calls_.push_back(std::move(call));
}

int RecordingCanvas::TextWidth(const std::string& utf8) {
  int characters = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++characters;  // count code points, not bytes
  }
  return characters * font_.pixelSize * 6 / 10;
}

Colour RecordingCanvas::Pixel(int x, int y) const {
  auto found = pixels_.find({x, y});
  return found == pixels_.end() ? background_ : found->second;
}

void RecordingCanvas::SetPixel(int x, int y, Colour colour) {
  pixels_[{x, y}] = colour;
  DrawCall call = Begin(CallKind::SetPixel);
  call.points = {{x, y}};
  call.colour = colour;
  calls_.push_back(std::move(call));
}

void RecordingCanvas::CopyFrom(const Canvas& source, int x, int y) {
  for (int sy = 0; sy < source.Height(); ++sy) {
    for (int sx = 0; sx < source.Width(); ++sx) pixels_[{x + sx, y + sy}] = source.Pixel(sx, sy);
  }
  DrawCall call = Begin(CallKind::Copy);
  call.points = {{x, y}, {x + source.Width(), y + source.Height()}};
  calls_.push_back(std::move(call));
}

std::vector<DrawCall> RecordingCanvas::CallsOf(CallKind kind) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls_) {
    if (call.kind == kind) found.push_back(call);
  }
  return found;
}

std::vector<DrawCall> RecordingCanvas::TextsEqual(const std::string& text) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls_) {
    if (call.kind == CallKind::Text && call.text == text) found.push_back(call);
  }
  return found;
}

const DrawCall* RecordingCanvas::FindText(const std::string& text) const {
  for (const DrawCall& call : calls_) {
    if (call.kind == CallKind::Text && call.text == text) return &call;
  }
  return nullptr;
}

void RecordingCanvas::Clear() {
  calls_.clear();
  pixels_.clear();
}

}  // namespace view
