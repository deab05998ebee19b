// QtCanvas: the canvas operations on a QImage, with the rectangle and ellipse edges of the old drawing
// interface (right and bottom edges exclusive).
#include "shell/QtCanvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>

#include "shell/ThinPolyline.h"

namespace shell {

namespace {

QRect BoxOf(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  // A 1-pixel pen outlines QRect(x, y, w, h) over w + 1 pixels; this keeps the box's right edge exclusive.
  return QRect(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

QPolygon ToPolygon(const std::vector<view::Point>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<int>(points.size()));
  for (const view::Point& p : points) polygon << QPoint(p.x, p.y);
  return polygon;
}

}  // namespace

QColor QtCanvas::ToQColor(view::Colour colour) {
  return QColor(view::RedOf(colour), view::GreenOf(colour), view::BlueOf(colour));
}

view::Colour QtCanvas::FromQRgb(QRgb rgb) {
  return view::Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QtCanvas::QtCanvas(int width, int height, view::Colour fill) {
  Resize(width, height, fill);
  font_.setPixelSize(12);
  lineHeight_ = QFontMetrics(font_).height();
}

QtCanvas::~QtCanvas() {
  EndPainting();
}

void QtCanvas::Resize(int width, int height, view::Colour fill) {
  EndPainting();
  image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  image_.fill(ToQColor(fill));
}

void QtCanvas::Fill(view::Colour colour) {
  EndPainting();
  image_.fill(ToQColor(colour));
}

void QtCanvas::DrawImage(int x, int y, const QImage& picture) {
  Painter().drawImage(QPoint(x, y), picture);
}

const QImage& QtCanvas::Image() const {
  EndPainting();
  return image_;
}

QPainter& QtCanvas::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setFont(font_);
    ApplyPen();
    if (brushStyle_ == view::BrushStyle::Clear) {
      painter_->setBrush(Qt::NoBrush);
    } else {
      painter_->setBrush(ToQColor(brushColour_));
    }
  }
  return *painter_;
}

void QtCanvas::EndPainting() const {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

void QtCanvas::ApplyPen() {
  QPen pen(ToQColor(penColour_));
  pen.setWidth(std::max(1, penWidth_));
  pen.setStyle(penStyle_ == view::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_->setPen(pen);
}

void QtCanvas::SetPen(view::Colour colour, int width, view::PenStyle style) {
  if (colour == penColour_ && width == penWidth_ && style == penStyle_) return;
  penColour_ = colour;
  penWidth_ = width;
  penStyle_ = style;
  if (painter_) ApplyPen();
}

void QtCanvas::SetBrush(view::Colour colour, view::BrushStyle style) {
  if (colour == brushColour_ && style == brushStyle_) return;
  brushColour_ = colour;
  brushStyle_ = style;
  if (painter_) {
    if (style == view::BrushStyle::Clear) {
      painter_->setBrush(Qt::NoBrush);
    } else {
      painter_->setBrush(ToQColor(colour));
    }
  }
}

void QtCanvas::SetFont(int pixelSize, view::Colour colour, bool bold, bool opaqueBackground) {
  fontColour_ = colour;
  opaqueText_ = opaqueBackground;
  pixelSize = std::max(1, pixelSize);
  if (pixelSize == font_.pixelSize() && bold == font_.bold()) return;
  font_.setPixelSize(pixelSize);
  font_.setBold(bold);
  lineHeight_ = QFontMetrics(font_).height();
  if (painter_) painter_->setFont(font_);
}

void QtCanvas::MoveTo(int x, int y) {
  position_ = {x, y};
}

void QtCanvas::LineTo(int x, int y) {
  Painter().drawLine(position_.x, position_.y, x, y);
  position_ = {x, y};
}

void QtCanvas::Polyline(const std::vector<view::Point>& points) {
  if (points.size() < 2) return;
  position_ = points.back();
  // The pen the tracks are drawn with is stepped here, into the pixels the painter would set: this canvas
  // never antialiases, transforms or clips. An image shared with a copy is left to the painter, which
  // draws into its own.
  if (penWidth_ <= 1 && penStyle_ == view::PenStyle::Solid && image_.format() == QImage::Format_RGB32 &&
      image_.isDetached()) {
    const PixelBuffer target{reinterpret_cast<std::uint32_t*>(image_.bits()), image_.bytesPerLine() / 4,
                             image_.width(), image_.height()};
    DrawThinPolyline(target, points.data(), points.size(),
                     qRgb(view::RedOf(penColour_), view::GreenOf(penColour_), view::BlueOf(penColour_)));
    return;
  }
  Painter().drawPolyline(ToPolygon(points));
}

void QtCanvas::Polygon(const std::vector<view::Point>& points) {
  if (points.size() < 2) return;
  Painter().drawPolygon(ToPolygon(points));
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Painter().drawEllipse(BoxOf(x1, y1, x2, y2));
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Painter().drawRect(BoxOf(x1, y1, x2, y2));
}

const QtCanvas::LaidText& QtCanvas::Laid(const std::string& utf8) {
  constexpr std::size_t kMostTexts = 4096;  // names with changing speeds must not grow it without end
  std::string key = std::to_string(font_.pixelSize()) + (font_.bold() ? "b" : "n") + utf8;
  const auto found = laidTexts_.find(key);
  if (found != laidTexts_.end()) return found->second;
  if (laidTexts_.size() >= kMostTexts) laidTexts_.clear();
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  LaidText laid;
  laid.glyphs.setTextFormat(Qt::PlainText);
  laid.glyphs.setText(text);
  laid.glyphs.prepare(QTransform(), font_);
  laid.width = QFontMetrics(font_).horizontalAdvance(text);
  // Laid-out text is placed by its top, a line's ascent above its baseline; a fallback font (Japanese
  // names) makes the line taller than the font, and drawText keeps the baseline at the font's ascent.
  QTextLayout layout(text, font_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  laid.top = QFontMetrics(font_).ascent() - (line.isValid() ? line.ascent() : 0.0);
  return laidTexts_.emplace(std::move(key), std::move(laid)).first->second;
}

void QtCanvas::TextOut(int x, int y, const std::string& utf8) {
  QPainter& painter = Painter();
  const LaidText& laid = Laid(utf8);
  if (opaqueText_) {
    painter.fillRect(QRect(x, y, laid.width, lineHeight_), ToQColor(brushColour_));
  }
  painter.setPen(ToQColor(fontColour_));
  painter.drawStaticText(QPointF(x, y + laid.top), laid.glyphs);
  ApplyPen();
}

int QtCanvas::TextWidth(const std::string& utf8) {
  return Laid(utf8).width;
}

view::Colour QtCanvas::Pixel(int x, int y) const {
  EndPainting();
  if (!image_.valid(x, y)) return 0;
  return FromQRgb(image_.pixel(x, y));
}

void QtCanvas::SetPixel(int x, int y, view::Colour colour) {
  EndPainting();
  if (!image_.valid(x, y)) return;
  image_.setPixel(x, y, qRgb(view::RedOf(colour), view::GreenOf(colour), view::BlueOf(colour)));
}

void QtCanvas::CopyFrom(const view::Canvas& source, int x, int y) {
  if (const auto* qtSource = dynamic_cast<const QtCanvas*>(&source)) {
    if (qtSource == this) return;
    const QImage& picture = qtSource->Image();
    Painter().drawImage(QPoint(x, y), picture);
    return;
  }
  EndPainting();
  for (int sy = 0; sy < source.Height(); ++sy) {
    for (int sx = 0; sx < source.Width(); ++sx) SetPixel(x + sx, y + sy, source.Pixel(sx, sy));
  }
}

}  // namespace shell
