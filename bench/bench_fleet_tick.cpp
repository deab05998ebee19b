// Speed of the replay of the biggest race the window takes: 200 boats x 3 hours x 10 fixes a second
// (21.6 million fixes), made in memory, played at 600X (30 race seconds a frame at 20 frames a second).
// Side by side in one run:
//   BareFillAndCopy   the floor: fill the 1285 x 970 frame bitmap and copy it to a window-sized picture
//   BoatPositions     every boat's place at the moment, playing on / jumping about the time line
//   FrameTick         the core of one frame tick: clock step, positions, DrawFrame, copy, finish signals
//   WindowTick        the whole window's frame tick: the above plus every widget it moves and paints
//   WindowSecondTick  the once-a-second tick of the window: the boat list's 200 rows of read-out
// and the time from starting the window on the bundled sample to its first frame painted (FirstFrame).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <string>

#include "BenchCanvas.h"
#include "analysis/ChartFit.h"
#include "playback/Clock.h"
#include "race/BoatColours.h"
#include "shell/ChartWidget.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/Pictures.h"
#include "shell/QtPlatform.h"
#include "view/BoatGlyph.h"
#include "view/FrameRenderer.h"

namespace {

constexpr int kBoats = race::kMaxBoats;
constexpr int kSeconds = 3 * 3600;
constexpr int kHz = 10;
constexpr int kFixes = kSeconds * kHz + 1;
constexpr double kFrameStep = 600.0 / 20;  // 600X at 20 frames a second

// Boats beating and running on a 2-mile course in a loose pack, finishing one after another near the end.
std::unique_ptr<race::RaceStore> BigRace() {
  auto store = std::make_unique<race::RaceStore>();
  race::RaceStore& s = *store;
  s.raceCaption = "200 boats, 3 hours, 10 Hz";
  s.startTime = 45000.5;
  s.boatLength = 8;
  s.windDirection = 10;
  s.layAngle1 = 45;
  s.layAngle2 = 150;
  s.timelineStart = -190;
  s.timelineEnd = kSeconds + 30;
  view::SelectHullOutline(s);
  s.boatCount = kBoats;
  for (auto* channel : {&s.trackTime, &s.trackLat, &s.trackLon, &s.trackSpeed, &s.trackCourse})
    channel->assign(kBoats + 2, {});
  for (int b = 1; b <= kBoats; ++b) {
    s.boatFile[b] = "boat" + std::to_string(b) + ".gpx";
    s.boatName[b] = "Boat " + std::to_string(b);
    s.boatShown[b] = 1;
    s.fixInterval[b] = 1;
    s.fixCount[b] = kFixes;
    for (auto* channel : {&s.trackTime, &s.trackLat, &s.trackLon, &s.trackSpeed, &s.trackCourse})
      (*channel)[b].resize(kFixes + 1);
    for (int j = 1; j <= kFixes; ++j) {
      const double t = (j - 1) / static_cast<double>(kHz);
      const double lap = 2 * std::numbers::pi * (t + 7 * b) / 3600;
      s.trackTime[b][j] = t;
      s.trackLat[b][j] = 2100 + 1 - std::cos(lap) + 0.001 * (b % 20);
      s.trackLon[b][j] = 8200 + 0.3 * std::sin(2 * std::numbers::pi * t / 600 + b) + 0.002 * (b / 20);
      s.trackCourse[b][j] = std::fmod(t / 10 + 7 * b, 360);
      s.trackSpeed[b][j] = 5 + std::sin(t / 100 + b);
    }
  }
  race::SetBoatColours(s);
  s.lineCount = 2;
  for (int l = 1; l <= 2; ++l) {
    s.lineLat1[l] = s.lineLat2[l] = 2100 + l * 0.5;
    s.lineLon1[l] = 8199.9;
    s.lineLon2[l] = 8200.1;
  }
  s.courseCount = 2;
  s.courseMark[1] = "L1";
  s.courseMark[2] = "L2";
  for (int b = 1; b <= kBoats; ++b) {
    s.markTime[b][1] = 0;
    s.markTime[b][2] = kSeconds - 1200 + 5 * b;  // the boats finish in the last 20 minutes
    s.finishRank[b] = b;
  }
  s.firstArrivalTime[1] = 0;
  s.firstArrivalTime[2] = s.markTime[1][2];
  s.maxBoatSpeed = 6;
  return store;
}

struct BigRaceShown {
  std::unique_ptr<race::RaceStore> store = BigRace();
  analysis::ChartFit fit = analysis::FitChart(*store, kMapWidth, kMapHeight);
};

BigRaceShown& Race() {
  static BigRaceShown race;
  return race;
}

QImage& WindowPicture() {
  static QImage window(kMapWidth + 315, kMapHeight, QImage::Format_RGB32);
  return window;
}

void CopyToWindow(const BenchCanvas& frame) {
  QPainter painter(&WindowPicture());
  painter.drawImage(QPoint(0, 0), frame.Image(), QRect(0, 0, kMapWidth, kMapHeight));
}

void BM_BareFillAndCopy(benchmark::State& state) {
  BenchCanvas frame(kMapWidth, kMapHeight);
  const view::Sea sea;
  for (auto _ : state) {
    view::FillSea(frame, sea.seaColour);
    CopyToWindow(frame);
  }
}
BENCHMARK(BM_BareFillAndCopy)->Unit(benchmark::kMillisecond);

// range(0): 0 plays on at 600X, 1 plays backward at 600X, 2 jumps to a random moment each time (time bar).
void BM_BoatPositions(benchmark::State& state) {
  const race::RaceStore& store = *Race().store;
  view::FrameState frame;
  view::ResetFrameState(frame, store.boatCount);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> anywhere(store.timelineStart, store.timelineEnd);
  double t = 0;
  for (auto _ : state) {
    if (state.range(0) == 0) t = std::fmod(t + kFrameStep, kSeconds);
    if (state.range(0) == 1) t = t > kFrameStep ? t - kFrameStep : kSeconds;
    if (state.range(0) == 2) t = anywhere(random);
    view::ComputeBoatStates(frame, store, t);
    benchmark::DoNotOptimize(frame.curLat.data());
  }
  state.counters["fixes"] = static_cast<double>(kBoats) * kFixes;
}
BENCHMARK(BM_BoatPositions)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// range(0): the replay time the tick starts from (in the race; during the finishes); range(1) the direction.
void BM_FrameTick(benchmark::State& state) {
  const BigRaceShown& race = Race();
  const race::RaceStore& store = *race.store;
  playback::Clock clock;
  view::Playback playback;
  playback::RaceLoaded(clock, playback, store);
  clock.timeStep = kFrameStep;
  view::Sea sea;
  view::ViewOptions options;
  view::Pointer pointer;
  view::FrameState frame;
  view::ResetFrameState(frame, store.boatCount);
  BenchCanvas frameBitmap(kMapWidth, kMapHeight);
  const view::Scene scene{store, race.fit, sea, options, pointer};
  const double from = static_cast<double>(state.range(0));
  clock.playDirection = static_cast<int>(state.range(1));
  playback.raceTime = from;
  for (auto _ : state) {
    if (std::fabs(playback.raceTime - from) > 600) playback.raceTime = from;  // stay in the part measured
    const playback::Effects advance = playback::Timer1Advance(clock, playback, store);
    benchmark::DoNotOptimize(advance.presentFrame);
    view::FillSea(frameBitmap, sea.seaColour);
    view::DrawFrame(frameBitmap, playback.raceTime, scene, playback, frame);
    CopyToWindow(frameBitmap);
    playback::ScoreChange score;
    benchmark::DoNotOptimize(playback::Timer1AfterFrame(clock, playback, store, score).guns);
  }
}
BENCHMARK(BM_FrameTick)
    ->Args({3600, 1})
    ->Args({3600, -1})
    ->Args({kSeconds - 1200, 1})
    ->Unit(benchmark::kMillisecond);

// The window on the in-memory race, its timers stopped so that only the ticks measured run.
struct BigRaceWindow {
  BigRaceWindow() {
    form.resize(1600, 1000);
    form.show();
    form.Session().ShowPreparedRace(BigRace(), Race().fit);
    form.Session().Stop();
    QApplication::processEvents();
  }
  shell::QtPlatform platform;
  shell::TForm1 form{platform, std::string(REGATIX_SAMPLE_FOLDER) + "/"};
};

BigRaceWindow& Window() {
  static BigRaceWindow window;
  return window;
}

void BM_WindowTick(benchmark::State& state) {
  shell::RaceSession& session = Window().form.Session();
  session.State().clock.timeStep = kFrameStep;
  const double from = static_cast<double>(state.range(0));
  session.State().playback.raceTime = from;
  for (auto _ : state) {
    if (session.State().playback.raceTime > from + 600) session.State().playback.raceTime = from;
    session.Timer1Timer();
    QApplication::processEvents();  // what the tick left to paint
  }
}
BENCHMARK(BM_WindowTick)->Arg(3600)->Arg(kSeconds - 1200)->Unit(benchmark::kMillisecond);

void BM_WindowSecondTick(benchmark::State& state) {
  shell::RaceSession& session = Window().form.Session();
  session.State().playback.raceTime = 3600;
  session.Timer1Timer();
  for (auto _ : state) {
    session.Timer2Timer();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowSecondTick)->Unit(benchmark::kMillisecond);

// From the program's start (the loading window shown) to the chart's first frame on screen, on the sample.
class FirstPaint : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

void BM_FirstFrame(benchmark::State& state) {
  const QRect screen(0, 0, 1600, 1000);
  for (auto _ : state) {
    auto* loading = new shell::TForm2(screen, shell::Picture(QStringLiteral("splash")));
    loading->show();
    QApplication::processEvents();
    shell::QtPlatform platform;
    shell::TForm1 form(platform, std::string(REGATIX_SAMPLE_FOLDER) + "/", loading);
    FirstPaint paint;
    form.chart->installEventFilter(&paint);
    form.FormCreate();
    form.show();
    while (!paint.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.PauseTiming();
    form.Session().Stop();
    form.close();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  shell::InitShellResources();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
