// The bad-input catalogue (docs/bad-input.md) as data: each row's files, written over the small sample race
// folder, and what loading raceadmin/bad.txt gives. The batch command tests and the desktop window tests
// both walk this list, so every row is checked through both.
#pragma once

#include <string>
#include <vector>

#include "analysis/SampleRaceFolder.h"

namespace badinput {

struct Row {
  std::string name;                                        // as in docs/bad-input.md
  std::vector<std::pair<std::string, std::string>> files;  // relative path, bytes
  std::vector<std::string> removed;                        // files or folders taken away first
  std::string message;                                     // the batch command's stderr line; empty: it loads
  int boats = 0;                                           // boats loaded when it loads
  std::vector<std::string> warnings = {};                  // the start of each warning of the load, in order
};

// The sample race's records up to the boats: line 3 is ST, 5 TD, 10 MK, 13 CRS; BN records start at line 14.
inline const std::string kHead =
    "T1,Bad Race\r\nT2,Heat 1\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\n"
    "WD,0\r\nMG,0\r\nLL,45,150\r\nLG,6\r\nMK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.1\r\n"
    "LN,3000.4025,599.9,3000.4025,600.1\r\nCRS,L1,MK1,L2\r\n";
inline const std::string kBoats = "BN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\n";

inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Bravo's track with the text of line `line` from column `column` (0-based, length characters) replaced.
inline std::string BravoWith(int line, std::size_t column, const std::string& text, std::size_t length = 11) {
  std::string track = analysistest::NorthboundTrack(0.0009, 0.01);
  std::size_t at = 0;
  for (int k = 1; k < line; ++k) at = track.find('\n', at) + 1;
  return track.replace(at + column, length, text);
}

// text as Windows editors save "Unicode": UTF-16, little endian, with a byte-order mark (ASCII text only).
inline std::string Utf16(const std::string& text) {
  std::string out = "\xFF\xFE";
  for (const char c : text) out += std::string{c, '\0'};
  return out;
}

inline std::string Binary(std::size_t size) {
  std::string bytes(size, '\0');
  unsigned state = 12345;
  for (char& c : bytes) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  return bytes;
}

inline std::string Reversed(const std::string& track) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = track.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(track.substr(at, end + 1 - at));
  }
  std::string out = lines[0];
  for (auto k = lines.size() - 1; k >= 1; --k) out += lines[k];
  return out;
}

