#include "app/instance/qt_single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <functional>
#include <future>
#include <memory>
#include <vector>

namespace solvane {
namespace {

// The user another user's entries are given to (tests that make them run as
// root).
constexpr uid_t kOtherUser = 65534;

Handover Of(const QStringList& paths) { return HandoverFromThisProcess(paths); }

// Binds a socket at `path` and closes it: what a crashed player leaves.
void LeaveBoundSocket(const QString& path) {
  const QByteArray encoded = QFile::encodeName(path);
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(stale, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(encoded.size()), sizeof address.sun_path);
  std::copy(encoded.begin(), encoded.end(), address.sun_path);
  ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(stale);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class SingleInstanceTest : public ::testing::Test {
 protected:
  // Runs a later start on a thread of its own while this one serves the
  // listening instance, and gives its result.
  template <typename Start>
  auto Served(Start start) {
    auto result = std::async(std::launch::async, start);
    EXPECT_TRUE(QTest::qWaitFor(
        [&result] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        20000));
    return result.get();
  }
  // True when the listening instance took the paths.
  bool HandOver(const QStringList& paths, const QString& name = {}) {
    const QString socket = name.isEmpty() ? Name() : name;
    return Served([socket, paths] { return SingleInstance(socket).HandToRunningInstance(Of(paths)); });
  }
  SingleInstance::Claim Claim(const QStringList& paths, int deadlineMs) {
    return Served([this, paths, deadlineMs] {
      return SingleInstance(Name()).ClaimOrHandOver(Of(paths), deadlineMs);
    });
  }
  // Makes `instance` the player, listening; its handovers' paths go to
  // `received`.
  static void BecomePlayer(SingleInstance& instance, QStringList& received) {
    ASSERT_EQ(instance.ClaimOrHandOver(Of({})), SingleInstance::Claim::kPlayer);
    ASSERT_TRUE(instance.Listen([&received](const Handover& handover) { received += handover.paths; }));
  }
  QString Name() const { return dir.filePath(QStringLiteral("player.socket")); }
  QString Lock() const { return Name() + QStringLiteral(".lock"); }
  QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, ALaterStartAsksTheFirstToShowItselfAndHandsOverItsPaths) {
  SingleInstance first(Name());
  std::vector<QStringList> received;
  ASSERT_EQ(first.ClaimOrHandOver(Of({})), SingleInstance::Claim::kPlayer);
  ASSERT_TRUE(first.Listen([&received](const Handover& handover) { received.push_back(handover.paths); }));

  EXPECT_TRUE(HandOver({}));
  // Names with spaces, newlines and non-Latin letters arrive unchanged.
  const QStringList paths = {QStringLiteral("/music/a song.mp3"),
                             QStringLiteral("/music/line\nbreak/\u00e9t\u00e9.wma"),
                             QStringLiteral("/music/folder")};
  EXPECT_TRUE(HandOver(paths));
  ASSERT_TRUE(QTest::qWaitFor([&received] { return received.size() == 2; }));
  EXPECT_EQ(received[0], QStringList{});
  EXPECT_EQ(received[1], paths);
}

TEST_F(SingleInstanceTest, NobodyAnswersWhenNoPlayerRuns) {
  SingleInstance alone(Name());
  EXPECT_FALSE(alone.HandToRunningInstance(Of({})));
}

// A start whose answer came late sends its handover again: both sendings
// are answered, the files are taken once. Another start's handover with the
// same paths is taken as well.
TEST_F(SingleInstanceTest, AHandoverSentAgainIsAnsweredAndTakenOnce) {
  SingleInstance player(Name());
  std::vector<Handover> received;
  ASSERT_EQ(player.ClaimOrHandOver(Of({})), SingleInstance::Claim::kPlayer);
  ASSERT_TRUE(player.Listen([&received](const Handover& handover) { received.push_back(handover); }));

  const Handover once = Of({QStringLiteral("/music/once.mp3")});
  const auto send = [this](const Handover& handover) {
    QLocalSocket start;
    start.connectToServer(Name());
    EXPECT_TRUE(start.waitForConnected(1000));
    start.write(FrameHandover(handover));
    EXPECT_TRUE(QTest::qWaitFor([&start] { return start.bytesAvailable() > 0; }, 5000));
    return start.read(1) == QByteArray(1, '\x06');
  };
  // The player takes a handover in the same turn of this thread's event loop
  // in which it answers, so each answer comes after the taking.
  EXPECT_TRUE(send(once));
  EXPECT_TRUE(send(once));
  EXPECT_TRUE(send(Of(once.paths)));
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].id, once.id);
  EXPECT_EQ(received[0].paths, once.paths);
  EXPECT_NE(received[1].id, once.id);
  EXPECT_EQ(received[0].launchedMs, ThisProcessLaunchMs());
  EXPECT_GT(ThisProcessLaunchMs(), 0);
}

// A connection that claims an oversized message, one that says nothing, and
// more idle connections than are kept open: the instance drops them and
// still takes the next start's message.
TEST_F(SingleInstanceTest, DropsOversizedSilentAndSurplusConnections) {
  SingleInstance first(Name());
  QStringList received;
  BecomePlayer(first, received);

  QLocalSocket oversized;
  oversized.connectToServer(Name());
  ASSERT_TRUE(oversized.waitForConnected(1000));
  QByteArray head(4, '\0');
  qToBigEndian<quint32>(400u * 1024 * 1024, head.data());
  oversized.write(head + QByteArray(4096, 'x'));
  ASSERT_TRUE(oversized.waitForBytesWritten(1000));
  EXPECT_TRUE(QTest::qWaitFor(
      [&oversized] { return oversized.state() == QLocalSocket::UnconnectedState; }, 2000));

  std::vector<std::unique_ptr<QLocalSocket>> idle;
  for (int i = 0; i < 200; ++i) {
    idle.push_back(std::make_unique<QLocalSocket>());
    idle.back()->connectToServer(Name());
  }
  // The instance refuses the first surplus connection only once every place
  // is taken.
  ASSERT_TRUE(QTest::qWaitFor(
      [&idle] {
        return std::any_of(idle.begin(), idle.end(), [](const auto& socket) {
          return socket->state() == QLocalSocket::UnconnectedState;
        });
      },
      10000));
  // This start finds every place taken by the idle connections.
  EXPECT_FALSE(HandOver({QStringLiteral("/music/x.mp3")}));
  // The surplus is refused at once; the rest is dropped after a few seconds,
  // after which a later start gets through again.
  EXPECT_TRUE(QTest::qWaitFor(
      [&idle] {
        return std::all_of(idle.begin(), idle.end(), [](const auto& socket) {
          return socket->state() == QLocalSocket::UnconnectedState;
        });
      },
      10000));
  EXPECT_TRUE(HandOver({QStringLiteral("/music/y.mp3")}));
  EXPECT_TRUE(QTest::qWaitFor(
      [&received] { return received.contains(QStringLiteral("/music/y.mp3")); }, 5000));
  // Nothing from the oversized or idle connections was taken as a start.
  received.removeAll(QStringLiteral("/music/x.mp3"));
  EXPECT_EQ(received, QStringList{QStringLiteral("/music/y.mp3")});
}

// Of two claims on one name the first holds the lock; the second, finding
// nobody listening yet, keeps trying until its deadline.
TEST_F(SingleInstanceTest, OneClaimHoldsTheLockAndALaterOneHandsOverOnceItListens) {
  SingleInstance first(Name());
  ASSERT_EQ(first.ClaimOrHandOver(Of({})), SingleInstance::Claim::kPlayer);
  SingleInstance early(Name());
  EXPECT_EQ(early.ClaimOrHandOver(Of({}), 100), SingleInstance::Claim::kUnguarded);

  QStringList received;
  ASSERT_TRUE(first.Listen([&received](const Handover& handover) { received += handover.paths; }));
  EXPECT_EQ(Claim({QStringLiteral("/music/a.mp3")}, 1000), SingleInstance::Claim::kHandedOver);
  EXPECT_TRUE(QTest::qWaitFor([&received] { return !received.isEmpty(); }));
  EXPECT_EQ(received, QStringList{QStringLiteral("/music/a.mp3")});
}

// The socket file is the owner's alone from the moment it exists, and goes
// with the instance that made it.
TEST_F(SingleInstanceTest, TheSocketIsTheOwnersAloneAndGoesWithTheInstance) {
  const QByteArray path = QFile::encodeName(Name());
  {
    SingleInstance first(Name());
    QStringList received;
    BecomePlayer(first, received);
    struct stat info{};
    ASSERT_EQ(::lstat(path.constData(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 077, 0u);
  }
  EXPECT_NE(::access(path.constData(), F_OK), 0);
}

// Starts that stop half-way through their message (in its length, in its
// paths) take nothing and leave no connection open: the limit of open
// connections is never used up by them.
TEST_F(SingleInstanceTest, AMessageCutShortIsNotTakenAndFreesItsPlace) {
  SingleInstance first(Name());
  QStringList received;
  BecomePlayer(first, received);
  const QByteArray whole = FrameHandover(Of({QStringLiteral("/music/cut.mp3")}));
  for (const qsizetype cut : {qsizetype{2}, qsizetype{4}, qsizetype{20}, whole.size() - 1}) {
    for (int i = 0; i < 20; ++i) {
      QLocalSocket partial;
      partial.connectToServer(Name());
      ASSERT_TRUE(partial.waitForConnected(1000));
      partial.write(whole.left(cut));
      ASSERT_TRUE(partial.waitForBytesWritten(1000));
      partial.disconnectFromServer();
      // A later start without files is answered once the instance has taken
      // this connection and seen it end: each cut message takes a place
      // before the next comes.
      ASSERT_TRUE(HandOver({}));
    }
  }
  EXPECT_TRUE(HandOver({QStringLiteral("/music/whole.mp3")}));
  EXPECT_TRUE(QTest::qWaitFor([&received] { return !received.isEmpty(); }));
  EXPECT_EQ(received, QStringList{QStringLiteral("/music/whole.mp3")});
}

// What lies at the guard's paths when a player starts.
enum class Outcome {
  kGuarded,    // the user's own leftover is taken over: one player, starts reach it
  kNoLock,     // the lock cannot be had: the start plays unguarded at once
  kNoSocket,   // the socket cannot be had: the player plays unguarded, and
               // so does the next start, at once
};

struct Leftover {
  const char* what;
  // Prepares the folder and gives the socket path to use.
  std::function<QString(const QTemporaryDir& dir)> prepare;
  Outcome outcome;
  bool needsRoot = false;
};

QString Socket(const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("player.socket")); }
QString LockOf(const QString& socket) { return socket + QStringLiteral(".lock"); }

// A lock file as QLockFile writes it.
QByteArray LockNaming(qint64 pid, const QString& host) {
  return QByteArray::number(pid) + "\nsolvane\n" + host.toUtf8() + '\n';
}

void MakeOld(const QString& path) {
  const time_t anHourAgo = ::time(nullptr) - 3600;
  const utimbuf times{anHourAgo, anHourAgo};
  ::utime(QFile::encodeName(path).constData(), &times);
}

void GiveToOtherUser(const QString& path) {
  ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser), 0);
}

