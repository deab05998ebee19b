// The "Google Earth" button: the focus question, then the present scene (left button) or the whole race
// (any other button) into "ZELMap5.kml" in the documents folder. The shell shows the question and any
// failure, and opens the file with the desktop only when the export succeeded.
#pragma once

#include <functional>
#include <string>

#include "export/KmlExport.h"

namespace kml {

inline constexpr char kKmlFileName[] = "ZELMap5.kml";

// What the button remembers between presses.
struct KmlSession {
  int kmlHideUnfocused = 0;  // the last answer to the focus question; 0 until it is first asked
  std::string kmlPath;       // full path of the last export that was written
};

// Asks whether boats out of focus are to be hidden ("Hide Unfocused Boat ?"), with Yes and No; true for Yes.
using AskYesNo = std::function<bool()>;

struct Button3Input {
  const race::RaceStore& store;
  const view::FrameState& frame;  // the frame at raceTime
  double raceTime = 0;
  int unfocusedCount = 0;
  int englishTexts = 2;
  std::function<std::string(race::TDateTime)> dateTimeText;  // the user's short date and long time
};

struct KmlExportResult {
  std::string path;
  std::string error;  // empty when the file was written
};

// Asks the focus question when some boat is out of focus and keeps the answer; otherwise the earlier
// answer stays.
void AskFocusQuestion(KmlSession& session, int unfocusedCount, const AskYesNo& ask);

KmlExportResult Button3MouseDown(bool leftButton, const Button3Input& input, KmlSession& session,
                                 const AskYesNo& ask);

// The third form beside the button's two: the race with time, asked and written the same way.
KmlExportResult ExportRaceWithTime(const Button3Input& input, KmlSession& session, const AskYesNo& ask);

}  // namespace kml
