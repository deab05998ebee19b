// SingleInstance: QLockFile for who is first, QLocalServer for the hand-over.
#include "shell/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace shell {

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr int kWaitMs = 2000;

QString UserTag() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = QStringLiteral("user");
  return user;
}

}  // namespace

SingleInstance::SingleInstance(QString key, QString lockFolder)
    : serverName_(QStringLiteral("regatix-") + key + QLatin1Char('-') + UserTag()) {
  if (lockFolder.isEmpty()) lockFolder = QDir::tempPath();
  lock_ = std::make_unique<QLockFile>(lockFolder + QLatin1Char('/') + serverName_ + QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);  // a lock left by a crashed run is detected by its dead process instead
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lock_->isLocked()) lock_->unlock();
}

bool SingleInstance::Acquire() {
  if (!lock_->tryLock(0)) return false;
  // A socket file left by a crashed run would block listen.
  QLocalServer::removeServer(serverName_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(serverName_);
  return true;
}

bool SingleInstance::AskRunningToRaise() {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(kWaitMs)) return false;
  socket.write(kRaiseRequest);
  const bool sent = socket.waitForBytesWritten(kWaitMs);
  socket.disconnectFromServer();
  return sent;
}

void SingleInstance::OnConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().startsWith("raise")) emit raiseRequested();
    });
  }
}

}  // namespace shell
