#include "app/instance/qt_single_instance.h"

#include <QFile>
#include <QLocalSocket>
#include <QtEndian>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>
#include <vector>

namespace solvane {
namespace {

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
  bool HandOver(const QStringList& paths) {
    return Served([this, paths] { return SingleInstance(Name()).HandToRunningInstance(paths); });
  }
  SingleInstance::Claim Claim(const QStringList& paths, int deadlineMs) {
    return Served(
        [this, paths, deadlineMs] { return SingleInstance(Name()).ClaimOrHandOver(paths, deadlineMs); });
  }
  QString Name() const { return dir.filePath(QStringLiteral("player.socket")); }
  QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, ALaterStartAsksTheFirstToShowItself) {
  SingleInstance first(Name());
  int shown = 0;
  ASSERT_TRUE(first.Listen([&shown](const QStringList&) { ++shown; }));

  EXPECT_TRUE(HandOver({}));
  EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }));
}

TEST_F(SingleInstanceTest, NobodyAnswersWhenNoPlayerRuns) {
  SingleInstance alone(Name());
  EXPECT_FALSE(alone.HandToRunningInstance({}));
}

TEST_F(SingleInstanceTest, ASocketLeftBehindIsTakenOver) {
  const QByteArray path = QFile::encodeName(Name());
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(stale, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  std::copy(path.begin(), path.end(), address.sun_path);
  ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(stale);

  SingleInstance next(Name());
  EXPECT_FALSE(next.HandToRunningInstance({}));
  int shown = 0;
  ASSERT_TRUE(next.Listen([&shown](const QStringList&) { ++shown; }));
  EXPECT_TRUE(HandOver({}));
  EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }));
}

TEST_F(SingleInstanceTest, ALaterStartHandsOverItsPaths) {
  SingleInstance first(Name());
  std::vector<QStringList> received;
  ASSERT_TRUE(first.Listen([&received](const QStringList& paths) { received.push_back(paths); }));

  // Names with spaces, newlines and non-Latin letters arrive unchanged.
  const QStringList paths = {QStringLiteral("/music/a song.mp3"),
                             QStringLiteral("/music/line\nbreak/\u00e9t\u00e9.wma"),
                             QStringLiteral("/music/folder")};
  EXPECT_TRUE(HandOver(paths));
  ASSERT_TRUE(QTest::qWaitFor([&received] { return received.size() == 1; }));
  EXPECT_EQ(received[0], paths);
}

// A connection that claims an oversized message, one that says nothing, and
// more idle connections than are kept open: the instance drops them and
// still takes the next start's message.
TEST_F(SingleInstanceTest, DropsOversizedSilentAndSurplusConnections) {
  SingleInstance first(Name());
  QStringList received;
  ASSERT_TRUE(first.Listen([&received](const QStringList& paths) { received += paths; }));

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
  QTest::qWait(100);
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
  ASSERT_EQ(first.ClaimOrHandOver({}), SingleInstance::Claim::kPlayer);
  SingleInstance early(Name());
  EXPECT_EQ(early.ClaimOrHandOver({}, 100), SingleInstance::Claim::kUnguarded);

  QStringList received;
  ASSERT_TRUE(first.Listen([&received](const QStringList& paths) { received += paths; }));
  EXPECT_EQ(Claim({QStringLiteral("/music/a.mp3")}, 1000), SingleInstance::Claim::kHandedOver);
  EXPECT_TRUE(QTest::qWaitFor([&received] { return !received.isEmpty(); }));
  EXPECT_EQ(received, QStringList{QStringLiteral("/music/a.mp3")});
}

// A socket that another user owns is never spoken to, nor is a plain file.
TEST_F(SingleInstanceTest, ASocketOfAnotherUserOrAPlainFileIsNotTrusted) {
  {
    QFile plain(Name());
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  }
  SingleInstance probe(Name());
  EXPECT_FALSE(probe.HandToRunningInstance({}));
  ASSERT_TRUE(QFile::remove(Name()));

  if (::geteuid() != 0) {
    GTEST_SKIP() << "giving a socket to another user needs root";
  }
  SingleInstance first(Name());
  int received = 0;
  ASSERT_TRUE(first.Listen([&received](const QStringList&) { ++received; }));
  ASSERT_EQ(::chown(QFile::encodeName(Name()).constData(), 65534, 65534), 0);
  EXPECT_FALSE(probe.HandToRunningInstance({}));
  QTest::qWait(50);
  EXPECT_EQ(received, 0);
}

