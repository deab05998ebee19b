// The "Google Earth" button wired to the KML export: a press with any mouse button asks the focus question
// when needed, writes the present scene (left button) or the whole race (others) (the race with time comes
// from the share menu through RaceWithTime), shows a failure through
// the platform and otherwise opens the file with the desktop. Made once per window as a child of the button:
//   new KmlButtonWiring(Button3, state_, platform_, LocaleDateTimeText);
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <functional>
#include <string>

#include "export/KmlButton.h"
#include "shell/AppState.h"
#include "shell/Platform.h"

namespace shell {

class KmlButtonWiring : public QObject {
 public:
  // dateTimeText: the user's short date and long time, as the rest of the window writes them.
  KmlButtonWiring(QAbstractButton* button, AppState& state, Platform& platform,
                  std::function<std::string(double)> dateTimeText);

  // The export for a press of the given mouse button; public so tests can press without a pointer.
  void Button3MouseDown(Qt::MouseButton button);
  // The race with time, offered beside the button's two exports (by the share menu).
  void RaceWithTime();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using ExportCall =
      std::function<kml::KmlExportResult(const kml::Button3Input&, kml::KmlSession&, const kml::AskYesNo&)>;
  // Runs one export with the session's focus answer, shows a failure, else opens the file.
  void Export(const ExportCall& exportCall);

  AppState& state_;
  Platform& platform_;
  std::function<std::string(double)> dateTimeText_;
  kml::KmlSession session_;  // kmlHideUnfocused and kmlPath live as long as the window
};

}  // namespace shell
