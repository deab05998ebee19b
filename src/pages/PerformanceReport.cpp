// Builds the performance report line by line from the analysis tables and writes it to a file.
#include "pages/PerformanceReport.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "analysis/Manoeuvres.h"
#include "analysis/MarkPassings.h"
#include "pages/ReportFigures.h"

namespace pages {
namespace {

using race::FormatFiveChar;
using race::FormatFourPlace;
using race::FormatGeneral;
using race::FormatInteger;
using race::FormatSigned;
using race::FormatWholeDegrees;

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kNone = "-";

// The desktop's date-time form leaves the time out at midnight; both forms put the date before the first
// blank.
std::string StartTimeText(double startTime, const DateTimeText& dateTimeText) {
  std::string text = dateTimeText(startTime);
  const double seconds = std::round(startTime * 86400.0);
  if (std::fmod(seconds, 86400.0) == 0 && text.find(' ') != std::string::npos) text.erase(text.find(' '));
  return text;
}

// A text cell (a name, the caption, a course point) as a spreadsheet reads it back: a text beginning like a
// formula gets a leading apostrophe so it stays text, and a cell holding a quote, comma or line break is
// quoted with its quotes doubled, so no name can split or merge rows.
std::string CsvText(const std::string& text) {
  std::string cell = text;
  if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos)
    cell.insert(0, "'");
  if (cell.find_first_of("\",\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

class ReportBuilder {
 public:
  explicit ReportBuilder(const ReportFigures& figures) : f_(figures), best_(figures.BestBoat()) {}

  std::string Build(const DateTimeText& dateTimeText);

 private:
  void Line(const std::string& text) { out_ += text + kLineEnd; }
  void Blank(int count = 1) {
    for (int i = 0; i < count; ++i) Line(" ");
  }
  void KindRow();
  // "Boat Name" and the leg labels, then the closing headers.
  void LegHeader(const std::string& tail);
  std::string Name(int boat) const { return CsvText(f_.Store().boatName[static_cast<std::size_t>(boat)]); }

  // A boat's speed on a leg is known when the leg was timed, its end passed and its distance measured.
  bool LegSpeedKnown(int boat, int leg) const {
    return f_.LegTime(boat, leg) > 0 && f_.Passed(boat, leg + 1) && f_.Sailed(boat, leg) > 0;
  }
  bool AverageSpeedKnown(int boat) const { return f_.MarkTime(boat, L()) > 0 && f_.Sailed(boat, L()) > 0; }
  int L() const { return f_.Points(); }

  void TimeByLeg();
  void Positions();
  void CourseLength();
  void SailedDistance();
  void SpeedByLeg();
  void Summary();
  void TimeDifference();
  void DistanceDifference();
  void SpeedDifference();
  // The last section, every boat's tacks and gybes; left out when no boat made one.
  void Manoeuvres();

  const ReportFigures& f_;
  const int best_;
  std::string out_;
};

// A whole number, "-" when not known; never "-0".
std::string WholeOrNone(double value) {
  if (std::isnan(value)) return kNone;
  return FormatInteger(static_cast<int>(std::lround(value)));
}

std::string ReportBuilder::Build(const DateTimeText& dateTimeText) {
  const race::RaceStore& store = f_.Store();
  Line(CsvText(store.raceCaption));
  Line("Start Time," + StartTimeText(store.startTime, dateTimeText));
  Line("Mean Wind Dir," + FormatInteger(store.windDirection) + " deg");
  Blank();
  TimeByLeg();
  Blank(2);
  Positions();
  Blank(2);
  CourseLength();
  Blank(2);
  SailedDistance();
  Blank(2);
  SpeedByLeg();
  Blank(2);
  Summary();
  Blank(2);
  Line("COMPARISON OF DATA (Best boat:=0");
  Blank();
  TimeDifference();
  Blank(2);
  DistanceDifference();
  Blank(2);
  SpeedDifference();
  Manoeuvres();
  return out_;
}

void ReportBuilder::KindRow() {
  std::string row;
  for (int j = 1; j <= f_.Legs(); ++j) row += "," + f_.KindLabel(j);
  Line(row);
}

void ReportBuilder::LegHeader(const std::string& tail) {
  std::string row = "Boat Name";
  for (int j = 1; j <= f_.Legs(); ++j) row += "," + CsvText(f_.LegLabel(j));
  Line(row + tail);
}

void ReportBuilder::TimeByLeg() {
  Line("Time by each leg (Sec)");
  KindRow();
  LegHeader(",Total(A),,Sail Dist(B),BSP(C=B/A)");
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int j = 1; j <= f_.Legs(); ++j) {
      const double time = f_.LegTime(b, j);
      row += "," + (time > 0 && f_.Passed(b, j + 1) ? FormatInteger(time) : kNone);
    }
    const double finish = f_.MarkTime(b, L());
    const bool finished = finish > 0 && f_.Passed(b, L());
    const double metres = f_.Sailed(b, L());
    row += "," + (finished ? FormatInteger(finish) : kNone);
    row += ",," + (metres > 0 ? FormatFourPlace(metres / kMetresPerMile) : kNone);
    row += "," + (finished && metres > 0 ? FormatFourPlace(Knots(metres, finish)) : kNone);
    Line(row);
  }
}

void ReportBuilder::Positions() {
  Line("Position by each Mark/Line");
  std::string header = "Boat Name";
  for (int k = 1; k <= L(); ++k) header += "," + CsvText(f_.PositionHeader(k));
  Line(header + ",MISSED");
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int k = 1; k <= L(); ++k) row += "," + (f_.Placed(b, k) ? FormatInteger(f_.Position(b, k)) : kNone);
    Line(row + "," + CsvText(analysis::MissedPointNames(f_.Store(), b)));
  }
}

