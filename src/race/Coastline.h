// The coastline readers: grid-square tile files (Tokyo datum) and the wide-area file toba.cst (WGS 84).
#pragma once

#include "race/RaceStore.h"

namespace race {

// The chart fit values the coastline search window is built from, minutes of arc.
struct CoastWindowFit {
  double trackMinLat = 0, trackMaxLat = 0;
  double midLat = 0, midLon = 0;
};

// Fills coastLat, coastLon and coastCount (a polyline's first point carries +20000 on its latitude)
// and mapImage / mapImageCount with the tile names. Races spanning more than 50 minutes of latitude, and
// races where no named tile exists, read toba.cst instead. Throws InputError on a malformed number.
void LoadCoastline(RaceStore& store, const CoastWindowFit& fit);

// Reads coastline/toba.cst (lines "lat,lon" and "R,lat,lon", the latter starting a polyline); nothing
// when it is missing.
void LoadDefaultCoastline(RaceStore& store);

// Fills coastPieces from the points 1..coastCount: a piece from each flagged point (and point 1) to the
// point before the next. Each reader above ends with it.
void IndexCoastline(RaceStore& store);

// Shift from the Tokyo datum to WGS 84 at datumCentreLat / datumCentreLon: sets wgsCentreLat,
// wgsCentreLon, coastLatShift and coastLonShift.
void ComputeDatumShift(RaceStore& store);

}  // namespace race
