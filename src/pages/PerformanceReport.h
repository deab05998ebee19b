// The performance report: the leg-by-leg tables of a loaded race as comma-separated text ("NoName.csv").
#pragma once

#include <functional>
#include <string>

#include "race/Numbers.h"
#include "race/RaceStore.h"

namespace pages {

inline constexpr const char* kReportFileName = "NoName.csv";

// The date-time text of the start line: the desktop passes the user's short date and long time, the batch
// command and the tests the fixed form. At exactly midnight only the part before the first blank is kept.
using DateTimeText = std::function<std::string(double)>;

// The whole report, UTF-8, every line ended by CR LF.
std::string PerformanceReportText(const race::RaceStore& store,
                                  const DateTimeText& dateTimeText = race::FormatDateTime);

struct ReportResult {
  std::string path;   // the file written, or the one that could not be written
  std::string error;  // why it could not be written; empty on success
  bool ok() const { return error.empty(); }
};

// Writes the report to the given file, replacing what was there. On failure nothing is to be opened: the
// caller shows a message naming path and error.
ReportResult WritePerformanceReportFile(const race::RaceStore& store, const std::string& path,
                                        const DateTimeText& dateTimeText = race::FormatDateTime);

// Writes "NoName.csv" into the folder ('/'-separated, with or without a trailing '/').
ReportResult WritePerformanceReport(const race::RaceStore& store, const std::string& folder,
                                    const DateTimeText& dateTimeText = race::FormatDateTime);

// What the desktop does around the report file; the window passes its platform services.
struct ReportDesktop {
  std::function<void()> processPendingEvents;
  std::function<void(const std::string&)> openWithDesktop;
  std::function<void(const ReportResult&)> reportFailure;  // names the path and the reason
};

// The Table choice's report: writes "NoName.csv" into the documents folder, lets the window repaint and has
// the desktop open it. A file that cannot be written is reported and nothing is opened.
ReportResult WriteAndOpenPerformanceReport(const race::RaceStore& store, const std::string& documentsFolder,
                                           const ReportDesktop& desktop,
                                           const DateTimeText& dateTimeText = race::FormatDateTime);

}  // namespace pages
