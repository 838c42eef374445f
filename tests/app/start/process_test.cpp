// The program itself: a copy of it in a folder of its own (with the
// 480-pixel face beside it), run headless with a socket name of its own.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <vector>
#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/instance/forwarded_files.h"
#include "tests/app/qt_test_support.h"

namespace solvane::testing {
namespace {

constexpr int kStartDeadlineMs = 20000;

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_PROGRAM), Program()));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/resources/wvrc.sv"),
                            dir.filePath(QStringLiteral("wvrc.sv"))));
    QFile::setPermissions(Program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  void TearDown() override {
    for (QProcess* process : {&first, &second}) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
      }
    }
  }

  QString Program() const { return dir.filePath(QStringLiteral("solvane")); }
  // An absolute socket path, so the test can see when the player listens.
  QString SocketName() const { return dir.filePath(QStringLiteral("instance.socket")); }

  void Prepare(QProcess& process, const QString& screen = QStringLiteral("480x800")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SOLVANE_AUDIO_SINK"), QStringLiteral("fakesink"));
    environment.insert(QStringLiteral("SOLVANE_SCREEN"), screen);
    environment.insert(QStringLiteral("SOLVANE_INSTANCE_NAME"), SocketName());
    environment.insert(QStringLiteral("HOME"), dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  }

  // Starts the first player and waits until it listens for later starts.
  void StartFirst(const QString& screen = QStringLiteral("480x800"),
                  const QStringList& arguments = {}) {
    Prepare(first, screen);
    first.start(Program(), arguments);
    ASSERT_TRUE(first.waitForStarted());
    sinceFirstLaunched.start();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
          return QFile::exists(SocketName()) || first.state() == QProcess::NotRunning;
        },
        kStartDeadlineMs));
    ASSERT_EQ(first.state(), QProcess::Running);
  }

  // Waits until the first player answers on its socket.
  void WaitUntilFirstListens() {
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
          QLocalSocket probe;
          probe.connectToServer(SocketName());
          return probe.waitForConnected(100) || first.state() != QProcess::Running;
        },
        kStartDeadlineMs));
    ASSERT_EQ(first.state(), QProcess::Running);
  }

  // Starts the first player where its socket path already holds something,
  // and waits until it answers there.
  void StartFirstOverWhatLiesAtTheSocketPath() {
    Prepare(first);
    first.start(Program(), {});
    ASSERT_TRUE(first.waitForStarted());
    WaitUntilFirstListens();
  }

  // A start without files hands over to `player`: it ends with success and
  // the player runs on. The player answers it on its event loop, after every
  // start that reached it before, so what those handed over is taken in.
  void ExpectALaterStartHandsOverTo(const QProcess& player) {
    QProcess later;
    Prepare(later);
    later.start(Program(), {});
    ASSERT_TRUE(later.waitForFinished(kStartDeadlineMs));
    EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_EQ(player.state(), QProcess::Running);
  }
  void ExpectASecondStartHandsOver() { ExpectALaterStartHandsOverTo(first); }

  QByteArray StateFile() const {
    QFile file(dir.filePath(QStringLiteral("solvane.dat")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Sends `signalNumber` to the first player, which must end normally with a
  // whole state file whose firstStartDone byte is `firstStartDone`.
  void ExpectSignalEndsThePlayerWithTheStateSaved(int signalNumber, int firstStartDone) {
    ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), signalNumber), 0);
    ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs)) << signalNumber;
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit) << signalNumber;
    EXPECT_EQ(first.exitCode(), 0) << signalNumber;
    const QByteArray saved = StateFile();
    ASSERT_EQ(saved.size(), 600) << signalNumber;
    EXPECT_EQ(saved.left(4), QByteArray("SV_P"));
    EXPECT_EQ(static_cast<int>(saved[556]), firstStartDone) << signalNumber;
  }

  QTemporaryDir dir;
  QProcess first;
  QProcess second;
  // Started once the first player's process was launched.
  QElapsedTimer sinceFirstLaunched;
};

TEST_F(ProcessTest, RegistrationSwitchesEndAtOnceWithSuccess) {
  for (const char* argument : {"-RegServer", "/UnregServer", "/regserver"}) {
    Prepare(second);
    second.start(Program(), {QString::fromLatin1(argument)});
    ASSERT_TRUE(second.waitForFinished(kStartDeadlineMs)) << argument;
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << argument;
  }
  EXPECT_TRUE(StateFile().isEmpty());  // no window was made, nothing saved
}

TEST_F(ProcessTest, ASecondStartLeavesTheFirstRunningAndEndsWithSuccess) {
  StartFirst();
  ExpectASecondStartHandsOver();
  EXPECT_TRUE(StateFile().isEmpty());  // the second one made no window
}

