// What the simulator is asked to make: the race to sail and how its files are to be written.
#pragma once

#include <string>
#include <vector>

#include "simulate/Race.h"

namespace simulate {

enum class CoordinateForm { DegreesMinutes, Degrees, DegreesMinutesSeconds };
enum class DateForm { YearMonthDay, DayMonthYear, DayMonthNameYear };
enum class TrackFormat { Text, Gpx, Nmea };  // text track files, or GPX / NMEA as loggers write them

struct LocalTime {
  int year = 2026, month = 5, day = 17, hour = 10, minute = 0, second = 0;
};

struct Options {
  RaceSettings race;
  std::string folder;           // the program folder written into
  std::string raceName = "race";
  std::string title1, title2, note;
  std::vector<std::string> names;  // boat names; generated when fewer than the fleet
  bool shiftJis = false;        // race file in Shift-JIS, as Japanese clubs write it
  bool northUp = false;
  bool windFile = true;
  bool truthFile = true;
  std::string attachment;       // a sailing-instructions page written to attachment/ and named by AT
  CoordinateForm coordinates = CoordinateForm::DegreesMinutes;
  DateForm dates = DateForm::YearMonthDay;
  TrackFormat trackFormat = TrackFormat::Text;
  LocalTime start;              // the gun, race local time
  int timeDifference = 9;       // hours: GPS time = local time - this
  double latitude = 34.5600, longitude = 136.8700;  // middle of the start line, degrees
  double magneticVariation = -7.5;
  std::vector<std::pair<double, double>> waypoints;  // a passage's marks and finish, degrees
  bool help = false;
};

// Reads the command line. Throws std::invalid_argument with a message naming the bad option.
Options ParseOptions(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace simulate
