// The outputs of the batch command: one writer function and one table row each.
#include <fstream>
#include <stdexcept>

#include "analysis/RaceJson.h"
#include "app/BatchCommand.h"
#include "export/KmlExport.h"
#include "pages/PerformanceReport.h"

#ifdef REGATIX_WITH_IMAGES
#include <QGuiApplication>

#include "pages/GraphPage.h"
#include "shell/Pictures.h"
#include "shell/QtCanvas.h"
#include "view/BoatGlyph.h"
#include "view/SeaColour.h"
#include "view/TrackPagePicture.h"
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
  out << analysis::RaceToJson(race.store, race.fit, request.full).dump(2) << '\n';
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

// The Graph page of a window whose chart area is the --size.
void WriteGraph(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  EnsureGuiApplication();
  shell::QtCanvas graphBitmap(request.width, request.height);
  pages::DrawGraphPage(graphBitmap, race.store, request.width, request.height, view::Sea{}.seaColour);
  if (!graphBitmap.Image().save(QString::fromStdString(path), "PNG")) {
    throw std::runtime_error(path + ": cannot write the file");
  }
}

// The Track page at --at: the replay frame (the still chart with --manual) under the compass and wind graph.
void WriteChart(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  if (!request.at) throw UsageError("--chart needs --at SECONDS");
  EnsureGuiApplication();
  shell::InitShellResources();
  race::RaceStore store = race.store;
  view::SelectHullOutline(store);  // chosen at each load, as the desktop does
  const QImage rosePicture = shell::Picture(QStringLiteral("compass"));
  shell::QtCanvas rose(rosePicture.width(), rosePicture.height());
  rose.DrawImage(0, 0, rosePicture);
  shell::QtCanvas picture(request.width, request.height), compass(100, 100), windGraph(100, 100);
  view::DrawTrackPagePicture(picture, store, race.fit, rose, compass, windGraph,
                             {*request.at, store.northUp > 0, request.manual});
  if (!picture.Image().save(QString::fromStdString(path), "PNG")) {
    throw std::runtime_error(path + ": cannot write the file");
  }
}
#endif

}  // namespace

const std::vector<OutputKind>& BatchOutputs() {
  static const std::vector<OutputKind> outputs = {
      {"--json", "--json OUT", "the loaded and analysed race as JSON", WriteJson},
      {"--report", "--report OUT.csv", "the performance report", WriteReport},
      {"--kml-race", "--kml-race OUT.kml", "the whole-race KML", WriteKmlRace},
      {"--kml-scene", "--kml-scene OUT.kml", "the present-scene KML at --at SECONDS", WriteKmlScene},
#ifdef REGATIX_WITH_IMAGES
      {"--graph", "--graph OUT.png", "the Graph page picture (--size: the chart area)", WriteGraph},
      {"--chart", "--chart OUT.png", "the Track page picture at --at SECONDS (--north-up, --manual)", WriteChart},
#endif
  };
  return outputs;
}

}  // namespace app