TEST_F(ProcessTest, TerminationSignalsTakeTheExitPath) {
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    QFile::remove(dir.filePath(QStringLiteral("solvane.dat")));
    StartFirst();
    // 1: the start got past the screen check.
    ExpectSignalEndsThePlayerWithTheStateSaved(signalNumber, 1);
  }
}

// A first start on an unsupported screen asks with a real warning box, which
// nobody answers here; a termination signal must still end the program at
// once through the exit path, with the state saved.
TEST_F(ProcessTest, TerminationSignalsEndTheProgramWhileTheStartUpWarningWaits) {
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    QFile::remove(dir.filePath(QStringLiteral("solvane.dat")));  // a first start
    StartFirst(QStringLiteral("300x300"));
    // The player answers a later start while its start waits on the box:
    // its event loop runs, and the signal is served by it.
    ExpectASecondStartHandsOver();
    // 0: the warning was never accepted.
    ExpectSignalEndsThePlayerWithTheStateSaved(signalNumber, 0);
  }
}

// A file named on the command line becomes the whole playlist, which the
// state file saved at the exit holds.
TEST_F(ProcessTest, AFileOnTheCommandLineIsOpened) {
  const QString song = dir.filePath(QStringLiteral("Opened Song.aif"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/tests/media/tone.aif"), song));
  StartFirst(QStringLiteral("480x800"), {QUrl::fromLocalFile(song).toString()});
  ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), SIGTERM), 0);
  ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs));
  const QByteArray saved = StateFile();
  const QString name = QStringLiteral("Opened Song.aif");
  const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
  EXPECT_GT(saved.size(), 600);
  EXPECT_TRUE(saved.contains(wideName));
}

TEST_F(ProcessTest, ASecondStartHandsItsFileToTheRunningPlayer) {
  const QString song = dir.filePath(QStringLiteral("Handed \u00e9 Song.aif"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/tests/media/tone.aif"), song));
  StartFirst();
  Prepare(second);
  second.start(Program(), {song});
  ASSERT_TRUE(second.waitForFinished(kStartDeadlineMs));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  ExpectASecondStartHandsOver();
  ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), SIGTERM), 0);
  ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs));
  const QString name = QStringLiteral("Handed \u00e9 Song.aif");
  const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
  EXPECT_TRUE(StateFile().contains(wideName));
}

TEST_F(ProcessTest, ASocketLeftByACrashedPlayerDoesNotBlockTheNextStart) {
  // A bound socket file that nobody listens on.
  const QByteArray path = QFile::encodeName(SocketName());
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(stale, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
  std::copy(path.begin(), path.end(), address.sun_path);
  ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(stale);
  ASSERT_TRUE(QFile::exists(SocketName()));

  StartFirstOverWhatLiesAtTheSocketPath();
  ExpectASecondStartHandsOver();
}

}  // namespace
}  // namespace solvane::testing

namespace solvane::testing {
namespace {

// Ten starts at the same moment, each with a file: one becomes the player,
// every other hands its file over and ends with success, and the player's
// playlist holds all ten.
TEST_F(ProcessTest, TenSimultaneousStartsLeaveOnePlayerHoldingEveryFile) {
  constexpr int kStarts = 10;
  std::vector<std::unique_ptr<QProcess>> starts;
  QStringList names;
  for (int i = 0; i < kStarts; ++i) {
    names << QStringLiteral("Song %1.aif").arg(i);
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/tests/media/tone.aif"),
                            dir.filePath(names.back())));
    starts.push_back(std::make_unique<QProcess>());
    Prepare(*starts.back());
  }
  for (int i = 0; i < kStarts; ++i) {
    starts[i]->start(Program(), {dir.filePath(names[i])});
  }
  QProcess* player = nullptr;
  ASSERT_TRUE(QTest::qWaitFor(
      [&starts] {
        return std::count_if(starts.begin(), starts.end(), [](const auto& p) {
                 return p->state() == QProcess::NotRunning;
               }) == kStarts - 1;
      },
      kStartDeadlineMs * 2));
  for (const auto& start : starts) {
    if (start->state() != QProcess::NotRunning) {
      player = start.get();
      continue;
    }
    EXPECT_EQ(start->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(start->exitCode(), 0);
  }
  ASSERT_NE(player, nullptr);
  ExpectALaterStartHandsOverTo(*player);
  ASSERT_EQ(::kill(static_cast<pid_t>(player->processId()), SIGTERM), 0);
  ASSERT_TRUE(player->waitForFinished(kStartDeadlineMs));
  const QByteArray saved = StateFile();
  for (const QString& name : names) {
    const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    EXPECT_TRUE(saved.contains(wideName)) << name.toStdString();
  }
}

// A plain file where the socket should be neither stops the player nor is
// taken for one: the player replaces it and later starts reach the player.
TEST_F(ProcessTest, APlainFileAtTheSocketPathIsReplaced) {
  {
    QFile plain(SocketName());
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("not a socket");
  }
  StartFirstOverWhatLiesAtTheSocketPath();
  ExpectASecondStartHandsOver();
}

}  // namespace
}  // namespace solvane::testing

