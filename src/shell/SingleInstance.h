// The rule that the program runs once per user: the first start holds a lock file and listens on a local
// socket, both in the user's private runtime folder; a later start hands its command line to the running
// window and ends. A lock that is not this user's own never keeps the program from starting.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace shell {

// XDG_RUNTIME_DIR when it is a folder of this user's that nobody else may enter, else <temp>/regatix-<uid>
// made so (created with mode 0700), else empty when no such folder can be had.
QString PrivateRuntimeFolder();

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The lock and the socket live in folder, PrivateRuntimeFolder() when empty; their names carry the user id.
  explicit SingleInstance(QString folder = QString());
  ~SingleInstance() override;

  // True when this process is to run: it holds the lock and listens for later starts, or no lock of this
  // user's own could be had (the program then runs alone). False only when another start of this user holds
  // the lock.
  bool Acquire();
  // For a later start: hands the command line (with the working folder, so relative paths keep their
  // meaning) to the running instance; true when it took it.
  bool HandOver(const QStringList& arguments);

  QString LockFilePath() const { return lockPath_; }
  QString SocketPath() const { return socketPath_; }

 signals:
  // A later start handed over its command line; the window comes to the front and acts on it.
  void commandLineReceived(const QString& workingFolder, const QStringList& arguments);

 private:
  bool Listen();
  void OnConnection();

  QString lockPath_;
  QString socketPath_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace shell
