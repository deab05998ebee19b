// The in-memory race: everything the readers fill and the rest of the program reads.
// Arrays indexed by boat, mark, line or fix keep element 0 unused so the arithmetic reads 1-based.
#pragma once

#include <string>
#include <vector>

#include "race/FixColumn.h"
#include "race/LoadWarning.h"

namespace race {

using TDateTime = double;  // days since 1899-12-30, time of day in the fraction
using Colour = unsigned;   // 0x00BBGGRR

inline constexpr int kMaxBoats = 200;
inline constexpr int kMaxMarks = 20;
inline constexpr int kMaxLines = 10;
inline constexpr int kMaxCourseEntries = 20;
inline constexpr int kMaxCoursePoints = 12;  // what the passing and leg tables hold
inline constexpr int kMaxMapNames = 16;      // a coastline window may need 16 tiles
inline constexpr int kMaxAttachments = 10;
inline constexpr int kMaxRaces = 200;
inline constexpr double kNotPassed = 10000000.0;

// The boat list's starting height for a fleet of boats: a 14-pixel row each below the header.
inline constexpr int BoatListHeightFor(int boats) {
  return boats * 14 + 25;
}

// One polyline of the coastline: its points first..last and the latitude/longitude box round them
// (minutes of arc, the polyline flag taken off).
struct CoastPiece {
  int first = 0, last = 0;
  double south = 0, north = 0, west = 0, east = 0;
};

struct RaceStore {
  // Race information.
  std::string raceFilePath;
  std::string title1, title2, raceNote, flagText, raceCaption;
  TDateTime startTime = 0, finishTime = 0;
  int timeDifferenceHours = 0;
  TDateTime startTimeGps = 0, finishTimeGps = 0, raceDate = 0;
  int preStartSeconds = 180;
  double timelineStart = -190, timelineEnd = 30;
  double magneticVariation = 0;
  int windDirection = 0;
  int layAngle1 = 0, layAngle2 = 0;
  double boatLength = 0;
  int northUp = 0;
  std::string windFile;
  int windDataPresent = 0;
  int boatListHeight = 25;  // BoatListHeightFor(boatCount) at each load

  // Course geometry, minutes of arc.
  int markCount = 0;
  std::vector<double> markLat = std::vector<double>(kMaxMarks + 1),
                      markLon = std::vector<double>(kMaxMarks + 1);
  int lineCount = 0;
  std::vector<double> lineLat1 = std::vector<double>(kMaxLines + 1),
                      lineLon1 = std::vector<double>(kMaxLines + 1);
  std::vector<double> lineLat2 = std::vector<double>(kMaxLines + 1),
                      lineLon2 = std::vector<double>(kMaxLines + 1);
  int courseCount = 0;
  std::vector<std::string> courseMark = std::vector<std::string>(kMaxCourseEntries + 1);
  int mapImageCount = 0;
  std::vector<std::string> mapImage = std::vector<std::string>(kMaxMapNames + 1);
  int attachmentCount = 0;
  std::vector<std::string> attachment = std::vector<std::string>(kMaxAttachments + 1);
  int attachmentIndex = 0;

  // Boats.
  int boatCount = 0;
  std::vector<std::string> boatFile = std::vector<std::string>(kMaxBoats + 1);
  std::vector<std::string> boatName = std::vector<std::string>(kMaxBoats + 1);
  std::vector<int> boatTimeOffset = std::vector<int>(kMaxBoats + 1);
  std::vector<int> boatShown = std::vector<int>(kMaxBoats + 1);
  std::vector<int> fixCount = std::vector<int>(kMaxBoats + 2);
  std::vector<int> fixInterval = std::vector<int>(kMaxBoats + 2);
  std::vector<Colour> boatColour = std::vector<Colour>(kMaxBoats + 1);
  std::vector<std::string> kmlColour = std::vector<std::string>(kMaxBoats + 1);
  int droppedBoatCount = 0;
  // What the load found worth checking (a boat outside the race window, a missing file ...), cleared at the
  // start of every load. A step adds one with race::Warn(store, kind, values); the kind's wording in both
  // languages lives in one table (race/LoadWarning.cpp), so a new warning is an enum value and a table row.
  // The batch command prints race::WarningText(w) in English, the window lists them in the user's language.
  std::vector<LoadWarning> warnings;
  Colour layColourPort = 0, layColourStarboard = 0, windAxisColour = 0;

  // Track channels [boat][fix], boat slots 0..boatCount+1, fix 0 unused. Each reads as double; they are
  // stored compactly (FixColumn.h) since a big fleet logging fast holds tens of millions of fixes.
  std::vector<TimeColumn> trackTime;
  std::vector<PositionColumn> trackLat, trackLon;
  std::vector<MotionColumn> trackSpeed, trackCourse;
  double maxBoatSpeed = 0;

  // Wind samples 1..windCount.
  int windCount = 0;
  std::vector<double> windTime, windSpeed;
  std::vector<int> windDir;

  // Coastline points 1..coastCount; a latitude above 6000 carries +20000 and starts a polyline.
  int coastCount = 0;
  std::vector<double> coastLat, coastLon;
  double datumCentreLat = 0, datumCentreLon = 0, wgsCentreLat = 0, wgsCentreLon = 0;
  double coastLatShift = 0, coastLonShift = 0;
  // The polylines of points 1..coastCount in order, as the coastline readers leave them
  // (race::IndexCoastline): a chart showing a small part of a long coast passes over the rest whole.
  std::vector<CoastPiece> coastPieces;

  // Analysis tables [boat][course point] and [course point].
  std::vector<std::vector<double>> markTime =
      std::vector<std::vector<double>>(kMaxBoats + 1, std::vector<double>(kMaxCoursePoints + 1));
  std::vector<double> firstArrivalTime = std::vector<double>(kMaxCoursePoints + 1);
  std::vector<int> finishRank = std::vector<int>(kMaxBoats + 1);
  std::vector<std::vector<double>> legSailedMetres =
      std::vector<std::vector<double>>(kMaxBoats + 1, std::vector<double>(kMaxCoursePoints + 1));
  std::vector<double> legBearing = std::vector<double>(kMaxCourseEntries + 1);
  std::vector<double> legLengthMetres = std::vector<double>(kMaxCourseEntries + 1);
  std::vector<int> legKind = std::vector<int>(kMaxCoursePoints + 1);

  // Folders ('/'-separated, programFolder ends in '/'). The race catalogue lives outside the store
  // (RaceCatalogue.h): a load fills a fresh store and the catalogue stays as it was.
  std::string documentsFolder;
  std::string programFolder;

  // Boat outline of the hull glyph, chosen at each load.
  double hullX[9] = {}, hullY[9] = {};
};

// Calls visit with each of the five track channels (trackTime, trackLat, trackLon, trackSpeed, trackCourse).
template <typename Store, typename Visit>
void ForEachTrackChannel(Store& store, Visit visit) {
  visit(store.trackTime);
  visit(store.trackLat);
  visit(store.trackLon);
  visit(store.trackSpeed);
  visit(store.trackCourse);
}

}  // namespace race