void ReportBuilder::CourseLength() {
  double upMiles = 0;
  double downMiles = 0;
  std::string labels = "Line/Mark";
  std::string kinds = "Point of sail";
  std::string bearings = "BRG(deg/Mag)";
  const double variation = f_.Store().magneticVariation;
  for (int j = 1; j <= f_.Legs(); ++j) {
    if (f_.LegKind(j) == 1) upMiles += f_.LegLength(j) / kMetresPerMile;
    if (f_.LegKind(j) == 2) downMiles += f_.LegLength(j) / kMetresPerMile;
    labels += "," + CsvText(f_.LegLabel(j));
    kinds += "," + f_.KindLabel(j);
    double magnetic = f_.LegBearing(j) - variation;
    if (magnetic < 0) magnetic += 360;
    if (magnetic > 360) magnetic -= 360;
    bearings += "," + FormatWholeDegrees(magnetic);
  }
  std::string lengths = "Length";
  for (int k = 1; k <= L(); ++k) lengths += "," + FormatFourPlace(f_.LegLength(k) / kMetresPerMile);
  Line("Course Length by each leg (N Miles)");
  Line(labels + ",Total(A)");
  Line(kinds + ",,,UP_DIST,DN_DIST");
  Line(lengths + ",," + FormatGeneral(upMiles) + "," + FormatGeneral(downMiles));
  Line(bearings + ",-");
}

void ReportBuilder::SailedDistance() {
  Line("Sailed Distance by each leg (N Miles)");
  KindRow();
  LegHeader(",Total(B)");
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int k = 1; k <= L(); ++k) {
      const double metres = f_.Sailed(b, k);
      row += "," + (metres > 0 ? FormatFourPlace(metres / kMetresPerMile) : kNone);
    }
    Line(row);
  }
}

void ReportBuilder::SpeedByLeg() {
  Line("Boat speed by each leg (KTS)");
  KindRow();
  LegHeader(",Ave(C)");
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int j = 1; j <= f_.Legs(); ++j) {
      row += "," + (LegSpeedKnown(b, j) ? FormatFourPlace(Knots(f_.Sailed(b, j), f_.LegTime(b, j))) : kNone);
    }
    row +=
        "," + (AverageSpeedKnown(b) ? FormatFourPlace(Knots(f_.Sailed(b, L()), f_.MarkTime(b, L()))) : kNone);
    Line(row);
  }
}