namespace solvane::testing {
namespace {

// 2,000 connections that say nothing neither use up the player's file
// descriptors nor keep a later start from handing its file over.
TEST_F(ProcessTest, TwoThousandIdleConnectionsLeaveThePlayerResponsive) {
  const QString song = dir.filePath(QStringLiteral("After The Crowd.aif"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/tests/media/tone.aif"), song));
  StartFirst();
  const QByteArray path = QFile::encodeName(SocketName());
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
  std::copy(path.begin(), path.end(), address.sun_path);
  std::vector<int> idle;
  for (int i = 0; i < 2000; ++i) {
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ASSERT_GE(connection, 0);
    ::connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address);
    idle.push_back(connection);
  }

  Prepare(second);
  second.start(Program(), {song});
  ASSERT_TRUE(second.waitForFinished(kStartDeadlineMs));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);
  ExpectASecondStartHandsOver();
  ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), SIGTERM), 0);
  ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs));
  EXPECT_EQ(first.exitCode(), 0);
  for (const int connection : idle) {
    ::close(connection);
  }
  const QString name = QStringLiteral("After The Crowd.aif");
  const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
  EXPECT_TRUE(StateFile().contains(wideName));
}

}  // namespace
}  // namespace solvane::testing

namespace solvane::testing {
namespace {

// Two starts launched together, each with a file; one of them is held up on
// its way (stopped) until the other is the player, has opened its own file
// and the join window has passed since: the late one's file still joins.
TEST_F(ProcessTest, AStartOfTheBurstThatGetsThroughLateStillJoins) {
  const QStringList names = {QStringLiteral("Own Song.aif"), QStringLiteral("Late Song.aif")};
  for (const QString& name : names) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/tests/media/tone.aif"),
                            dir.filePath(name)));
  }
  Prepare(second);
  second.start(Program(), {dir.filePath(names[1])});
  ASSERT_TRUE(second.waitForStarted());
  ASSERT_EQ(::kill(static_cast<pid_t>(second.processId()), SIGSTOP), 0);
  StartFirst(QStringLiteral("480x800"), {dir.filePath(names[0])});
  WaitUntilFirstListens();
  // A start without files is answered on the player's event loop, which
  // runs once the player has opened its own file.
  QProcess front;
  Prepare(front);
  front.start(Program(), {});
  ASSERT_TRUE(front.waitForFinished(kStartDeadlineMs));
  EXPECT_EQ(front.exitCode(), 0);
  // The join window, counted from the player's launch, passes. The rule is
  // about launch times, which nothing the player does shows, so this waits
  // on the clock: the timer started after the launch, so once it has run
  // the window the window has passed.
  ASSERT_TRUE(QTest::qWaitFor(
      [this] { return sinceFirstLaunched.hasExpired(ForwardedFiles::kJoinWindowMs); },
      kStartDeadlineMs));

  ASSERT_EQ(::kill(static_cast<pid_t>(second.processId()), SIGCONT), 0);
  ASSERT_TRUE(second.waitForFinished(kStartDeadlineMs));
  EXPECT_EQ(second.exitCode(), 0);
  ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), SIGTERM), 0);
  ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs));
  const QByteArray saved = StateFile();
  for (const QString& name : names) {
    const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    EXPECT_EQ(saved.count(wideName), 1) << name.toStdString();
  }
}

}  // namespace
}  // namespace solvane::testing

namespace solvane::testing {
namespace {

// A start that waits for the player holding the lock (here: this test, whose
// socket hangs up on every start) ends at once and normally on a
// termination signal.
TEST_F(ProcessTest, ATerminationSignalEndsAStartWaitingForThePlayer) {
  QLockFile held(SocketName() + QStringLiteral(".lock"));
  ASSERT_TRUE(held.tryLock(0));
  QLocalServer hangsUp;
  int knocks = 0;
  QObject::connect(&hangsUp, &QLocalServer::newConnection, [&hangsUp, &knocks] {
    while (QLocalSocket* start = hangsUp.nextPendingConnection()) {
      ++knocks;
      start->abort();
      start->deleteLater();
    }
  });
  ASSERT_TRUE(hangsUp.listen(SocketName()));
  Prepare(first);
  first.start(Program(), {});
  ASSERT_TRUE(first.waitForStarted());
  ASSERT_TRUE(QTest::qWaitFor([&knocks] { return knocks > 0; }, kStartDeadlineMs));
  ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), SIGTERM), 0);
  ASSERT_TRUE(first.waitForFinished(kStartDeadlineMs));
  EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first.exitCode(), 0);
  EXPECT_TRUE(StateFile().isEmpty());  // no window was made, nothing saved
}

}  // namespace
}  // namespace solvane::testing
