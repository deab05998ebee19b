// The Video... command: its dialog, the file choice and the export with a progress dialog.
#include "shell/VideoCommand.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QProgressDialog>
#include <QSpinBox>
#include <cmath>

#include "shell/RaceSession.h"
#include "shell/ReplayVideo.h"

namespace shell {

namespace {

constexpr const char* kVideoSizes[] = {"1280x720", "1920x1080", "854x480", "640x360"};

QString Q(TextId id, int englishTexts) {
  return QString::fromStdString(Text(id, englishTexts));
}

QSpinBox* SecondsBox(QWidget* parent, const race::RaceStore& store, double value) {
  auto* box = new QSpinBox(parent);
  box->setRange(static_cast<int>(std::ceil(store.timelineStart)),
                static_cast<int>(std::floor(store.timelineEnd)));
  box->setValue(static_cast<int>(std::round(value)));
  box->setSuffix(QStringLiteral(" s"));
  return box;
}

}  // namespace

std::optional<video::VideoSettings> AskVideoSettings(QWidget* parent, const race::RaceStore& store,
                                                     double replaySpeed, int englishTexts) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("VideoDialog"));
  dialog.setWindowTitle(Q(TextId::VideoTitle, englishTexts));
  auto* form = new QFormLayout(&dialog);
  const video::VideoSettings whole = video::WholeRaceVideo(store);
  QSpinBox* from = SecondsBox(&dialog, store, whole.from);
  QSpinBox* to = SecondsBox(&dialog, store, whole.to);
  auto* speed = new QSpinBox(&dialog);
  speed->setRange(1, 600);
  speed->setValue(static_cast<int>(std::round(replaySpeed)));
  speed->setSuffix(QStringLiteral("X"));
  auto* fps = new QSpinBox(&dialog);
  fps->setRange(1, video::kMaxVideoFps);
  fps->setValue(video::kDefaultVideoFps);
  auto* size = new QComboBox(&dialog);
  for (const char* choice : kVideoSizes) size->addItem(QString::fromLatin1(choice));
  form->addRow(Q(TextId::VideoFrom, englishTexts), from);
  form->addRow(Q(TextId::VideoTo, englishTexts), to);
  form->addRow(Q(TextId::VideoSpeed, englishTexts), speed);
  form->addRow(Q(TextId::VideoFps, englishTexts), fps);
  form->addRow(Q(TextId::VideoSize, englishTexts), size);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  video::VideoSettings settings = whole;
  settings.from = from->value();
  settings.to = to->value();
  settings.speed = speed->value();
  settings.fps = fps->value();
  const QStringList wh = size->currentText().split(QLatin1Char('x'));
  settings.width = wh.value(0).toInt();
  settings.height = wh.value(1).toInt();
  return settings;
}

video::VideoResult ExportVideoWithProgress(RaceSession& session, QWidget* parent, const std::string& path,
                                           const video::VideoSettings& settings) {
  AppState& state = session.State();
  Platform& platform = session.Services();
  QTimer* frameTimer = session.FrameTimer();
  QTimer* secondTimer = session.SecondTimer();
  const int english = state.englishTexts;
  const race::RaceStore& store = *state.store;
  video::VideoResult result;
  if (const std::string problem = video::CheckVideoSettings(settings, store); !problem.empty()) {
    platform.ShowMessage(Text(TextId::VideoCannotMake, english, {problem}));
    result.error = problem;
    return result;
  }
  // The replay holds still: a tick in the progress dialog's event processing must not move the replay on,
  // nor load the next race under the export.
  const bool frameTicks = frameTimer->isActive(), secondTicks = secondTimer->isActive();
  frameTimer->stop();
  secondTimer->stop();

  QProgressDialog progress(Q(TextId::VideoWriting, english), Q(TextId::VideoCancel, english), 0,
                           video::VideoFrameCount(settings), parent);
  progress.setObjectName(QStringLiteral("VideoProgress"));
  progress.setWindowTitle(Q(TextId::VideoTitle, english));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  view::TrackPageRequest look;
  look.northUp = state.options.northUp;
  look.nameMode = state.pointer.nameMode;
  look.bigBoat = state.options.bigBoat;
  result = ExportReplayVideo(path, store, settings, look, [&progress](int done, int) {
    progress.setValue(done);
    return !progress.wasCanceled();
  });
  progress.reset();

  if (frameTicks) frameTimer->start(state.clock.frameInterval);
  if (secondTicks) secondTimer->start(1000);
  if (!result.error.empty()) {
    platform.ShowMessage(Text(TextId::CannotWriteFile, english, {path, result.error}));
  } else if (!result.cancelled) {
    platform.OpenWithDesktop(path);
  }
  return result;
}

void VideoCommand(RaceSession& session, QWidget* parent) {
  AppState& state = session.State();
  const race::RaceStore& store = *state.store;
  if (store.boatCount < 1) return;
  const auto settings = AskVideoSettings(parent, store, state.clock.speedFactor, state.englishTexts);
  if (!settings) return;
  const QString name = QFileInfo(QString::fromStdString(store.raceFilePath)).completeBaseName() + ".mp4";
  const QString suggested = QDir(QString::fromStdString(session.DialogFolder())).filePath(name);
  const QString path =
      QFileDialog::getSaveFileName(parent, Q(TextId::VideoTitle, state.englishTexts), suggested,
                                   Q(TextId::VideoFileFilter, state.englishTexts));
  if (path.isEmpty()) return;
  session.RememberDialogFolder(path.toStdString());
  ExportVideoWithProgress(session, parent, path.toStdString(), *settings);
}

}  // namespace shell