void ReportBuilder::Summary() {
  double upCourse = 0;
  double downCourse = 0;
  for (int j = 1; j <= f_.Legs(); ++j) {
    if (f_.LegKind(j) == 1) upCourse += f_.LegLength(j) / kMetresPerMile;
    if (f_.LegKind(j) == 2) downCourse += f_.LegLength(j) / kMetresPerMile;
  }
  Line("SUMMARY OF SAILING PERFORMANCE");
  Line(",(UP),(UP),(UP),(UP),,(DN),(DN),(DN),(DN)");
  Line("BOAT NAME,TIME,DIST,BSP,VMC,,TIME,DIST,BSP,VMC");
  for (int b = 1; b <= f_.Boats(); ++b) {
    // A kind with a leg whose end the boat did not pass has no sum: its leg times would be made up.
    double time[3] = {0, 0, 0};
    double miles[3] = {0, 0, 0};
    bool complete[3] = {true, true, true};
    for (int j = 1; j <= f_.Legs(); ++j) {
      const int kind = f_.LegKind(j);
      if (kind != 1 && kind != 2) continue;
      time[kind] += f_.LegTime(b, j);
      miles[kind] += f_.Sailed(b, j) / kMetresPerMile;
      complete[kind] = complete[kind] && f_.Passed(b, j) && f_.Passed(b, j + 1);
    }
    std::string row = Name(b);
    const double course[3] = {0, upCourse, downCourse};
    for (int kind = 1; kind <= 2; ++kind) {
      const bool timed = time[kind] > 0;
      if (kind == 2) row += ",";
      if (!complete[kind]) {
        for (int cell = 0; cell < 4; ++cell) row += std::string(",") + kNone;
        continue;
      }
      row += "," + FormatInteger(time[kind]);
      row += "," + FormatFiveChar(miles[kind]);
      row += "," + FormatFiveChar(timed ? miles[kind] * 3600 / time[kind] : 0);
      row += "," + FormatFiveChar(timed ? course[kind] * 3600 / time[kind] : 0);
    }
    Line(row);
  }
}

// In the three comparison tables a cell needs the best boat's figure as well: with no finisher, or a best
// boat without that figure, the cell is "-" rather than a difference from nothing.
void ReportBuilder::TimeDifference() {
  Line("Difference of Time by each leg (SEC: difference from Best Boat)");
  KindRow();
  LegHeader(",Total(B)");
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int j = 1; j <= f_.Legs(); ++j) {
      const bool known = best_ > 0 && f_.Passed(b, j) && f_.Passed(b, j + 1) && f_.Passed(best_, j) &&
                         f_.Passed(best_, j + 1);
      row += "," + (known ? FormatInteger(f_.LegTime(b, j) - f_.LegTime(best_, j)) : kNone);
    }
    if (best_ > 0 && f_.Passed(b, L())) {
      const double difference = f_.MarkTime(b, L()) - f_.MarkTime(best_, L());
      row += "," + FormatSigned(difference, FormatInteger(difference));
    } else {
      row += std::string(",") + kNone;
    }
    Line(row);
  }
}

void ReportBuilder::DistanceDifference() {
  Line("Difference of Sailed Distance by each leg (Meters)");
  KindRow();
  LegHeader(",Total(B)");
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int k = 1; k <= L(); ++k) {
      if (best_ > 0 && f_.Sailed(b, k) > 0 && f_.Sailed(best_, k) > 0) {
        const double difference = f_.Sailed(b, k) - f_.Sailed(best_, k);
        row += "," + FormatSigned(difference, FormatInteger(difference));
      } else {
        row += std::string(",") + kNone;
      }
    }
    Line(row);
  }
}

