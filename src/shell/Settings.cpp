// WindowSettings in QSettings: one key per choice; a key that is missing or holds nonsense reads as empty.
#include "shell/Settings.h"

#include <QSettings>
#include <cmath>

namespace shell {

namespace {

// The speed factors the speed slider can give; a hand-edited file may say anything.
constexpr double kMinSpeed = 1.0, kMaxSpeed = 1000.0;
constexpr int kMaxZoomPosition = 100;

std::optional<bool> Flag(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  const QString text = value.toString();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return std::nullopt;
}

void PutFlag(QSettings& settings, const QString& key, const std::optional<bool>& value) {
  if (value) settings.setValue(key, *value);
}

}  // namespace

WindowSettings ReadSettings(const QSettings& settings) {
  WindowSettings values;
  values.english = Flag(settings, QStringLiteral("language/english"));
  values.lastRace = settings.value(QStringLiteral("race/last")).toString().toStdString();
  values.geometry = settings.value(QStringLiteral("window/geometry")).toByteArray();
  bool ok = false;
  const double speed = settings.value(QStringLiteral("replay/speed")).toDouble(&ok);
  if (ok && std::isfinite(speed) && speed >= kMinSpeed && speed <= kMaxSpeed) values.speed = speed;
  const int zoom = settings.value(QStringLiteral("replay/zoom")).toInt(&ok);
  if (ok && zoom >= 0 && zoom <= kMaxZoomPosition) values.zoom = zoom;
  values.autoTrace = Flag(settings, QStringLiteral("view/autoTrace"));
  values.layLines = Flag(settings, QStringLiteral("view/layLines"));
  values.compLine = Flag(settings, QStringLiteral("view/compLine"));
  values.bigBoat = Flag(settings, QStringLiteral("view/bigBoat"));
  values.boatName = Flag(settings, QStringLiteral("view/boatName"));
  values.autoNext = Flag(settings, QStringLiteral("race/autoNext"));
  values.dialogFolder = settings.value(QStringLiteral("files/dialogFolder")).toString().toStdString();
  return values;
}

void WriteSettings(QSettings& settings, const WindowSettings& values) {
  PutFlag(settings, QStringLiteral("language/english"), values.english);
  if (!values.lastRace.empty())
    settings.setValue(QStringLiteral("race/last"), QString::fromStdString(values.lastRace));
  if (!values.geometry.isEmpty()) settings.setValue(QStringLiteral("window/geometry"), values.geometry);
  if (values.speed) settings.setValue(QStringLiteral("replay/speed"), *values.speed);
  if (values.zoom) settings.setValue(QStringLiteral("replay/zoom"), *values.zoom);
  PutFlag(settings, QStringLiteral("view/autoTrace"), values.autoTrace);
  PutFlag(settings, QStringLiteral("view/layLines"), values.layLines);
  PutFlag(settings, QStringLiteral("view/compLine"), values.compLine);
  PutFlag(settings, QStringLiteral("view/bigBoat"), values.bigBoat);
  PutFlag(settings, QStringLiteral("view/boatName"), values.boatName);
  PutFlag(settings, QStringLiteral("race/autoNext"), values.autoNext);
  if (!values.dialogFolder.empty())
    settings.setValue(QStringLiteral("files/dialogFolder"), QString::fromStdString(values.dialogFolder));
  settings.sync();
}

}  // namespace shell
