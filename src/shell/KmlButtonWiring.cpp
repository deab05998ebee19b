// The "Google Earth" button wired to the KML export.
#include "shell/KmlButtonWiring.h"

#include <QMouseEvent>
#include <utility>

#include "shell/Texts.h"

namespace shell {

KmlButtonWiring::KmlButtonWiring(QAbstractButton* button, AppState& state, Platform& platform,
                                 std::function<std::string(double)> dateTimeText)
    : QObject(button), state_(state), platform_(platform), dateTimeText_(std::move(dateTimeText)) {
  button->installEventFilter(this);
}

bool KmlButtonWiring::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
  // Taken here, so the button is not left pressed behind the question or the message box.
  Button3MouseDown(static_cast<QMouseEvent*>(event)->button());
  return true;
}

void KmlButtonWiring::Button3MouseDown(Qt::MouseButton button) {
  Export([button](const kml::Button3Input& input, kml::KmlSession& session, const kml::AskYesNo& ask) {
    return kml::Button3MouseDown(button == Qt::LeftButton, input, session, ask);
  });
}

void KmlButtonWiring::RaceWithTime() {
  Export(kml::ExportRaceWithTime);
}

void KmlButtonWiring::Export(const ExportCall& exportCall) {
  const kml::Button3Input input{*state_.store,         state_.frame,        state_.playback.raceTime,
                                state_.unfocusedCount, state_.englishTexts, dateTimeText_};
  const kml::KmlExportResult result = exportCall(input, session_, [this] {
    return platform_.AskYesNo(Text(TextId::HideUnfocusedQuestion, state_.englishTexts));
  });
  if (!result.error.empty()) {
    platform_.ShowMessage(Text(TextId::CannotWriteFile, state_.englishTexts, {result.path, result.error}));
    return;
  }
  platform_.OpenWithDesktop(result.path);
}

}  // namespace shell
