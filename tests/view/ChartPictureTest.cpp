// A Track page picture of the sample regatta drawn through QtCanvas, checked as pixels: the sea in its
// colour, each boat in its own colour where the projection puts it, and the race clock at the bottom right.
#ifdef REGATIX_WITH_IMAGES

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <map>

#include "analysis/PrepareRace.h"
#include "shell/QtCanvas.h"
#include "support/TempFolder.h"
#include "view/BoatGlyph.h"
#include "view/ChartProjector.h"
#include "view/FrameRenderer.h"

namespace view {
namespace {

constexpr int kWidth = 1285;
constexpr int kHeight = 1000;

void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "view_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

TEST(ChartPicture, SampleRaceSeaBoatsAndClock) {
  const std::filesystem::path sample = testsupport::SourceFolder() / "data" / "sample";
  if (!std::filesystem::exists(sample / "raceadmin" / "toba-wl.txt")) GTEST_SKIP() << "no sample regatta";
  EnsureApplication();
  race::RaceStore store;
  store.programFolder = sample.generic_string() + "/";
  store.raceFilePath = store.programFolder + "raceadmin/toba-wl.txt";
  analysis::ChartFit fit;
  analysis::PrepareRace(store, fit, kWidth, kHeight);
  SelectHullOutline(store);

  Sea sea;
  ScrollBar3Change(sea, 100);
  ViewOptions options;
  options.bigBoat = true;
  Pointer pointer;
  Playback playback;
  playback.raceTime = 600;
  FrameState state;
  ResetFrameState(state, store.boatCount);
  shell::QtCanvas frame(kWidth, kHeight);
  FillSea(frame, sea.seaColour);
  DrawFrame(frame, playback.raceTime, Scene{store, fit, sea, options, pointer}, playback, state);
  const QImage& image = frame.Image();

  std::map<Colour, int> counts;
  for (int y = 0; y < kHeight; y += 4) {
    for (int x = 0; x < kWidth; x += 4) ++counts[shell::QtCanvas::FromQRgb(image.pixel(x, y))];
  }
  EXPECT_GT(counts[sea.seaColour], kWidth / 4 * kHeight / 4 * 8 / 10);  // mostly open sea

  // Every boat's own colour within two pixels of its projected place (boats may cover each other, so most).
  const ChartProjector project(FrameView(state, kWidth, kHeight, options.northUp, store.windDirection));
  int found = 0, active = 0;
  for (int i = 1; i <= store.boatCount; ++i) {
    if (state.boatActive[i] == 0) continue;
    ++active;
    const Point p = project.Pixel(state.curLat[i], state.curLon[i]);
    bool seen = false;
    for (int dy = -2; dy <= 2 && !seen; ++dy) {
      for (int dx = -2; dx <= 2 && !seen; ++dx) {
        if (image.valid(p.x + dx, p.y + dy) &&
            shell::QtCanvas::FromQRgb(image.pixel(p.x + dx, p.y + dy)) == store.boatColour[i]) {
          seen = true;
        }
      }
    }
    if (seen) ++found;
  }
  ASSERT_GT(active, 0);
  EXPECT_GE(found * 10, active * 8) << found << " of " << active;

  // The race clock 10:00 on blue at the bottom right; no countdown at the top middle.
  int blue = 0, white = 0;
  for (int y = kHeight - 26; y < kHeight; ++y) {
    for (int x = kWidth - 80; x < kWidth; ++x) {
      const Colour c = shell::QtCanvas::FromQRgb(image.pixel(x, y));
      blue += c == Rgb(0, 0, 255);
      white += c == Rgb(255, 255, 255);
    }
  }
  EXPECT_GT(blue, 200);
  EXPECT_GT(white, 30);
  int topBlue = 0;
  for (int y = 10; y < 80; ++y) {
    for (int x = kWidth / 2 - 50; x < kWidth / 2 + 50; ++x) topBlue += image.pixel(x, y) == qRgb(0, 0, 255);
  }
  EXPECT_EQ(topBlue, 0);
}

}  // namespace
}  // namespace view

#endif  // REGATIX_WITH_IMAGES
