// The rule that the program runs once per user: the first start holds a lock file and listens on a local
// socket; a later start finds the lock taken, asks the running window to come to the front, and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace shell {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // key names the instance group; the lock file lives in lockFolder (the temporary folder by default).
  explicit SingleInstance(QString key = QStringLiteral("TEST_MUTEX"), QString lockFolder = QString());
  ~SingleInstance() override;

  // True when this process is the first: it then holds the lock and listens for later starts.
  bool Acquire();
  // For a later start: asks the running instance to come to the front; true when it answered.
  bool AskRunningToRaise();

 signals:
  // A later start asked this instance to come to the front.
  void raiseRequested();

 private:
  void OnConnection();

  QString serverName_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace shell
