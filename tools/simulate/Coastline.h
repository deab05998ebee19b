// A coastline of Ise Bay, the Shima and the Kumano coast drawn for the sample regatta: a hand-placed outline through
// the main headlands with a seeded wander added, written as grid tiles (Tokyo datum) and as toba.cst.
// It is a plausible picture for the chart, not survey data.
#pragma once

#include <string>
#include <vector>

namespace simulate {

struct GeoPoint {
  double lat = 0, lon = 0;  // degrees, WGS 84
};
using Polyline = std::vector<GeoPoint>;

// The outline of the mainland, the two peninsulas and three islands, points no more than about 150 m apart.
std::vector<Polyline> TobaCoastline();

// The shift from the Tokyo datum to WGS 84 at a point given in the Tokyo datum (minutes of arc added to
// latitude and longitude), by the translation the coastline loader applies.
void TokyoToWgsShift(double latMinutes, double lonMinutes, double& latShift, double& lonShift);

// Text of the tile files, keyed by their four-digit first-level code ("5136"), for polylines in WGS 84.
std::vector<std::pair<std::string, std::string>> CoastTiles(const std::vector<Polyline>& coast);

// toba.cst: one "lat,lon" (minutes, WGS 84) per line, "R," before the first point of each polyline.
std::string WideAreaCoast(const std::vector<Polyline>& coast);

// Writes coastline/NNNN.cst tiles and coastline/toba.cst under the folder.
void WriteTobaCoastline(const std::string& folder);

}  // namespace simulate