// A pid no process has: one that ended.
qint64 EndedPid() {
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  return child;
}

const Leftover kLeftovers[] = {
    {"a socket a crashed player left",
     [](const QTemporaryDir& dir) {
       LeaveBoundSocket(Socket(dir));
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a plain file at the socket path",
     [](const QTemporaryDir& dir) {
       WriteFile(Socket(dir), "not a socket");
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a folder with a file in it at the socket path",
     [](const QTemporaryDir& dir) {
       QDir(dir.path()).mkpath(QStringLiteral("player.socket/inside"));
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a FIFO at the socket path",
     [](const QTemporaryDir& dir) {
       ::mkfifo(QFile::encodeName(Socket(dir)).constData(), 0600);
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a lock naming another host, held by a live pid",
     [](const QTemporaryDir& dir) {
       WriteFile(LockOf(Socket(dir)),
                 LockNaming(::getpid(), QSysInfo::machineHostName() + QStringLiteral(".elsewhere")));
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a lock of a process that ended",
     [](const QTemporaryDir& dir) {
       WriteFile(LockOf(Socket(dir)), LockNaming(EndedPid(), QSysInfo::machineHostName()));
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"an empty lock file, long cold",
     [](const QTemporaryDir& dir) {
       WriteFile(LockOf(Socket(dir)), {});
       MakeOld(LockOf(Socket(dir)));
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a folder at the lock path",
     [](const QTemporaryDir& dir) {
       QDir(dir.path()).mkpath(QStringLiteral("player.socket.lock/inside"));
       return Socket(dir);
     },
     Outcome::kGuarded},
    {"a socket path of 108 bytes and more",
     [](const QTemporaryDir& dir) {
       const QString deep = dir.filePath(QString(60, u'd') + u'/' + QString(60, u'e'));
       QDir().mkpath(deep);
       return deep + QStringLiteral("/player.socket");
     },
     Outcome::kGuarded},
    {"another user's file at the lock path",
     [](const QTemporaryDir& dir) {
       WriteFile(LockOf(Socket(dir)), LockNaming(1, QSysInfo::machineHostName()));
       GiveToOtherUser(LockOf(Socket(dir)));
       return Socket(dir);
     },
     Outcome::kNoLock, true},
    {"another user's socket at the socket path",
     [](const QTemporaryDir& dir) {
       LeaveBoundSocket(Socket(dir));
       GiveToOtherUser(Socket(dir));
       return Socket(dir);
     },
     Outcome::kNoSocket, true},
    {"another user's folder at the socket path",
     [](const QTemporaryDir& dir) {
       QDir(dir.path()).mkdir(QStringLiteral("player.socket"));
       GiveToOtherUser(Socket(dir));
       return Socket(dir);
     },
     Outcome::kNoSocket, true},
};

TEST_F(SingleInstanceTest, LeftoversOfTheUsersAreTakenOverOthersAreNeverUsed) {
  for (const Leftover& row : kLeftovers) {
    SCOPED_TRACE(row.what);
    if (row.needsRoot && ::geteuid() != 0) {
      continue;  // giving a file to another user needs root
    }
    QTemporaryDir place;
    const QString name = row.prepare(place);
    const auto claim = [this, name] {
      return Served([name] { return SingleInstance(name).ClaimOrHandOver(Of({}), INT_MAX); });
    };
    SingleInstance player(name);
    QStringList received;
    switch (row.outcome) {
      case Outcome::kGuarded:
        ASSERT_EQ(player.ClaimOrHandOver(Of({}), INT_MAX), SingleInstance::Claim::kPlayer);
        ASSERT_TRUE(player.Listen([&received](const Handover& handover) { received += handover.paths; }));
        EXPECT_TRUE(HandOver({QStringLiteral("/music/reached.mp3")}, name));
        EXPECT_TRUE(QTest::qWaitFor([&received] { return !received.isEmpty(); }));
        EXPECT_EQ(received, QStringList{QStringLiteral("/music/reached.mp3")});
        break;
      case Outcome::kNoLock:
        // No deadline: the start must not wait for one.
        EXPECT_EQ(claim(), SingleInstance::Claim::kUnguarded);
        break;
      case Outcome::kNoSocket:
        ASSERT_EQ(player.ClaimOrHandOver(Of({}), INT_MAX), SingleInstance::Claim::kPlayer);
        EXPECT_FALSE(player.Listen([](const Handover&) {}));
        EXPECT_EQ(claim(), SingleInstance::Claim::kPlayer);  // the lock was given up
        EXPECT_EQ(InspectPlace(name), PlaceEntry::kForeign);  // left as it was
        break;
    }
  }
  if (::geteuid() != 0) {
    GTEST_SKIP() << "the rows with another user's files need root";
  }
}

// A link left at the socket path is replaced; what it pointed at stays.
TEST_F(SingleInstanceTest, ALinkAtTheSocketPathIsReplacedNotFollowed) {
  WriteFile(dir.filePath(QStringLiteral("kept")), "kept");
  ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("kept")), Name()));
  SingleInstance player(Name());
  QStringList received;
  BecomePlayer(player, received);
  EXPECT_EQ(InspectPlace(Name()), PlaceEntry::kOwnSocket);
  QFile kept(dir.filePath(QStringLiteral("kept")));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("kept"));
}

class InstanceNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qunsetenv("SOLVANE_INSTANCE_NAME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  }
  void TearDown() override {
    qputenv("HOME", savedHome);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
  }
  QString HomeFolder() const {
    return home.filePath(QStringLiteral(".cache/solvane-") + QSysInfo::machineHostName());
  }
  const QByteArray savedHome = qgetenv("HOME");
  const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
  QTemporaryDir home;
  QTemporaryDir runtime;  // made readable by its owner alone
};

TEST_F(InstanceNameTest, LiesInThePrivateRuntimeFolderElseInAPrivateFolderOfTheHome) {
  EXPECT_EQ(InstanceName(), runtime.filePath(QStringLiteral("solvane.socket")));
  qputenv("SOLVANE_INSTANCE_NAME", "/elsewhere/instance");
  EXPECT_EQ(InstanceName(), QStringLiteral("/elsewhere/instance"));
  qunsetenv("SOLVANE_INSTANCE_NAME");

  // A runtime folder others may enter is not used, nor is a missing one.
  QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther);
  EXPECT_EQ(InstanceName(), HomeFolder() + QStringLiteral("/solvane.socket"));
  EXPECT_TRUE(IsPrivateFolder(HomeFolder()));
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(InstanceName(), HomeFolder() + QStringLiteral("/solvane.socket"));

  // Made wider by hand: narrowed again.
  QFile::setPermissions(HomeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup);
  EXPECT_EQ(InstanceName(), HomeFolder() + QStringLiteral("/solvane.socket"));
  EXPECT_TRUE(IsPrivateFolder(HomeFolder()));
}

TEST_F(InstanceNameTest, NoFolderOfAnotherUsersIsUsed) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "giving a folder to another user needs root";
  }
  qunsetenv("XDG_RUNTIME_DIR");
  ASSERT_TRUE(QDir().mkpath(HomeFolder()));
  ASSERT_EQ(::chown(QFile::encodeName(HomeFolder()).constData(), kOtherUser, kOtherUser), 0);
  EXPECT_EQ(InstanceName(), QString());
  // Nor one the user's that others may write to on the way.
  ASSERT_EQ(::chown(QFile::encodeName(HomeFolder()).constData(), ::geteuid(), ::getegid()), 0);
  QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::WriteOther | QFile::ExeOther);
  EXPECT_EQ(InstanceName(), QString());
}

}  // namespace
}  // namespace solvane
