// QtPlatform: each service mapped onto the Qt call that does it.
#include "shell/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

#include "race/UserFolders.h"

namespace shell {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtPlatform::QtPlatform() : gun_(std::make_unique<QSoundEffect>()) {
  // Loaded once so the gun sounds without delay when the replay reaches the start.
  gun_->setSource(QUrl(QStringLiteral("qrc:/regatix/gun.wav")));
  gun_->setVolume(1.0f);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::Beep() {
  QApplication::beep();
}

void QtPlatform::PlayStartGun() {
  if (gun_->status() == QSoundEffect::Error) return;
  if (gun_->isPlaying()) gun_->stop();
  gun_->play();
}

void QtPlatform::OpenWithDesktop(const std::string& pathOrUrl) {
  const QString target = FromUtf8(pathOrUrl);
  const bool isAddress =
      target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"));
  QDesktopServices::openUrl(isAddress ? QUrl(target) : QUrl::fromLocalFile(target));
}

void QtPlatform::ShowMessage(const std::string& text) {
  QMessageBox::information(dialogParent_, QString::fromLatin1(kMessageCaption), FromUtf8(text));
}

bool QtPlatform::AskYesNo(const std::string& text) {
  return QMessageBox::question(dialogParent_, QString::fromLatin1(kMessageCaption), FromUtf8(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::vector<std::string> QtPlatform::ChooseFilesToOpen(const std::string& caption,
                                                       const std::string& filter) {
  std::vector<std::string> paths;
  for (const QString& file :
       QFileDialog::getOpenFileNames(dialogParent_, FromUtf8(caption), QString(), FromUtf8(filter)))
    paths.push_back(file.toStdString());
  return paths;
}

std::string QtPlatform::DocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  folder = QDir::fromNativeSeparators(folder);
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  // A fresh account may have no documents folder yet; the exports go there all the same.
  QDir().mkpath(folder);
  return folder.toStdString();
}

std::string QtPlatform::UserRacesFolder() {
  return race::UserRacesFolder().generic_string() + '/';
}

int QtPlatform::UserLocaleId() {
  const QLocale locale = QLocale::system();
  if (locale.language() == QLocale::Japanese && locale.territory() == QLocale::Japan)
    return kJapaneseLocaleId;
  return 1033;  // any other locale reads as English
}

void QtPlatform::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

void QtPlatform::RemoveOldGlobeExport() {
#ifdef Q_OS_WIN
  const QString oldExport = QStringLiteral("C:/ZELMap5.kml");
  if (QFileInfo::exists(oldExport)) QFile::remove(oldExport);
#endif
}

}  // namespace shell
