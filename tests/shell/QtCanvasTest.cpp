// QtCanvas: the edges of rectangles and ellipses, pixels, text placement, and both copy paths.
#include <gtest/gtest.h>

#include "shell/QtCanvas.h"
#include "shell/TestApplication.h"
#include "view/RecordingCanvas.h"

namespace shelltest {
namespace {

using view::Rgb;

constexpr view::Colour kWhite = Rgb(255, 255, 255);
constexpr view::Colour kRed = Rgb(255, 0, 0);
constexpr view::Colour kBlue = Rgb(0, 0, 255);

TEST(QtCanvasTest, RectangleKeepsItsRightAndBottomEdgesOutside) {
  TestApplication();
  shell::QtCanvas canvas(20, 20);
  canvas.SetPen(kRed);
  canvas.SetBrush(kBlue);
  canvas.Rectangle(2, 3, 10, 8);
  EXPECT_EQ(canvas.Pixel(2, 3), kRed);     // outline at the top-left corner
  EXPECT_EQ(canvas.Pixel(9, 7), kRed);     // last column and row belong to the outline
  EXPECT_EQ(canvas.Pixel(10, 7), kWhite);  // right edge excluded
  EXPECT_EQ(canvas.Pixel(9, 8), kWhite);   // bottom edge excluded
  EXPECT_EQ(canvas.Pixel(5, 5), kBlue);    // filled with the brush
  EXPECT_EQ(canvas.Pixel(1, 3), kWhite);

  canvas.SetBrush(kBlue, view::BrushStyle::Clear);
  canvas.SetPen(Rgb(0, 128, 0));
  canvas.Rectangle(12, 12, 18, 18);
  EXPECT_EQ(canvas.Pixel(12, 12), Rgb(0, 128, 0));
  EXPECT_EQ(canvas.Pixel(15, 15), kWhite);  // a clear brush leaves the inside
}

TEST(QtCanvasTest, ShapesAreDrawnWithoutAntialiasing) {
  TestApplication();
  shell::QtCanvas canvas(40, 40);
  canvas.SetPen(kRed);
  canvas.SetBrush(kRed);
  canvas.Ellipse(5, 5, 35, 35);
  canvas.MoveTo(0, 39);
  canvas.LineTo(39, 0);
  canvas.Polygon({{1, 1}, {4, 1}, {1, 4}});
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const view::Colour c = canvas.Pixel(x, y);
      ASSERT_TRUE(c == kRed || c == kWhite) << x << "," << y;  // no blended edge pixels
    }
  }
  EXPECT_EQ(canvas.Pixel(20, 20), kRed);
  EXPECT_EQ(canvas.Pixel(5, 5), kWhite);  // the box corner lies outside the ellipse
  EXPECT_EQ(canvas.Pixel(35, 20), kWhite);
}

TEST(QtCanvasTest, PolylinesDrawOnTheCanvasNotOnACopyTakenBefore) {
  TestApplication();
  shell::QtCanvas canvas(30, 20);
  const QImage untouched = canvas.Image();  // shares the pixels until one side draws
  canvas.SetPen(kRed);
  canvas.Polyline({{1, 1}, {20, 15}, {28, 2}});
  canvas.SetBrush(kBlue);
  canvas.Rectangle(24, 14, 28, 18);
  const QImage drawn = canvas.Image();
  canvas.SetPen(kBlue);
  canvas.Polyline({{2, 18}, {12, 18}});
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);
  EXPECT_EQ(canvas.Pixel(2, 18), kBlue);
  EXPECT_EQ(untouched.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(drawn.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(drawn.pixel(2, 18), qRgb(255, 255, 255));
}

TEST(QtCanvasTest, PixelsOutsideAreIgnoredAndReadAsBlack) {
  TestApplication();
  shell::QtCanvas canvas(4, 4);
  canvas.SetPixel(2, 1, Rgb(1, 2, 3));
  canvas.SetPixel(-1, 0, kRed);
  canvas.SetPixel(4, 4, kRed);
  EXPECT_EQ(canvas.Pixel(2, 1), Rgb(1, 2, 3));
  EXPECT_EQ(canvas.Pixel(-1, 0), 0u);
  EXPECT_EQ(canvas.Image().pixel(2, 1), qRgb(1, 2, 3));
}

TEST(QtCanvasTest, TextHangsBelowAndRightOfItsPoint) {
  TestApplication();
  shell::QtCanvas canvas(120, 40);
  canvas.SetBrush(Rgb(255, 255, 0));
  canvas.SetFont(14, kBlue, true, true);
  canvas.TextOut(10, 10, "Wg");
  const int width = canvas.TextWidth("Wg");
  EXPECT_GT(width, 10);
  bool inked = false;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const view::Colour c = canvas.Pixel(x, y);
      if (c == kWhite) continue;
      EXPECT_GE(x, 10);
      EXPECT_GE(y, 10);
      EXPECT_LT(x, 10 + width + 1);
      inked = inked || c == kBlue;
    }
  }
  EXPECT_TRUE(inked);
  EXPECT_EQ(canvas.Pixel(10, 10), Rgb(255, 255, 0));  // the opaque background behind the text
}

TEST(QtCanvasTest, CopiesFromAnotherQtCanvasOrAnyCanvas) {
  TestApplication();
  shell::QtCanvas source(3, 2, kRed);
  source.SetPixel(2, 1, kBlue);
  shell::QtCanvas target(6, 6);
  target.CopyFrom(source, 2, 3);
  EXPECT_EQ(target.Pixel(2, 3), kRed);
  EXPECT_EQ(target.Pixel(4, 4), kBlue);
  EXPECT_EQ(target.Pixel(5, 4), kWhite);
  EXPECT_EQ(target.Pixel(2, 5), kWhite);

  view::RecordingCanvas recording(2, 2);
  recording.SetBackground(Rgb(9, 9, 9));
  recording.SetPixel(1, 1, kBlue);
  target.CopyFrom(recording, 0, 0);
  EXPECT_EQ(target.Pixel(0, 0), Rgb(9, 9, 9));
  EXPECT_EQ(target.Pixel(1, 1), kBlue);
}

}  // namespace
}  // namespace shelltest
