// The share menu under HELP.
#include "shell/ShareMenu.h"

#include <QEvent>
#include <QMenu>

#include "shell/KmlButtonWiring.h"
#include "shell/MainWindow.h"
#include "shell/VideoCommand.h"

namespace shell {

namespace {

constexpr int kGap = 4;
constexpr int kHeight = 20;

}  // namespace

ShareMenu::ShareMenu(TForm1& form, Platform& platform, QWidget* helpButton, KmlButtonWiring& kmlButton)
    : QObject(helpButton), form_(form), helpButton_(helpButton) {
  button_ = new QToolButton(helpButton->parentWidget());
  button_->setObjectName(QStringLiteral("btnSHARE"));
  button_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button_);
  menu->setObjectName(QStringLiteral("mnuSHARE"));
  video_ = menu->addAction(QString());
  video_->setObjectName(QStringLiteral("actVIDEO"));
  raceWithTime_ = menu->addAction(QString());
  raceWithTime_->setObjectName(QStringLiteral("actKMLTIME"));
  button_->setMenu(menu);
  connect(video_, &QAction::triggered, this, [this, &platform] { VideoCommand(form_, platform); });
  connect(raceWithTime_, &QAction::triggered, this, [&kmlButton] { kmlButton.RaceWithTime(); });
  // The language may have changed since the texts were set.
  connect(menu, &QMenu::aboutToShow, this, &ShareMenu::ApplyLanguage);
  ApplyLanguage();
  helpButton->installEventFilter(this);
  FollowHelpButton();
}

void ShareMenu::ApplyLanguage() {
  const int english = form_.State().englishTexts;
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
      FollowHelpButton();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void ShareMenu::FollowHelpButton() {
  const QRect help = helpButton_->geometry();
  button_->setGeometry(help.left(), help.bottom() + 1 + kGap, help.width(), kHeight);
  button_->setVisible(helpButton_->isVisibleTo(helpButton_->parentWidget()));
  button_->raise();
}

}  // namespace shell
