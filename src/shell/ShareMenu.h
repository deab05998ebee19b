// The share menu: a "Share" button under HELP in the logo panel, whose menu offers the replay video and the
// Google Earth race with time (beside the Google Earth button's present scene and whole race). It follows
// the logo picture's place and visibility, so the window's layout needs no change:
//   new ShareMenu(session, overview->imgLOGO, controls->KmlButton());
#pragma once

#include <QObject>
#include <QToolButton>

namespace shell {

class RaceSession;
class KmlButtonWiring;

class ShareMenu : public QObject {
 public:
  ShareMenu(RaceSession& session, QWidget* logo, KmlButtonWiring& kmlButton);

  // The button and menu texts in the window's language.
  void ApplyLanguage();
  QToolButton* Button() const { return button_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowLogo();

  RaceSession& session_;
  QWidget* logo_;
  QToolButton* button_;
  QAction* video_;
  QAction* raceWithTime_;
};

}  // namespace shell
