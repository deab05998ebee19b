// The coastline readers: grid-square tiles in the Tokyo datum, or the wide-area file toba.cst in WGS 84.
#include "race/Coastline.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "race/Convert.h"
#include "race/Fields.h"
#include "race/FolderLookup.h"
#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/PrintableText.h"
#include "race/TextInput.h"

namespace race {
namespace {

constexpr double kPolylineFlag = 20000.0;
constexpr double kMinHalfHeight = 3.0;                     // minutes
constexpr double kMaxTileHalfHeight = 50.0;                // wider races read toba.cst
constexpr double kSquareHeight = 5.0, kSquareWidth = 7.5;  // a second-level grid square, minutes
constexpr int kSlotsPerLine = 7;
constexpr int kFilterAbove = 10;  // more points than this are cut to the search window

struct Window {
  double south, north, west, east;
};

void ReadDefaultFile(RaceStore& s);

void AppendPoint(RaceStore& s, int& n, double lat, double lon) {
  ++n;
  if (n >= static_cast<int>(s.coastLat.size()) - 10) {
    s.coastLat.resize(n + 20);
    s.coastLon.resize(n + 20);
  }
  s.coastLat[n] = lat;
  s.coastLon[n] = lon;
}

std::filesystem::path CoastFolder(const RaceStore& s) {
  return RaceDataFolder(s.programFolder, s.raceFilePath) + "coastline";
}

int CodeDigits(std::string_view line, std::size_t from, std::size_t count, const std::string& file, int at) {
  return ToInteger(line.substr(std::min(from, line.size()), count), file, at);
}

// Reads one tile file; the square in hand starts outside the window.
void ReadTile(RaceStore& s, const std::filesystem::path& path, const Window& w, int& n) {
  std::ifstream in;
  if (!OpenFoundFile(s, in, path)) return;
  TextLines lines(in, FileLabel(s.programFolder, path));
  const std::string& file = lines.file();
  bool inside = false;
  double latBase = 0, lonBase = 0;
  int count = 0, k = 0;
  std::string_view line;
  while (lines.Next(line)) {
    if (line.empty()) continue;
    const int at = lines.lineNumber();
    if (line[0] == 'M') {
      const std::string_view code = line.substr(std::min<std::size_t>(2, line.size()), 6);
      if (code.size() < 6) throw InputError(file, at, "not a grid square code: " + Quoted(code));
      latBase = CodeDigits(code, 0, 2, file, at) * 40.0 + CodeDigits(code, 4, 1, file, at) * kSquareHeight;
      lonBase =
          CodeDigits(code, 2, 2, file, at) * 60.0 + 6000.0 + CodeDigits(code, 5, 1, file, at) * kSquareWidth;
      inside = w.south - kSquareHeight < latBase && latBase < w.north && w.west - kSquareWidth < lonBase &&
               lonBase < w.east;
      k = 0;
    } else if (line[0] == 'L') {
      const auto value = line.size() > 49 ? ParseInteger(line.substr(49, 6)) : std::nullopt;
      count = value ? *value : 1;
      k = 0;
    } else if (inside) {
      for (int j = 0; j < kSlotsPerLine; ++j) {
        const std::size_t from = std::min<std::size_t>(10 * j, line.size());
        const double x = ToNumber(line.substr(from, 5), file, at);
        const double y = ToNumber(line.substr(std::min(from + 5, line.size()), 5), file, at);
        if (++k > count) continue;
        const double lat = latBase + y * kSquareHeight / 10000 + s.coastLatShift;
        const double lon = lonBase + x * kSquareWidth / 10000 + s.coastLonShift;
        AppendPoint(s, n, k == 1 ? lat + kPolylineFlag : lat, lon);
      }
    }
    s.coastCount = n;
  }
  s.coastCount = n;
}

// Keeps the points strictly inside the window. A kept point also starts a polyline when the point before it
// was cut away, so separate stretches of coast are never joined by a line across the gap.
void CutToWindow(RaceStore& s, const Window& w) {
  int kept = 0;
  bool previousCut = false;
  for (int i = 1; i <= s.coastCount; ++i) {
    const bool flagged = s.coastLat[i] > 6000;
    const double lat = flagged ? s.coastLat[i] - kPolylineFlag : s.coastLat[i];
    const double lon = s.coastLon[i];
    if (!(w.south < lat && lat < w.north && w.west < lon && lon < w.east)) {
      previousCut = true;
      continue;
    }
    ++kept;
    s.coastLat[kept] = flagged || previousCut ? lat + kPolylineFlag : lat;
    s.coastLon[kept] = lon;
    previousCut = false;
  }
  s.coastCount = kept;
}

void UseDefaultFile(RaceStore& s) {
  s.mapImageCount = 1;
  if (s.mapImage.size() < 2) s.mapImage.resize(2);
  s.mapImage[1] = "TOBA";
  ReadDefaultFile(s);
}

void ReadDefaultFile(RaceStore& s) {
  const auto path = FindInFolder(CoastFolder(s), "toba.cst", &s);
  std::ifstream in;
  if (!path || !OpenFoundFile(s, in, *path)) return;
  TextLines lines(in, FileLabel(s.programFolder, *path));
  const std::string& file = lines.file();
  s.coastLat.assign(50, 0.0);
  s.coastLon.assign(50, 0.0);
  int n = 0;
  std::string_view line;
  while (lines.Next(line)) {
    if (TrimBlanks(line).empty()) continue;  // a blank line is no point
    const int at = lines.lineNumber();
    const std::size_t first = line.find(',');
    const std::string_view a = line.substr(0, first);
    const std::string_view afterFirst =
        first == std::string_view::npos ? std::string_view() : line.substr(first + 1, 100);
    const std::size_t second = afterFirst.find(',');
    const std::string_view b = afterFirst.substr(0, second);
    const std::string_view c =
        second == std::string_view::npos ? std::string_view() : afterFirst.substr(second + 1, 100);
    const bool starts = TrimBlanks(a) == "R";
    const std::string_view latText = starts ? b : a, lonText = starts ? c : b;
    const double lat = CheckedLatitude(ToNumber(latText, file, at), latText, file, at);
    const double lon = CheckedLongitude(ToNumber(lonText, file, at), lonText, file, at);
    AppendPoint(s, n, starts ? lat + kPolylineFlag : lat, lon);
    s.coastCount = n;
  }
  s.coastCount = n;
}

}  // namespace

void ComputeDatumShift(RaceStore& s) {
  constexpr double kPi = 3.14159265358979323846;
  constexpr double kRad = kPi / 180.0;
  const double a = 6377397.155, f = 1.0 / 299.152813;
  const double e2 = 2 * f - f * f;
  const double fWgs = 1.0 / 298.257222101;
  const double e2Wgs = 2 * fWgs - fWgs * fWgs;
  const double phi = s.datumCentreLat / 60.0, lambda = s.datumCentreLon / 60.0;
  const double sinPhi = std::sin(phi * kRad);
  const double nRadius = a / std::sqrt(1 - e2 * sinPhi * sinPhi);
  const double x = nRadius * std::cos(phi * kRad) * std::cos(lambda * kRad) - 148;
  const double y = nRadius * std::cos(phi * kRad) * std::sin(lambda * kRad) + 508;
  const double z = nRadius * (1 - e2) * sinPhi + 680;
  // atan2 keeps the longitude in its own half of the globe (west longitudes included).
  const double lambdaWgs = std::atan2(y, x) / kRad;
  const double p = std::hypot(x, y);
  const double phiWgs = std::atan(z / ((1 - e2Wgs) * p)) / kRad;
  s.wgsCentreLat = phiWgs * 60;
  s.wgsCentreLon = lambdaWgs * 60;
  s.coastLatShift = (phiWgs - phi) * 60;
  s.coastLonShift = (lambdaWgs - lambda) * 60;
}

namespace {

void ReadTiles(RaceStore& s, const CoastWindowFit& fit) {
  const double h = std::max(std::fabs(fit.trackMaxLat - fit.trackMinLat), kMinHalfHeight);
  const Window w{fit.midLat - h, fit.midLat + h, fit.midLon - h / 0.8, fit.midLon + h / 0.8};
  if (h > kMaxTileHalfHeight) return UseDefaultFile(s);
  if (!std::isfinite(w.south + w.north + w.west + w.east)) return;  // no positions that name a tile

  s.mapImageCount = 0;
  const int latFrom = RoundToInt(w.south / 40 - 0.5), latTo = RoundToInt(w.north / 40 - 0.5);
  const int lonFrom = RoundToInt(w.west / 60 - 0.5), lonTo = RoundToInt(w.east / 60 - 0.5);
  for (int latCode = latFrom; latCode <= latTo; ++latCode) {
    for (int lonIndex = lonFrom; lonIndex <= lonTo; ++lonIndex) {
      const int m = ++s.mapImageCount;
      if (static_cast<int>(s.mapImage.size()) <= m)
        s.mapImage.resize(m + 1);  // a wide window needs more names
      s.mapImage[m] = std::to_string(latCode) + std::to_string(lonIndex - 100);
    }
  }

  s.datumCentreLat = fit.midLat;
  s.datumCentreLon = fit.midLon;
  ComputeDatumShift(s);

  s.coastLat.assign(50, 0.0);
  s.coastLon.assign(50, 0.0);
  int n = 0;
  bool anyTile = false;
  FolderIndex tiles(CoastFolder(s), &s);
  for (int m = 1; m <= s.mapImageCount; ++m) {
    const auto path = tiles.Find(s.mapImage[m] + ".cst");
    if (!path) continue;
    anyTile = true;
    ReadTile(s, *path, w, n);
  }
  // Outside the grid's area no tile exists: the wide-area file is the only coast there is.
  if (!anyTile) return UseDefaultFile(s);
  if (s.coastCount > kFilterAbove) CutToWindow(s, w);
}

}  // namespace

void LoadCoastline(RaceStore& s, const CoastWindowFit& fit) {
  s.coastCount = 0;
  s.coastPieces.clear();  // a reader that fails half way leaves no pieces of the coast before
  ReadTiles(s, fit);
  IndexCoastline(s);
}

void LoadDefaultCoastline(RaceStore& s) {
  s.coastPieces.clear();
  ReadDefaultFile(s);
  IndexCoastline(s);
}

void IndexCoastline(RaceStore& s) {
  s.coastPieces.clear();
  const int count = std::min<int>(
      {s.coastCount, static_cast<int>(s.coastLat.size()) - 1, static_cast<int>(s.coastLon.size()) - 1});
  for (int k = 1; k <= count; ++k) {
    double lat = s.coastLat[k];
    const double lon = s.coastLon[k];
    const bool starts = lat > 6000 || k == 1;
    if (lat > 6000) lat -= kPolylineFlag;
    if (starts) s.coastPieces.push_back({k, k, lat, lat, lon, lon});
    CoastPiece& piece = s.coastPieces.back();
    piece.last = k;
    if (!std::isfinite(lat) || !std::isfinite(lon)) {
      // No box can leave a point out that the drawing would not skip by itself.
      piece.south = piece.west = -HUGE_VAL;
      piece.north = piece.east = HUGE_VAL;
    }
    piece.south = std::min(piece.south, lat), piece.north = std::max(piece.north, lat);
    piece.west = std::min(piece.west, lon), piece.east = std::max(piece.east, lon);
  }
}

}  // namespace race
