// The single-instance rule: the hand-over of a later start's command line, where the lock lives, and locks
// that are not this user's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <optional>

#include "shell/SingleInstance.h"
#include "shell/StartOptions.h"
#include "shell/TestApplication.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

QString QPath(const fs::path& path) {
  return QString::fromStdString(path.string());
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QByteArray& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }
  ~ScopedEnvironment() { old_ ? qputenv(name_, *old_) : qunsetenv(name_); }

 private:
  const char* name_;
  std::optional<QByteArray> old_;
};

// A lock file that reads as held by a live program (this test's own process), left at path.
void PlantLiveLock(const QString& path) {
  QByteArray content;
  {
    QLockFile planted(path);
    ASSERT_TRUE(planted.tryLock(0));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    content = file.readAll();
    planted.unlock();
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

TEST(SingleInstanceTest, ALaterStartHandsItsCommandLineToTheFirst) {
  TestApplication();
  testsupport::TempFolder locks;
  shell::SingleInstance first(QPath(locks.path()));
  ASSERT_TRUE(first.Acquire());
  QSignalSpy received(&first, &shell::SingleInstance::commandLineReceived);

  shell::SingleInstance second(QPath(locks.path()));
  EXPECT_FALSE(second.Acquire());
  const QStringList arguments{QStringLiteral("regatix"), QStringLiteral("--folder"),
                              QStringLiteral("club races")};
  EXPECT_TRUE(second.HandOver(arguments));
  for (int wait = 0; wait < 200 && received.isEmpty(); ++wait) QTest::qWait(10);
  ASSERT_EQ(received.size(), 1);
  EXPECT_EQ(received[0][0].toString(), QDir::currentPath());
  EXPECT_EQ(received[0][1].toStringList(), arguments);

  // The running window reads relative paths from where the later start was made.
  const shell::StartOptions options =
      shell::ParseStartOptions(received[0][1].toStringList(), QStringLiteral("/home/crew"));
  EXPECT_EQ(options.folder, "/home/crew/club races/");
}

TEST(SingleInstanceTest, TheLockIsFreeAgainWhenTheFirstEnds) {
  TestApplication();
  testsupport::TempFolder locks;
  {
    shell::SingleInstance first(QPath(locks.path()));
    ASSERT_TRUE(first.Acquire());
  }
  shell::SingleInstance next(QPath(locks.path()));
  EXPECT_TRUE(next.Acquire());
}

TEST(SingleInstanceTest, TheLockLivesInTheUsersPrivateFolderNamedByUserId) {
  TestApplication();
  testsupport::TempFolder runtime, shared;
  const QString userId = QString::number(::getuid());
  ScopedEnvironment tmp("TMPDIR", QFile::encodeName(QPath(shared.path())));
  ScopedEnvironment user("USER", QByteArray());

  // XDG_RUNTIME_DIR when only this user may enter it.
  fs::permissions(runtime.path(), fs::perms::owner_all);
  {
    ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(QPath(runtime.path())));
    shell::SingleInstance instance;
    EXPECT_EQ(instance.LockFilePath(), QPath(runtime.path()) + "/regatix-" + userId + ".lock");
    EXPECT_TRUE(instance.SocketPath().startsWith(QPath(runtime.path()) + "/regatix-" + userId));
  }
  // Else (unset, or open to others) a folder of the user's own in the temporary folder, made private.
  fs::permissions(runtime.path(), fs::perms::all);
  for (const QByteArray& value : {QByteArray(), QFile::encodeName(QPath(runtime.path()))}) {
    ScopedEnvironment xdg("XDG_RUNTIME_DIR", value);
    shell::SingleInstance instance;
    const fs::path own = shared.path() / ("regatix-" + userId.toStdString());
    EXPECT_EQ(instance.LockFilePath(), QPath(own) + "/regatix-" + userId + ".lock");
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
  }
}

TEST(SingleInstanceTest, AFolderAnotherCouldHaveMadeIsNotUsed) {
  TestApplication();
  testsupport::TempFolder shared, elsewhere;
  ScopedEnvironment tmp("TMPDIR", QFile::encodeName(QPath(shared.path())));
  ScopedEnvironment xdg("XDG_RUNTIME_DIR", QByteArray());
  const fs::path own = shared.path() / ("regatix-" + std::to_string(::getuid()));

  // A link planted under the folder's name, or a folder others may write to.
  fs::create_directory_symlink(elsewhere.path(), own);
  EXPECT_TRUE(shell::PrivateRuntimeFolder().isEmpty());
  fs::remove(own);
  fs::create_directory(own);
  fs::permissions(own, fs::perms::all);
  EXPECT_TRUE(shell::PrivateRuntimeFolder().isEmpty());
  // With no safe place the program still starts, alone.
  shell::SingleInstance instance;
  EXPECT_TRUE(instance.Acquire());
}

TEST(SingleInstanceTest, ALockPlantedInTheSharedTemporaryFolderDoesNotStopTheProgram) {
  TestApplication();
  testsupport::TempFolder runtime, shared;
  fs::permissions(runtime.path(), fs::perms::owner_all);
  ScopedEnvironment tmp("TMPDIR", QFile::encodeName(QPath(shared.path())));
  ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(QPath(runtime.path())));
  // Where every account's start once looked: a name anyone could take first.
  for (const QString& user : {qEnvironmentVariable("USER"), QStringLiteral("user")}) {
    PlantLiveLock(QPath(shared.path()) + "/regatix-TEST_MUTEX-" + user + ".lock");
  }
  shell::SingleInstance instance;
  EXPECT_TRUE(instance.Acquire());
}

TEST(SingleInstanceTest, ALockFileOwnedBySomeoneElseIsNoLockOfOurs) {
  if (::getuid() != 0) GTEST_SKIP() << "giving a file to another account needs root";
  TestApplication();
  testsupport::TempFolder locks;
  shell::SingleInstance instance(QPath(locks.path()));
  PlantLiveLock(instance.LockFilePath());
  ASSERT_EQ(::chown(QFile::encodeName(instance.LockFilePath()).constData(), 65534, 65534), 0);
  EXPECT_TRUE(instance.Acquire());

  // It holds the lock now: the next start of this user hands over.
  shell::SingleInstance next(QPath(locks.path()));
  EXPECT_FALSE(next.Acquire());
}

}  // namespace
}  // namespace shelltest