void ReportBuilder::SpeedDifference() {
  Line("Difference of Boat speed by each leg (KTS)");
  KindRow();
  LegHeader(",Ave(C)");
  const auto signedCell = [](double knots) { return "," + FormatSigned(knots, FormatFourPlace(knots)); };
  for (int b = 1; b <= f_.Boats(); ++b) {
    std::string row = Name(b);
    for (int j = 1; j <= f_.Legs(); ++j) {
      if (best_ > 0 && LegSpeedKnown(b, j) && LegSpeedKnown(best_, j)) {
        row += signedCell(Knots(f_.Sailed(b, j), f_.LegTime(b, j)) -
                          Knots(f_.Sailed(best_, j), f_.LegTime(best_, j)));
      } else {
        row += std::string(",") + kNone;
      }
    }
    if (best_ > 0 && AverageSpeedKnown(b) && AverageSpeedKnown(best_)) {
      row += signedCell(Knots(f_.Sailed(b, L()), f_.MarkTime(b, L())) -
                        Knots(f_.Sailed(best_, L()), f_.MarkTime(best_, L())));
    } else {
      row += std::string(",") + kNone;
    }
    Line(row);
  }
}

}  // namespace

void ReportBuilder::Manoeuvres() {
  std::string rows;
  char speeds[64];
  for (int b = 1; b <= f_.Store().boatCount; ++b) {
    for (const analysis::Manoeuvre& m : analysis::DetectManoeuvres(f_.Store(), b)) {
      std::snprintf(speeds, sizeof speeds, "%.1f,%.1f,%.1f", m.speedBefore, m.speedLowest, m.speedAfter);
      rows += Name(b) + "," + WholeOrNone(m.seconds) + "," +
              (m.kind == analysis::ManoeuvreKind::Tack ? "Tack" : "Gybe") + "," +
              WholeOrNone(m.durationSeconds) + "," + speeds + "," + WholeOrNone(m.metresLost) + kLineEnd;
    }
  }
  if (rows.empty()) return;
  Blank(2);
  Line("Tacks and gybes");
  Line(
      "Boat Name,Time after start (Sec),Kind,Duration (Sec),Speed before (Kt),Lowest speed (Kt),"
      "Speed after (Kt),Distance lost (m)");
  out_ += rows;
}

std::string PerformanceReportText(const race::RaceStore& store, const DateTimeText& dateTimeText) {
  const ReportFigures figures(store);
  return ReportBuilder(figures).Build(dateTimeText ? dateTimeText : DateTimeText(race::FormatDateTime));
}

ReportResult WritePerformanceReportFile(const race::RaceStore& store, const std::string& path,
                                        const DateTimeText& dateTimeText) {
  ReportResult result{path, {}};
  // The byte-order mark tells a spreadsheet the file is UTF-8, so Japanese names read right on Windows too.
  const std::string text = kUtf8ByteOrderMark + PerformanceReportText(store, dateTimeText);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    result.error = std::strerror(errno);
    return result;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const int writeErrno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) result.error = std::strerror(written ? errno : writeErrno);
  return result;
}

ReportResult WritePerformanceReport(const race::RaceStore& store, const std::string& folder,
                                    const DateTimeText& dateTimeText) {
  std::string path = folder;
  // The documents folder may not exist yet: make it rather than fail the report.
  std::error_code ignored;
  if (!path.empty()) std::filesystem::create_directories(path, ignored);
  if (!path.empty() && path.back() != '/') path += '/';
  return WritePerformanceReportFile(store, path + kReportFileName, dateTimeText);
}

ReportResult WriteAndOpenPerformanceReport(const race::RaceStore& store, const std::string& documentsFolder,
                                           const ReportDesktop& desktop, const DateTimeText& dateTimeText) {
  const ReportResult result = WritePerformanceReport(store, documentsFolder, dateTimeText);
  if (!result.ok()) {
    if (desktop.reportFailure) desktop.reportFailure(result);
    return result;
  }
  if (desktop.processPendingEvents) desktop.processPendingEvents();
  if (desktop.openWithDesktop) desktop.openWithDesktop(result.path);
  return result;
}

}  // namespace pages
