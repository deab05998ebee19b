// The drawing surface on a QImage: what the window shows, the PNG the batch command writes, and the bitmaps
// the load sequence owns (frameBitmap, graphBitmap, UraMap). Drawn without antialiasing so pixels are exact.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <memory>
#include <string>
#include <unordered_map>

#include "view/Canvas.h"

namespace shell {

class QtCanvas : public view::Canvas {
 public:
  QtCanvas(int width, int height, view::Colour fill = view::Rgb(255, 255, 255));
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }

  void SetPen(view::Colour colour, int width = 1, view::PenStyle style = view::PenStyle::Solid) override;
  void SetBrush(view::Colour colour, view::BrushStyle style = view::BrushStyle::Solid) override;
  void SetFont(int pixelSize, view::Colour colour, bool bold = false, bool opaqueBackground = false) override;

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(const std::vector<view::Point>& points) override;
  void Polygon(const std::vector<view::Point>& points) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, const std::string& utf8) override;
  int TextWidth(const std::string& utf8) override;

  view::Colour Pixel(int x, int y) const override;
  void SetPixel(int x, int y, view::Colour colour) override;
  void CopyFrom(const view::Canvas& source, int x, int y) override;

  // The finished picture; any drawing in progress is completed first.
  const QImage& Image() const;
  // New size, cleared to the fill colour.
  void Resize(int width, int height, view::Colour fill = view::Rgb(255, 255, 255));
  void Fill(view::Colour colour);
  // Draws a picture (a resource image) with its top-left at (x, y).
  void DrawImage(int x, int y, const QImage& picture);

  static QColor ToQColor(view::Colour colour);
  static view::Colour FromQRgb(QRgb rgb);

 private:
  // The painter is opened on the first drawing call and closed before pixels are read or written
  // directly, so a frame of many calls pays for one painter.
  QPainter& Painter();
  void EndPainting() const;
  void ApplyPen();
  // A text laid out in the current font once and kept: the boat names come back every frame, and laying
  // out a text costs more than drawing it.
  struct LaidText {
    QStaticText glyphs;
    int width = 0;
    double top = 0;  // where the text's top lies below the y of TextOut
  };
  const LaidText& Laid(const std::string& utf8);

  QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  view::Colour penColour_ = 0;
  int penWidth_ = 1;
  view::PenStyle penStyle_ = view::PenStyle::Solid;
  view::Colour brushColour_ = view::Rgb(255, 255, 255);
  view::BrushStyle brushStyle_ = view::BrushStyle::Solid;
  QFont font_;
  int lineHeight_ = 0;
  std::unordered_map<std::string, LaidText> laidTexts_;  // keyed by font size, weight and text
  view::Colour fontColour_ = 0;
  bool opaqueText_ = false;
  view::Point position_;
};

}  // namespace shell
