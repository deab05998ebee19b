// The stepped 1-pixel polyline against QPainter's own drawing of the same polyline, pixel by pixel: random
// polylines of every kind (track-like walks, tight zigzags, long segments, points far outside the picture)
// and the tracks of real races at several zooms.
#include <gtest/gtest.h>

#include <QPainter>
#include <climits>
#include <random>
#include <sstream>
#include <vector>

#include "analysis/PrepareRace.h"
#include "shell/QtCanvas.h"
#include "shell/TestApplication.h"
#include "shell/ThinPolyline.h"
#include "support/TempFolder.h"
#include "view/ChartProjector.h"
#include "view/StaticChart.h"

namespace shelltest {
namespace {

using view::Point;

const QColor kPen(200, 30, 60);

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The pen QtCanvas sets for a 1-pixel solid line.
QImage PainterPicture(int width, int height, const std::vector<Point>& points) {
  QImage image = Blank(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(kPen);
  pen.setWidth(1);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  QPolygon polygon;
  for (const Point& p : points) polygon << QPoint(p.x, p.y);
  painter.drawPolyline(polygon);
  return image;
}

QImage SteppedPicture(int width, int height, const std::vector<Point>& points) {
  QImage image = Blank(width, height);
  const shell::PixelBuffer target{reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4,
                                  width, height};
  shell::DrawThinPolyline(target, points.data(), points.size(), kPen.rgb());
  return image;
}

// Empty when both draw the same; otherwise the polyline and the pixels that differ.
std::string Difference(int width, int height, const std::vector<Point>& points) {
  const QImage expected = PainterPicture(width, height, points);
  const QImage actual = SteppedPicture(width, height, points);
  std::ostringstream out;
  int differing = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (expected.pixel(x, y) == actual.pixel(x, y)) continue;
      if (++differing <= 5) {
        out << " (" << x << "," << y << ") " << (expected.pixel(x, y) == kPen.rgb() ? "missing" : "extra");
      }
    }
  }
  if (differing == 0) return {};
  std::ostringstream polyline;
  polyline << width << "x" << height << ", " << differing << " pixels differ:" << out.str() << "; points";
  for (std::size_t i = 0; i < points.size() && i < 40; ++i)
    polyline << " " << points[i].x << "," << points[i].y;
  return polyline.str();
}

struct Scenario {
  const char* name;
  int width, height;
  int polylines, points;
  int low, high;  // where the first point lies, in both axes
  int step;       // largest move between points; 0 for points anywhere in [low, high]
};

TEST(ThinPolyline, DrawsWhatThePainterDrawsForRandomPolylines) {
  TestApplication();
  const Scenario scenarios[] = {
      {"track-like walks", 97, 61, 1500, 120, -8, 104, 2},
      {"walks with wider steps", 64, 48, 1500, 80, -20, 80, 9},
      {"tight zigzags and joins", 8, 8, 20000, 7, -2, 10, 0},
      {"long segments across the picture", 50, 40, 5000, 6, -120, 170, 0},
      {"far outside", 40, 30, 3000, 5, -3000000, 3000000, 0},
      {"near the integer limits", 40, 30, 2000, 4, INT_MIN / 2, INT_MAX / 2, 0},
  };
  std::mt19937 random(2026);
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    std::uniform_int_distribution<int> anywhere(s.low, s.high);
    std::uniform_int_distribution<int> step(-s.step, s.step);
    int failures = 0;
    for (int n = 0; n < s.polylines && failures < 3; ++n) {
      std::vector<Point> points{{anywhere(random), anywhere(random)}};
      while (static_cast<int>(points.size()) < s.points) {
        Point p = s.step == 0 ? Point{anywhere(random), anywhere(random)}
                              : Point{points.back().x + step(random), points.back().y + step(random)};
        if (n % 4 == 0 && points.size() > 2 && static_cast<int>(points.size()) == s.points - 1) {
          p = points.front();  // closed
        }
        points.push_back(p);  // repeats kept: callers may pass them
      }
      const std::string difference = Difference(s.width, s.height, points);
      if (!difference.empty()) {
        ADD_FAILURE() << difference;
        ++failures;
      }
    }
  }
}

// Every boat's track as the still chart projects it, at the fitted zoom and zoomed in about the middle so
// that most of each track runs off the picture.
void CompareRaceTracks(const std::filesystem::path& folder, const std::string& raceFile) {
  SCOPED_TRACE(folder.string());
  constexpr int kWidth = 640, kHeight = 500;
  race::RaceStore store;
  store.programFolder = folder.generic_string() + "/";
  store.raceFilePath = store.programFolder + "raceadmin/" + raceFile;
  analysis::ChartFit fit;
  analysis::PrepareRace(store, fit, kWidth, kHeight);
  ASSERT_GT(store.boatCount, 0);
  for (const double zoom : {1.0, 3.0, 12.0}) {
    for (const bool northUp : {true, false}) {
      view::ManualView manual{fit.midLat, fit.midLon, zoom};
      const view::ChartProjector project(
          view::StillView(fit, manual, kWidth, kHeight, northUp, store.windDirection));
      for (int i = 1; i <= store.boatCount; ++i) {
        std::vector<Point> track;
        for (int j = 1; j <= store.fixCount[i]; ++j)
          view::AppendDistinct(track, project.Pixel(store.trackLat[i][j], store.trackLon[i][j]));
        const std::string difference = Difference(kWidth, kHeight, track);
        EXPECT_TRUE(difference.empty()) << "boat " << i << " zoom " << zoom << ": " << difference;
      }
    }
  }
}

TEST(ThinPolyline, DrawsWhatThePainterDrawsForRealTracks) {
  TestApplication();
  const std::filesystem::path sample = testsupport::SourceFolder() / "data" / "sample";
  if (std::filesystem::exists(sample / "raceadmin" / "toba-wl.txt")) CompareRaceTracks(sample, "toba-wl.txt");
  const std::filesystem::path shared = testsupport::SharedRacesFolder();
  if (shared.empty()) GTEST_SKIP() << "no shared races in this checkout";
  for (const auto& entry : std::filesystem::directory_iterator(shared / "")) {
    const std::filesystem::path admin = entry.path() / "raceadmin";
    if (!std::filesystem::is_directory(admin)) continue;
    for (const auto& race : std::filesystem::directory_iterator(admin)) {
      if (race.path().extension() == ".txt") CompareRaceTracks(entry.path(), race.path().filename().string());
    }
  }
}

}  // namespace
}  // namespace shelltest