// The socket file is the owner's alone from the moment it exists, and goes
// with the instance that made it.
TEST_F(SingleInstanceTest, TheSocketIsTheOwnersAloneAndGoesWithTheInstance) {
  const QByteArray path = QFile::encodeName(Name());
  {
    SingleInstance first(Name());
    ASSERT_TRUE(first.Listen([](const QStringList&) {}));
    struct stat info{};
    ASSERT_EQ(::lstat(path.constData(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0600u);
  }
  EXPECT_NE(::access(path.constData(), F_OK), 0);
}

// A name that is not a path lies in the temporary folder, for the player and
// for a later start alike (other programs find it there too).
TEST_F(SingleInstanceTest, ANameThatIsNotAPathLiesInTheTemporaryFolder) {
  const QString name = QStringLiteral("solvane-test-%1").arg(::getpid());
  SingleInstance first(name);
  QStringList received;
  ASSERT_TRUE(first.Listen([&received](const QStringList& paths) { received += paths; }));
  QLocalSocket other;
  other.connectToServer(name);
  EXPECT_TRUE(other.waitForConnected(1000));
  other.abort();

  EXPECT_TRUE(Served([name] {
    return SingleInstance(name).HandToRunningInstance({QStringLiteral("/music/b.mp3")});
  }));
  EXPECT_TRUE(QTest::qWaitFor([&received] { return !received.isEmpty(); }));
  EXPECT_EQ(received, QStringList{QStringLiteral("/music/b.mp3")});
}

// Starts that stop half-way through their message (in its length, in its
// paths) take nothing and leave no connection open: the limit of open
// connections is never used up by them.
TEST_F(SingleInstanceTest, AMessageCutShortIsNotTakenAndFreesItsPlace) {
  SingleInstance first(Name());
  QStringList received;
  ASSERT_TRUE(first.Listen([&received](const QStringList& paths) { received += paths; }));
  QByteArray whole(4, '\0');
  const QByteArray body = QByteArrayLiteral("/music/cut.mp3") + '\0';
  qToBigEndian<quint32>(static_cast<quint32>(body.size()), whole.data());
  whole += body;
  for (const qsizetype cut : {qsizetype{2}, qsizetype{4}, whole.size() - 1}) {
    for (int i = 0; i < 20; ++i) {
      QLocalSocket partial;
      partial.connectToServer(Name());
      ASSERT_TRUE(partial.waitForConnected(1000));
      partial.write(whole.left(cut));
      ASSERT_TRUE(partial.waitForBytesWritten(1000));
      partial.disconnectFromServer();
      QTest::qWait(2);  // the instance takes the connection and sees it end
    }
  }
  EXPECT_TRUE(HandOver({QStringLiteral("/music/whole.mp3")}));
  EXPECT_TRUE(QTest::qWaitFor([&received] { return !received.isEmpty(); }));
  EXPECT_EQ(received, QStringList{QStringLiteral("/music/whole.mp3")});
}

TEST(InstanceName, LiesInThePrivateRuntimeFolderUnlessOverridden) {
  qunsetenv("SOLVANE_INSTANCE_NAME");
  QTemporaryDir runtime;  // made readable by its owner alone
  const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  EXPECT_EQ(InstanceName(), runtime.filePath(QStringLiteral("solvane.socket")));
  // A runtime folder others may enter is not used.
  QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther);
  EXPECT_EQ(InstanceName(),
            QStringLiteral("/tmp/solvane-%1/solvane.socket").arg(::geteuid()));
  qputenv("SOLVANE_INSTANCE_NAME", "/tmp/elsewhere");
  EXPECT_EQ(InstanceName(), QStringLiteral("/tmp/elsewhere"));
  qunsetenv("SOLVANE_INSTANCE_NAME");
  qputenv("XDG_RUNTIME_DIR", before);
}

}  // namespace
}  // namespace solvane
