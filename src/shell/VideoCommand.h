// The "Video..." command of the share menu: a dialog for the span, speed, frame rate and size, the file to
// write, then the export under a progress bar with Cancel while the replay holds still.
#pragma once

#include <optional>
#include <string>

#include "video/VideoExport.h"

class QWidget;

namespace shell {

class RaceSession;

// The dialog, filled from the race and the replay's speed; nothing when the user cancels it.
std::optional<video::VideoSettings> AskVideoSettings(QWidget* parent, const race::RaceStore& store,
                                                     double replaySpeed, int englishTexts);

// Writes the video of the window's race as the window shows it (orientation, boat labels, boat size) to
// path under a progress dialog; the replay's timers stop meanwhile and run again after. A failure is shown
// through the platform; a finished video is opened with the desktop.
video::VideoResult ExportVideoWithProgress(RaceSession& session, QWidget* parent, const std::string& path,
                                           const video::VideoSettings& settings);

// The whole command: dialog, file dialog (where the last one was left, the race's name), export.
void VideoCommand(RaceSession& session, QWidget* parent);

}  // namespace shell