inline std::vector<Row> Rows() {
  using analysistest::NorthboundTrack;
  const std::string race = kHead + kBoats;
  const std::string bravo = NorthboundTrack(0.0009, 0.01);
  const std::string noTracks = "raceadmin/bad.txt: GPS file not exists.";
  const std::string noBoatKept =
      "raceadmin/bad.txt: no boat has fixes inside the race window (see the warnings)";
  const std::string outsideWindow = "boat Alpha: no fix inside the race window";
  const std::string windRace = race + "WF,wind.csv\r\n";
  const std::string gpxRace = kHead + "BN,alpha.txt,Alpha\r\nBN,bravo.gpx,Bravo\r\n";
  std::string manyBoats = kHead;
  for (int k = 1; k <= 210; ++k) manyBoats += "BN,alpha.txt,Boat " + std::to_string(k) + "\r\n";
  std::string manyMarks = kHead;
  for (int k = 1; k <= 25; ++k) manyMarks += "MK,3000.3,600.05\r\n";
  std::string doubled;
  for (std::size_t at = 0, end; (end = bravo.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = bravo.substr(at, end + 1 - at);
    doubled += at == 0 ? line : line + line;
  }
  return {
      {"missing race file", {}, {"raceadmin/bad.txt"}, noTracks},
      {"missing track folder",
       {{"raceadmin/bad.txt", race}},
       {"gpsdat"},
       noTracks,
       0,
       {"boat Alpha: track file \"alpha.txt\" not found", "boat Bravo: track file \"bravo.txt\" not found"}},
      {"missing track file",
       {{"raceadmin/bad.txt", kHead + kBoats + "BN,charlie.txt,Charlie\r\n"}},
       {},
       "",
       2,
       {"boat Charlie: track file \"charlie.txt\" not found in gpsdat; the boat is left out"}},
      {"missing wind folder", {{"raceadmin/bad.txt", windRace}}, {"winddat"}, "", 2},
      {"missing coastline folder", {{"raceadmin/bad.txt", race}}, {"coastline"}, "", 2},
      {"empty race file", {{"raceadmin/bad.txt", ""}}, {}, noTracks},
      {"empty track file",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", ""}},
       {},
       "",
       1,
       {"boat Bravo: only 0 fixes inside the race window (50 needed)"}},
      {"empty wind file", {{"raceadmin/bad.txt", windRace}, {"winddat/wind.csv", ""}}, {}, "", 2},
      {"Shift-JIS race file",
       {{"raceadmin/bad.txt", Replaced(race, "Alpha\r", "\x83\x67\x83\x6f\r")}},
       {},
       "",
       2},
      {"bad number in the race file",
       {{"raceadmin/bad.txt", Replaced(race, "TD,2", "TD,two")}},
       {},
       "raceadmin/bad.txt:5: not an integer: \"two\""},
      {"bad date in the race file",
       {{"raceadmin/bad.txt", Replaced(race, "ST,2024/06/01", "ST,2024/13/41")}},
       {},
       "raceadmin/bad.txt:3: not a date: \"2024/13/41 12:00:00\""},
      {"bad number in a track",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", BravoWith(40, 3, "N30x0.00000")}},
       {},
       "gpsdat/bravo.txt:40: not a number: \"N30x0.00000\""},
      {"bad date in a track",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", BravoWith(40, 28, "2024/99/99")}},
       {},
       "",
       2},
      {"bad number in the wind file",
       {{"raceadmin/bad.txt", windRace}, {"winddat/wind.csv", "h\r\n2024/06/01 12:00:00,fast,3\r\n"}},
       {},
       "winddat/wind.csv:2: not a number: \"fast\""},
      {"bad number in the coastline",
       {{"raceadmin/bad.txt", race}, {"coastline/toba.cst", "R,3000,600\r\n3000.1,east\r\n"}},
       {},
       "coastline/toba.cst:2: not a number: \"east\""},
      {"too few fields in the race file",
       {{"raceadmin/bad.txt", Replaced(race, "MK,3000.3,600.05", "MK,3000.3")}},
       {},
       "raceadmin/bad.txt:10: MK record has 2 fields, needs 3"},
      {"too few fields in the wind file",
       {{"raceadmin/bad.txt", windRace}, {"winddat/wind.csv", "h\r\n2024/06/01 12:00:00,3\r\n"}},
       {},
       "winddat/wind.csv:2: wind sample needs time, speed and direction"},
      {"too few fields in a track",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", Replaced(bravo, " 1\r\n", "\r\n")}},
       {},
       "",
       2},
      {"more boats than 200",
       {{"raceadmin/bad.txt", manyBoats}},
       {},
       "",
       200,
       {"the race file names 210 boats; only the first 200 are read"}},
      {"more marks than 20",
       {{"raceadmin/bad.txt", Replaced(manyMarks + kBoats, "CRS,L1,MK1,L2", "CRS,L1,MK25,L2")}},
       {},
       "",
       2},
      {"track out of time order",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", Reversed(bravo)}},
       {},
       "",
       2},
      {"duplicate fix times", {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", doubled}}, {}, "", 2},
      {"huge line in the race file",
       {{"raceadmin/bad.txt", race + "T3," + std::string(8 << 20, 'x') + "\r\n"}},
       {},
       "raceadmin/bad.txt:16: line longer than 65536 bytes"},
      {"huge line in a track",
       {{"raceadmin/bad.txt", race},
        {"gpsdat/bravo.txt", bravo + "T  " + std::string(8 << 20, '9') + "\r\n"}},
       {},
       "gpsdat/bravo.txt:161: line longer than 65536 bytes"},
      {"path separators and .. in names",
       {{"raceadmin/bad.txt",
         kHead + "BN,../gpsdat/alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\nWF,../raceadmin/bad.txt\r\n"}},
       {},
       "",
       1,
       {"boat Alpha: track file \"../gpsdat/alpha.txt\" not found"}},
      {"race with no boats", {{"raceadmin/bad.txt", kHead}}, {}, noTracks},
      {"no fixes in the race window",
       {{"raceadmin/bad.txt",
         Replaced(Replaced(race, "ST,2024/06/01", "ST,2024/06/02"), "FT,2024/06/01", "FT,2024/06/02")}},
       {},
       noBoatKept,
       0,
       {outsideWindow, "boat Bravo: no fix inside the race window"}},
      {"time difference with the wrong sign",
       {{"raceadmin/bad.txt", Replaced(race, "TD,2", "TD,-2")}},
       {},
       noBoatKept,
       0,
       {outsideWindow +
            " (its fixes run 2024/06/01 07:57:10 to 2024/06/01 08:10:20, the window 2024/06/01 11:56:00 to "
            "2024/06/01 12:10:30); the boat is left out: TD may be wrong (or ST a day off), with TD 2 its "
            "fixes would fit",
        "boat Bravo: no fix inside the race window"}},
      {"marks typed in degrees",
       {{"raceadmin/bad.txt", Replaced(race, "MK,3000.3,600.05", "MK,50.005,10.00083")}},
       {},
       "",
       2,
       {"course point 2 (MK1) was passed by no boat (closest approach ", "mark MK1 lies "}},
      {"day-month-year dates in the race file",
       {{"raceadmin/bad.txt",
         Replaced(Replaced(race, "ST,2024/06/01", "ST,01-JUN-24"), "FT,2024/06/01", "FT,01-Jun-24")}},
       {},
       "",
       2},
      {"no course", {{"raceadmin/bad.txt", Replaced(race, "CRS,L1,MK1,L2\r\n", "")}}, {}, "", 2},
      {"course names marks that do not exist",
       {{"raceadmin/bad.txt", Replaced(race, "CRS,L1,MK1,L2", "CRS,L7,MK9,L2")}},
       {},
       "",
       2},
      {"NUL bytes",
       {{"raceadmin/bad.txt", race + std::string("\0\0\0\r\n", 5)},
        {"gpsdat/bravo.txt", BravoWith(40, 3,
                                       std::string("N30\0"
                                                   "0.00000",
                                                   11))}},
       {},
       "",
       2,
       {"Bravo: fix at 2024/06/01 12:00:20 dropped as a GPS glitch"}},
      {"binary race file", {{"raceadmin/bad.txt", Binary(4096)}}, {}, noTracks},
      {"binary track file",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", Binary(65536)}},
       {},
       "",
       1,
       {"boat Bravo: only 0 fixes"}},
      {"binary GPX file",
       {{"raceadmin/bad.txt", gpxRace}, {"gpsdat/bravo.gpx", Binary(4096)}},
       {},
       "gpsdat/bravo.gpx:1: malformed XML: "},
      {"XML that is not GPX",
       {{"raceadmin/bad.txt", gpxRace}, {"gpsdat/bravo.gpx", "<html><body/></html>"}},
       {},
       "gpsdat/bravo.gpx:1: not a GPX file: the document is <html>"},
      {"binary NMEA log",
       {{"raceadmin/bad.txt", kHead + "BN,alpha.txt,Alpha\r\nBN,bravo.nmea,Bravo\r\n"},
        {"gpsdat/bravo.nmea", Binary(65536)}},
       {},
       "",
       1,
       {"boat Bravo: only 0 fixes"}},
      {"binary coastline file",
       {{"raceadmin/bad.txt", race}, {"coastline/toba.cst", Binary(4096)}},
       {},
       "coastline/toba.cst:"},
      {"position off the globe in a track",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", BravoWith(40, 3, "N9500.00000")}},
       {},
       "gpsdat/bravo.txt:40: latitude out of range: \"N9500.00000\""},
      {"mark off the globe",
       {{"raceadmin/bad.txt", Replaced(race, "MK,3000.3,600.05", "MK,3000.3,1e11")}},
       {},
       "raceadmin/bad.txt:10: longitude out of range: \"1e11\""},
      {"finish years after the start",
       {{"raceadmin/bad.txt", Replaced(race, "FT,2024/06/01", "FT,2034/06/01")}},
       {},
       "raceadmin/bad.txt:4: the finish lies more than 7 days after the start"},
      {"GPS glitch to 0N 0E",
       {{"raceadmin/bad.txt", race}, {"gpsdat/bravo.txt", BravoWith(40, 3, "N0000.00000 E00000.00000", 24)}},
       {},
       "",
       2,
       {"Bravo: fix at 2024/06/01 12:0"}},
      {"UTF-16 race file", {{"raceadmin/bad.txt", Utf16(race)}}, {}, "", 2},
      {"wind out of time order",
       {{"raceadmin/bad.txt", windRace},
        {"winddat/wind.csv", "h\r\n2024/06/01 12:05:00,4,10\r\n2024/06/01 12:00:00,3,5\r\n"}},
       {},
       "",
       2,
       {"winddat/wind.csv: wind samples out of time order"}},
  };
}

// The folder of one row: the small sample race, then the row's removals and files.
inline void WriteRow(const testsupport::TempFolder& folder, const Row& row) {
  analysistest::WriteSampleRace(folder);
  for (const std::string& gone : row.removed) std::filesystem::remove_all(folder.path() / gone);
  for (const auto& [path, bytes] : row.files) folder.Write(path, bytes);
}

}  // namespace badinput
