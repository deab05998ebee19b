// The outputs of the batch command: one writer function and one table row each.
#include <fstream>
#include <stdexcept>

#include "analysis/RaceJson.h"
#include "app/BatchCommand.h"
#include "export/GpxExport.h"
#include "export/KmlExport.h"
#include "pages/PerformanceReport.h"

#ifdef REGATIX_WITH_IMAGES
#include <QBuffer>
#include <QGuiApplication>

#include "pages/GraphPage.h"
#include "playback/WindowOverlays.h"
#include "race/PartFile.h"
#include "shell/QtCanvas.h"
#include "shell/ReplayVideo.h"
#include "shell/TrackPageFrames.h"
#include "video/VideoSettings.h"
#include "view/SeaColour.h"
#endif

namespace app {

namespace {

std::ofstream OpenOutput(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error(path + ": cannot write the file");
  return out;
}

void WriteJson(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  std::ofstream out = OpenOutput(path);
  nlohmann::ordered_json json = analysis::RaceToJson(race.store, race.fit, request.full);
  if (request.at) json["leaderboard"] = analysis::LeaderboardToJson(race.store, *request.at);
  out << json.dump(2) << '\n';
  if (!out.flush()) throw std::runtime_error(path + ": cannot write the file");
}

// The KML files of the Google Earth button: every boat, English texts, icons in the program folder's ya/.
kml::KmlOptions BatchKmlOptions(const LoadedRace& race) {
  kml::KmlOptions options;
  options.iconFolder = race.store.programFolder + "ya/";
  return options;
}

void WriteKmlRace(const LoadedRace& race, const BatchRequest&, const std::string& path) {
  const std::string error = kml::ExportWholeRace(path, race.store, BatchKmlOptions(race));
  if (!error.empty()) throw std::runtime_error(path + ": " + error);
}

void WriteKmlTime(const LoadedRace& race, const BatchRequest&, const std::string& path) {
  const std::string error = kml::ExportTimedRace(path, race.store, BatchKmlOptions(race));
  if (!error.empty()) throw std::runtime_error(path + ": " + error);
}

void WriteGpx(const LoadedRace& race, const BatchRequest&, const std::string& path) {
  const std::string error = gpx::ExportRaceGpx(path, race.store);
  if (!error.empty()) throw std::runtime_error(path + ": " + error);
}

// The present scene at --at: the boats as the frame renderer places them at that replay time.
void WriteKmlScene(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  if (!request.at) throw UsageError("--kml-scene needs --at SECONDS");
  view::FrameState frame;
  view::ResetFrameState(frame, race.store.boatCount);
  view::ComputeBoatStates(frame, race.store, *request.at);
  const std::string error =
      kml::ExportPresentScene(path, race.store, frame, *request.at, BatchKmlOptions(race));
  if (!error.empty()) throw std::runtime_error(path + ": " + error);
}

void WriteReport(const LoadedRace& race, const BatchRequest&, const std::string& path) {
  const pages::ReportResult written = pages::WritePerformanceReportFile(race.store, path);
  if (!written.ok()) throw std::runtime_error(path + ": " + written.error);
}

#ifdef REGATIX_WITH_IMAGES
// Text on images needs a GUI application; without a display it runs on the offscreen platform. It lives
// until the process ends.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "regatix-batch";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

// A picture as PNG, replacing the file only once it is complete.
void SavePng(const QImage& picture, const std::string& path) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) throw std::runtime_error(path + ": cannot make the picture");
  const std::string error =
      race::WriteWholeFile(path, [&](std::ostream& out) { out.write(png.constData(), png.size()); });
  if (!error.empty()) throw std::runtime_error(path + ": " + error);
}

// The Graph page of a window whose chart area is the --size.
void WriteGraph(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  EnsureGuiApplication();
  shell::QtCanvas graphBitmap(request.width, request.height);
  pages::DrawGraphPage(graphBitmap, race.store, request.width, request.height, view::Sea{}.seaColour);
  SavePng(graphBitmap.Image(), path);
}

// The Track page as the window shows it at `at`: north-up as the race file or --north-up says, boat names.
view::TrackPageRequest TrackPageLook(const LoadedRace& race, const BatchRequest& request, double at) {
  view::TrackPageRequest look;
  look.at = at;
  look.northUp = race.store.northUp > 0;
  look.manual = request.manual;
  look.overlays = playback::WindowOverlaysAt(race.store, at);
  return look;
}

// The Track page at --at: the replay frame (the still chart with --manual) with the window's panels.
void WriteChart(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  if (!request.at) throw UsageError("--chart needs --at SECONDS");
  EnsureGuiApplication();
  shell::TrackPageFrames frames(race.store, race.fit);
  SavePng(frames.Draw(TrackPageLook(race, request, *request.at)), path);
}

// The replay from --from to --to at --speed, --fps frames a second, --size (default 1280x720).
void WriteVideo(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  video::VideoSettings settings = video::WholeRaceVideo(race.store);
  if (request.from) settings.from = *request.from;
  if (request.to) settings.to = *request.to;
  if (request.speed) settings.speed = *request.speed;
  if (request.fps) settings.fps = *request.fps;
  if (request.sizeGiven) {
    settings.width = request.width;
    settings.height = request.height;
  }
  const std::string problem = video::CheckVideoSettings(settings, race.store);
  if (!problem.empty()) throw std::runtime_error(path + ": " + problem);
  EnsureGuiApplication();
  const video::VideoResult result =
      shell::ExportReplayVideo(path, race.store, settings, TrackPageLook(race, request, settings.from));
  if (!result.error.empty()) throw std::runtime_error(path + ": " + result.error);
}
#endif

}  // namespace

const std::vector<OutputKind>& BatchOutputs() {
  static const std::vector<OutputKind> outputs = {
      {"--json", "--json OUT", "the loaded and analysed race as JSON", WriteJson},
      {"--report", "--report OUT.csv", "the performance report", WriteReport},
      {"--kml-race", "--kml-race OUT.kml", "the whole-race KML", WriteKmlRace},
      {"--kml-time", "--kml-time OUT.kml",
       "the race with time: a track per boat for a globe viewer's time slider", WriteKmlTime},
      {"--gpx", "--gpx OUT.gpx", "the tracks (UTC times) with marks and line ends as waypoints", WriteGpx},
      {"--kml-scene", "--kml-scene OUT.kml", "the present-scene KML at --at SECONDS", WriteKmlScene},
#ifdef REGATIX_WITH_IMAGES
      {"--graph", "--graph OUT.png", "the Graph page picture (--size: the chart area)", WriteGraph},
      {"--chart", "--chart OUT.png", "the Track page picture at --at SECONDS (--north-up, --manual)",
       WriteChart},
      {"--video", "--video OUT.mp4", "the replay as an H.264 video (--from, --to, --speed, --fps, --size)",
       WriteVideo},
#endif
  };
  return outputs;
}

}  // namespace app
