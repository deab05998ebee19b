// A small complete race folder written into a temp folder: a race file, two boats sailing north from a start
// line past one mark to a finish line, and a third boat whose track file is missing. Shared by the analysis
// and batch command tests.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "support/TempFolder.h"

namespace analysistest {

// "N5000.12300" style text of a coordinate in minutes of arc (degrees and decimal minutes).
inline std::string DegreesMinutes(char positive, char negative, double minutes, int degreeDigits) {
  const char hemisphere = minutes < 0 ? negative : positive;
  minutes = std::fabs(minutes);
  const int degrees = static_cast<int>(minutes / 60);
  char text[40];
  std::snprintf(text, sizeof text, "%c%0*d%08.5f", hemisphere, degreeDigits, degrees,
                minutes - degrees * 60.0);
  return text;
}

// Gun at 10:00:00 UTC (12:00 local, TD 2); a boat at lon 600 + lonOffset moves north at speed minutes per
// second from lat 3000 - 170 * speed, one fix every 5 s from 9:57:10 to 10:10:20.
inline std::string NorthboundTrack(double speed, double lonOffset) {
  std::string text = "H  LATITUDE    LONGITUDE    DATE      TIME     ALT  ;track\r\n";
  for (int t = -170; t <= 620; t += 5) {
    const int clock = 10 * 3600 + t;
    char line[120];
    std::snprintf(line, sizeof line, "T  %s %s 2024/06/01 %02d:%02d:%02d 1\r\n",
                  DegreesMinutes('N', 'S', 3000 + speed * t, 2).c_str(),
                  DegreesMinutes('E', 'W', 600 + lonOffset, 3).c_str(), clock / 3600, clock / 60 % 60,
                  clock % 60);
    text += line;
  }
  return text;
}

inline constexpr char kSampleRaceFile[] = "sample.txt";

// Alpha (0.001 minute/s) finishes at 402.5 s, Bravo (0.0009) at 447.2 s; Charlie's file does not exist.
inline void WriteSampleRace(const testsupport::TempFolder& folder, const std::string& extraRecords = "") {
  folder.Write(std::string("raceadmin/") + kSampleRaceFile,
               "T1,Sample Race\r\nT2,Heat 1\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\n"
               "WD,0\r\nMG,0\r\nLL,45,150\r\nLG,6\r\n"
               "MK,3000.3,600.05\r\n"
               "LN,3000.005,599.9,3000.005,600.1\r\n"
               "LN,3000.4025,599.9,3000.4025,600.1\r\n"
               "CRS,L1,MK1,L2\r\n"
               "BN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\nBN,charlie.txt,Charlie\r\n" +
                   extraRecords);
  folder.Write("gpsdat/alpha.txt", NorthboundTrack(0.001, 0));
  folder.Write("gpsdat/bravo.txt", NorthboundTrack(0.0009, 0.01));
}

}  // namespace analysistest
