// SingleInstance: QLockFile for who is first, QLocalServer for the hand-over, both in a folder only this user
// can enter, so another account can neither plant the lock nor listen in its place.
#include "shell/SingleInstance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

namespace shell {

namespace {

constexpr int kWaitMs = 2000;
constexpr qint64 kMaxCommandLineBytes = 1 << 20;

// A real folder (not a link) that belongs to this user and that no one else may write to or enter.
bool IsPrivateFolder(const QString& path) {
  struct stat info {};
  if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

bool IsOwnFile(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid == ::getuid();
}

QString UserId() {
  return QString::number(::getuid());
}

}  // namespace

QString PrivateRuntimeFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime)) return QDir::cleanPath(runtime);
  // The shared temporary folder: a folder of our own inside it, which another account cannot have made
  // for us (mkdir fails when the name is taken, and a taken name is checked before use).
  const QString own = QDir::tempPath() + QStringLiteral("/regatix-") + UserId();
  ::mkdir(QFile::encodeName(own).constData(), 0700);
  return IsPrivateFolder(own) ? own : QString();
}

SingleInstance::SingleInstance(QString folder) {
  if (folder.isEmpty()) folder = PrivateRuntimeFolder();
  if (folder.isEmpty()) return;  // nowhere safe: the program runs alone
  const QString base = folder + QStringLiteral("/regatix-") + UserId();
  lockPath_ = base + QStringLiteral(".lock");
  socketPath_ = base + QStringLiteral(".socket");
  lock_ = std::make_unique<QLockFile>(lockPath_);
  lock_->setStaleLockTime(0);  // a lock left by a crashed run is detected by its dead process instead
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lock_ && lock_->isLocked()) lock_->unlock();
}

bool SingleInstance::Acquire() {
  if (!lock_) return true;
  if (lock_->tryLock(0)) return Listen();
  if (lock_->error() == QLockFile::LockFailedError && IsOwnFile(lockPath_)) return false;
  // Not a lock of ours (another account's file, or one we cannot read): it says nothing about our own
  // starts. Our folder lets us remove it; if the lock still cannot be had, the program runs alone.
  QFile::remove(lockPath_);
  if (lock_->tryLock(0)) return Listen();
  lock_.reset();
  return true;
}

bool SingleInstance::Listen() {
  QLocalServer::removeServer(socketPath_);  // a socket file left by a crashed run would block listen
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(socketPath_);
  return true;
}

bool SingleInstance::HandOver(const QStringList& arguments) {
  if (socketPath_.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kWaitMs)) return false;
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << QDir::currentPath() << arguments;
  socket.write(message);
  const bool sent = socket.waitForBytesWritten(kWaitMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWaitMs);
  return sent;
}

void SingleInstance::OnConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() > kMaxCommandLineBytes) {
        socket->abort();
        return;
      }
      QDataStream in(socket);
      in.startTransaction();
      QString workingFolder;
      QStringList arguments;
      in >> workingFolder >> arguments;
      if (!in.commitTransaction()) return;  // the rest is still on its way
      emit commandLineReceived(workingFolder, arguments);
    });
  }
}

}  // namespace shell
