// The share menu under HELP.
#include "shell/ShareMenu.h"

#include <QEvent>
#include <QMenu>

#include "shell/KmlButtonWiring.h"
#include "shell/RaceSession.h"
#include "shell/VideoCommand.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

constexpr int kGap = 4;
constexpr int kHeight = 20;

}  // namespace

ShareMenu::ShareMenu(RaceSession& session, QWidget* logo, KmlButtonWiring& kmlButton)
    : QObject(logo), session_(session), logo_(logo) {
  button_ = new QToolButton(logo->parentWidget());
  button_->setObjectName(QStringLiteral("btnSHARE"));
  button_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button_);
  menu->setObjectName(QStringLiteral("mnuSHARE"));
  video_ = menu->addAction(QString());
  video_->setObjectName(QStringLiteral("actVIDEO"));
  raceWithTime_ = menu->addAction(QString());
  raceWithTime_->setObjectName(QStringLiteral("actKMLTIME"));
  button_->setMenu(menu);
  connect(video_, &QAction::triggered, this, [this] { VideoCommand(session_, logo_->window()); });
  connect(raceWithTime_, &QAction::triggered, this, [&kmlButton] { kmlButton.RaceWithTime(); });
  connect(&session_, &RaceSession::languageChanged, this, &ShareMenu::ApplyLanguage);
  ApplyLanguage();
  logo->installEventFilter(this);
  FollowLogo();
}

void ShareMenu::ApplyLanguage() {
  const int english = session_.State().englishTexts;
  button_->setText(QString::fromStdString(Text(TextId::ShareButton, english)));
  video_->setText(QString::fromStdString(Text(TextId::VideoCommand, english)));
  raceWithTime_->setText(QString::fromStdString(Text(TextId::RaceWithTimeCommand, english)));
}

bool ShareMenu::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      FollowLogo();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void ShareMenu::FollowLogo() {
  // Under the HELP button's place beneath the logo, which is there even when a program folder without help
  // pages hides HELP.
  const QRect logo = logo_->geometry();
  const view::LogoPanelLayout layout = view::LayoutLogoPanel(logo.width(), logo.height(), 0);
  const int top = logo.top() + (layout.btnHELP.top - layout.imgLOGO.top) + layout.btnHELP.height + kGap;
  button_->setGeometry(logo.left(), top, layout.btnHELP.width, kHeight);
  button_->setVisible(logo_->isVisibleTo(logo_->parentWidget()));
  button_->raise();
}

}  // namespace shell
