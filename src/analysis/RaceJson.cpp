// JSON form of a loaded race for the batch command and for scripted checks of the analysis.
#include "analysis/RaceJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/Leaderboard.h"
#include "analysis/Manoeuvres.h"
#include "analysis/MarkPassings.h"
#include "race/Numbers.h"

namespace analysis {

namespace {

using Json = nlohmann::ordered_json;

template <typename T>
Json Slice(const std::vector<T>& values, int first, int last) {
  Json out = Json::array();
  for (int i = first; i <= last && i < static_cast<int>(values.size()); ++i) out.push_back(values[i]);
  return out;
}

template <typename Channel>
double At(const std::vector<Channel>& channel, int b, int i) {
  if (b >= static_cast<int>(channel.size()) || i >= static_cast<int>(channel[b].size())) return 0;
  return channel[b][i];
}

// Speed and course are kept as floats: written with the digits a float holds, not a double's reading of it.
double FloatDigits(double value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, static_cast<float>(value));
  double shortest = value;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
}

Json Fixes(const race::RaceStore& store, int b, bool allFixes) {
  Json rows = Json::array();
  const int n = store.fixCount[b];
  for (int i = 1; i <= n; ++i) {
    if (!allFixes && i > kFixesShownAtEachEnd && i <= n - kFixesShownAtEachEnd) {
      i = n - kFixesShownAtEachEnd;  // jump over the middle of the track
      continue;
    }
    rows.push_back({At(store.trackTime, b, i), At(store.trackLat, b, i), At(store.trackLon, b, i),
                    FloatDigits(At(store.trackCourse, b, i)), FloatDigits(At(store.trackSpeed, b, i))});
  }
  return rows;
}

Json Boats(const race::RaceStore& store, bool allFixes) {
  Json boats = Json::array();
  for (int b = 1; b <= store.boatCount; ++b) {
    Json boat;
    boat["boatName"] = store.boatName[b];
    boat["boatFile"] = store.boatFile[b];
    boat["fixCount"] = store.fixCount[b];
    boat["fixInterval"] = store.fixInterval[b];
    boat["boatColour"] = store.boatColour[b];
    boat["kmlColour"] = store.kmlColour[b];
    // Course points (numbers into markTime's rows) the boat missed although another boat passed them.
    const std::vector<int> missed = MissedPoints(store, b);
    boat["sailedCourse"] = missed.empty();
    boat["missedPoints"] = missed;
    boat["fixes"] = Fixes(store, b, allFixes);
    boats.push_back(std::move(boat));
  }
  return boats;
}

Json PerBoat(const std::vector<std::vector<double>>& table, int boats, int first, int last) {
  Json rows = Json::array();
  for (int b = 1; b <= boats && b < static_cast<int>(table.size()); ++b)
    rows.push_back(Slice(table[b], first, last));
  return rows;
}

Json Fit(const ChartFit& fit) {
  return Json{{"trackMinLat", fit.trackMinLat},
              {"trackMaxLat", fit.trackMaxLat},
              {"trackMinLon", fit.trackMinLon},
              {"trackMaxLon", fit.trackMaxLon},
              {"midLat", fit.midLat},
              {"midLon", fit.midLon},
              {"cosMidLatitude", fit.cosMidLatitude},
              {"chartSpanLat", fit.chartSpanLat},
              {"chartSpanLon", fit.chartSpanLon},
              {"pxPerMinuteLat", fit.pxPerMinuteLat},
              {"pxPerMinuteLon", fit.pxPerMinuteLon},
              {"mapWidth", fit.mapWidth},
              {"mapHeight", fit.mapHeight}};
}

// Each boat's tacks and gybes, an array per boat in boat order.
Json Manoeuvres(const race::RaceStore& store, int boats) {
  Json all = Json::array();
  for (int b = 1; b <= boats; ++b) {
    Json list = Json::array();
    for (const Manoeuvre& m : DetectManoeuvres(store, b)) {
      list.push_back({{"seconds", m.seconds},
                      {"kind", m.kind == ManoeuvreKind::Tack ? "tack" : "gybe"},
                      {"durationSeconds", m.durationSeconds},
                      {"speedBefore", m.speedBefore},
                      {"speedLowest", m.speedLowest},
                      {"speedAfter", m.speedAfter},
                      {"metresLost", m.metresLost}});
    }
    all.push_back(list);
  }
  return all;
}

}  // namespace

Json RaceToJson(const race::RaceStore& store, const ChartFit& fit, bool allFixes) {
  const int boats = store.boatCount;
  const int points = store.courseCount;
  Json out;
  out["raceCaption"] = store.raceCaption;
  out["title1"] = store.title1;
  out["title2"] = store.title2;
  out["startTime"] = race::FormatDateTime(store.startTime);
  out["finishTime"] = race::FormatDateTime(store.finishTime);
  out["timelineStart"] = store.timelineStart;
  out["timelineEnd"] = store.timelineEnd;
  out["windDirection"] = store.windDirection;
  out["magneticVariation"] = store.magneticVariation;
  out["boatCount"] = boats;
  out["droppedBoatCount"] = store.droppedBoatCount;
  out["boats"] = Boats(store, allFixes);
  out["maxBoatSpeed"] = store.maxBoatSpeed;
  Json marks = Json::array();
  for (int m = 1; m <= std::min(store.markCount, race::kMaxMarks); ++m)
    marks.push_back({store.markLat[m], store.markLon[m]});
  out["marks"] = marks;
  Json lines = Json::array();
  for (int l = 1; l <= std::min(store.lineCount, race::kMaxLines); ++l) {
    lines.push_back({store.lineLat1[l], store.lineLon1[l], store.lineLat2[l], store.lineLon2[l]});
  }
  out["lines"] = lines;
  out["courseMark"] = Slice(store.courseMark, 1, points);
  out["markTime"] = PerBoat(store.markTime, boats, 1, points);
  out["firstArrivalTime"] = Slice(store.firstArrivalTime, 1, points);
  out["finishRank"] = Slice(store.finishRank, 1, boats);
  out["legSailedMetres"] = PerBoat(store.legSailedMetres, boats, 1, points);
  out["legBearing"] = Slice(store.legBearing, 1, points - 1);
  out["legLengthMetres"] = Slice(store.legLengthMetres, 1, points);
  out["legKind"] = Slice(store.legKind, 1, points - 1);
  out["manoeuvres"] = Manoeuvres(store, boats);
  out["windCount"] = store.windCount;
  out["windDataPresent"] = store.windDataPresent;
  out["coastCount"] = store.coastCount;
  out["chartFit"] = Fit(fit);
  Json warnings = Json::array();
  for (const race::LoadWarning& warning : store.warnings) warnings.push_back(race::WarningText(warning));
  out["warnings"] = warnings;
  return out;
}

Json LeaderboardToJson(const race::RaceStore& store, double t) {
  Json rows = Json::array();
  auto known = [](double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); };
  for (const LeaderboardRow& r : RankFleet(store, t)) {
    rows.push_back({{"boat", r.boat},
                    {"place", r.place},
                    {"pointsPassed", r.pointsPassed},
                    {"finished", r.finished},
                    {"metresToGo", known(r.metresToGo)},
                    {"gapMetres", known(r.gapMetres)},
                    {"gapSeconds", known(r.gapSeconds)},
                    {"gapAtRounding", known(r.gapAtRounding)}});
  }
  return rows;
}

}  // namespace analysis
