// The choices the window remembers from one run to the next, as a plain record read from and written to
// QSettings (~/.config/regatix/regatix.conf). A value never stored stays empty and the window's default
// holds.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>

class QSettings;

namespace shell {

struct WindowSettings {
  std::optional<bool> english;  // the texts' language, where the user's locale lets them switch
  std::string lastRace;         // the race list entry shown last
  QByteArray geometry;          // the main window's place and size (QWidget::saveGeometry)
  std::optional<double> speed;  // replay speed factor
  std::optional<int> zoom;      // position of the zoom slider
  std::optional<bool> autoTrace, layLines, compLine, bigBoat, boatName, autoNext;
  std::string dialogFolder;  // where the last file dialog was left
};

WindowSettings ReadSettings(const QSettings& settings);
void WriteSettings(QSettings& settings, const WindowSettings& values);

}  // namespace shell
