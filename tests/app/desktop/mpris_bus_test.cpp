// The real player driven over a private session bus (the suite runs under
// dbus-run-session): every method of the media-control interface, the
// properties, and that PropertiesChanged and Seeked come once per change and
// never while nothing changes.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

#include "tests/app/qt_test_support.h"

namespace solvane::testing {

// Records the signals the player sends.
class SignalLog : public QObject {
  Q_OBJECT
 public:
  QList<QVariantMap> changes;
  QList<qlonglong> seeks;

  int ChangesNaming(const QString& property) const {
    int count = 0;
    for (const QVariantMap& change : changes) {
      count += change.contains(property) ? 1 : 0;
    }
    return count;
  }
  void Clear() {
    changes.clear();
    seeks.clear();
  }

 public slots:
  void Changed(const QString& interface, const QVariantMap& values, const QStringList&) {
    if (interface == QStringLiteral("org.mpris.MediaPlayer2.Player")) {
      changes.append(values);
    }
  }
  void Seeked(qlonglong position) { seeks.append(position); }
};

namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

constexpr int kDeadlineMs = 20000;
const QString kName = QStringLiteral("org.mpris.MediaPlayer2.solvane");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A silent 8 kHz, 8-bit mono WAV of `seconds`.
void WriteSilence(const QString& path, int seconds) {
  const quint32 samples = 8000u * static_cast<quint32>(seconds);
  QByteArray bytes;
  const auto put32 = [&bytes](quint32 value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.append(static_cast<char>((value >> shift) & 0xff));
  };
  const auto put16 = [&bytes](quint16 value) {
    bytes.append(static_cast<char>(value & 0xff));
    bytes.append(static_cast<char>(value >> 8));
  };
  bytes.append("RIFF");
  put32(36 + samples);
  bytes.append("WAVEfmt ");
  put32(16);
  put16(1);
  put16(1);
  put32(8000);
  put32(8000);
  put16(1);
  put16(8);
  bytes.append("data");
  put32(samples);
  bytes.append(QByteArray(static_cast<qsizetype>(samples), '\x80'));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class MprisBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bus.isConnected()) << "no session bus; CTest runs this under dbus-run-session";
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_PROGRAM), Path("solvane")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/resources/wvrc.sv"), Path("wvrc.sv")));
    QFile::setPermissions(Path("solvane"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char* name : {"first.wav", "second.wav", "opened.wav"}) {
      WriteSilence(Path(name), 30);
    }
    ASSERT_TRUE(bus.connect(kName, kPath, kProperties, QStringLiteral("PropertiesChanged"), &log,
                            SLOT(Changed(QString, QVariantMap, QStringList))));
    ASSERT_TRUE(bus.connect(kName, kPath, kPlayer, QStringLiteral("Seeked"), &log, SLOT(Seeked(qlonglong))));
  }

  void TearDown() override {
    for (QProcess* process : {&player, &other}) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
      }
    }
  }

  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  void Start(QProcess& process, const QString& socket, const QStringList& arguments,
             const QString& busAddress = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SOLVANE_AUDIO_SINK"), QStringLiteral("fakesink"));
    environment.insert(QStringLiteral("SOLVANE_SCREEN"), QStringLiteral("480x800"));
    environment.insert(QStringLiteral("SOLVANE_INSTANCE_NAME"), dir.filePath(socket));
    environment.insert(QStringLiteral("HOME"), dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    if (!busAddress.isEmpty()) {
      environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    }
    process.setProcessEnvironment(environment);
    process.start(Path("solvane"), arguments);
    ASSERT_TRUE(process.waitForStarted());
  }

  void StartPlayer() {
    Start(player, QStringLiteral("instance.socket"), {Path("first.wav"), Path("second.wav")});
    ASSERT_TRUE(QTest::qWaitFor([this] { return bus.interface()->isServiceRegistered(kName).value(); },
                                kDeadlineMs));
  }

  QVariant Get(const QString& interface, const char* name) {
    QDBusMessage call = QDBusMessage::createMethodCall(kName, kPath, kProperties, QStringLiteral("Get"));
    call << interface << QString::fromLatin1(name);
    const QDBusReply<QDBusVariant> reply = bus.call(call);
    return reply.isValid() ? reply.value().variant() : QVariant();
  }
  QVariant Get(const char* name) { return Get(kPlayer, name); }

  void Set(const char* name, const QVariant& value) {
    QDBusMessage call = QDBusMessage::createMethodCall(kName, kPath, kProperties, QStringLiteral("Set"));
    call << kPlayer << QString::fromLatin1(name) << QVariant::fromValue(QDBusVariant(value));
    ASSERT_EQ(bus.call(call).type(), QDBusMessage::ReplyMessage) << name;
  }

  void Call(const char* method, const QVariantList& arguments = {},
            const QString& interface = QStringLiteral("org.mpris.MediaPlayer2.Player")) {
    QDBusMessage call = QDBusMessage::createMethodCall(kName, kPath, interface, QString::fromLatin1(method));
    call.setArguments(arguments);
    ASSERT_EQ(bus.call(call).type(), QDBusMessage::ReplyMessage) << method;
  }

  QString Status() { return Get("PlaybackStatus").toString(); }
  QVariantMap Metadata() { return qdbus_cast<QVariantMap>(Get("Metadata")); }
  QString TrackId() { return qvariant_cast<QDBusObjectPath>(Metadata().value(QStringLiteral("mpris:trackid"))).path(); }
  qlonglong Position() { return Get("Position").toLongLong(); }

  bool WaitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kDeadlineMs); }

  QTemporaryDir dir;
  QDBusConnection bus = QDBusConnection::sessionBus();
  SignalLog log;
  QProcess player;
  QProcess other;
};

TEST_F(MprisBusTest, TheDesktopSeesAndSteersThePlayer) {
  StartPlayer();
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Playing"); }));
  EXPECT_EQ(Get(kRoot, "Identity").toString(), QStringLiteral("Solvane"));
  EXPECT_EQ(Get(kRoot, "DesktopEntry").toString(), QStringLiteral("solvane"));
  EXPECT_TRUE(Get(kRoot, "CanQuit").toBool());
  EXPECT_EQ(Get(kRoot, "SupportedMimeTypes").toStringList().size(), 10);
  const QString noTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
  EXPECT_NE(TrackId(), noTrack);
  EXPECT_EQ(Metadata().value(QStringLiteral("xesam:url")).toString(),
            QUrl::fromLocalFile(Path("first.wav")).toString());
  EXPECT_TRUE(Get("CanGoNext").toBool());
  EXPECT_TRUE(Get("CanSeek").toBool());

  // Playing on with nothing else changing sends nothing: a second and a half
  // of the player's own ticks, counted on its position, bring no signal.
  ASSERT_TRUE(WaitFor([this] { return Position() >= 1'000'000; }));
  log.Clear();
  const qlonglong quietFrom = Position();
  ASSERT_TRUE(WaitFor([&] { return Position() >= quietFrom + 1'500'000; }));
  EXPECT_TRUE(log.changes.isEmpty());
  EXPECT_TRUE(log.seeks.isEmpty());

  Call("PlayPause");
  ASSERT_TRUE(WaitFor([this] { return log.ChangesNaming(QStringLiteral("PlaybackStatus")) > 0; }));
  QTest::qWait(500);
  EXPECT_EQ(log.ChangesNaming(QStringLiteral("PlaybackStatus")), 1);
  EXPECT_EQ(log.changes.first().value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));
  EXPECT_EQ(Status(), QStringLiteral("Paused"));

  // Seek goes through the seek bar's SeekTo, in whole seconds; one Seeked.
  log.Clear();
  const qlonglong before = Position();
  Call("Seek", {QVariant::fromValue(qlonglong{5'000'000})});
  ASSERT_TRUE(WaitFor([this] { return !log.seeks.isEmpty(); }));
  QTest::qWait(500);
  ASSERT_EQ(log.seeks.size(), 1);
  EXPECT_EQ(log.seeks.first(), (before / 1'000'000 + 5) * 1'000'000);
  EXPECT_EQ(Position(), log.seeks.first());

  log.Clear();
  Call("SetPosition", {QVariant::fromValue(QDBusObjectPath(TrackId())), QVariant::fromValue(qlonglong{20'000'000})});
  ASSERT_TRUE(WaitFor([this] { return log.seeks.size() == 1; }));
  EXPECT_EQ(Position(), 20'000'000);

  log.Clear();
  Set("Volume", 0.25);
  Set("LoopStatus", QStringLiteral("Track"));  // taken as the whole list
  Set("Shuffle", true);
  ASSERT_TRUE(WaitFor([this] { return log.ChangesNaming(QStringLiteral("Shuffle")) > 0; }));
  QTest::qWait(500);
  EXPECT_DOUBLE_EQ(Get("Volume").toDouble(), 0.25);
  EXPECT_EQ(Get("LoopStatus").toString(), QStringLiteral("Playlist"));
  EXPECT_TRUE(Get("Shuffle").toBool());
  for (const char* property : {"Volume", "LoopStatus", "Shuffle"}) {
    EXPECT_EQ(log.ChangesNaming(QString::fromLatin1(property)), 1) << property;
  }
  Set("Shuffle", false);
  Set("LoopStatus", QStringLiteral("None"));
  ASSERT_TRUE(WaitFor([this] { return Get("LoopStatus").toString() == QStringLiteral("None"); }));

  // Stop rewinds; Next while nothing plays only chooses, and at the end of
  // the list it wraps to the first entry, still not playing.
  Call("Stop");
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Stopped"); }));
  EXPECT_EQ(Position(), 0);
  const auto showing = [this](const char* name) {
    return Metadata().value(QStringLiteral("xesam:url")).toString() == QUrl::fromLocalFile(Path(name)).toString();
  };
  const QString stoppedId = TrackId();
  Call("Next");
  ASSERT_TRUE(WaitFor([&] { return showing("second.wav"); }));
  const QString secondId = TrackId();
  EXPECT_NE(secondId.toStdString(), stoppedId.toStdString());
  Call("Next");
  ASSERT_TRUE(WaitFor([&] { return showing("first.wav"); }));
  const QString firstAgainId = TrackId();
  EXPECT_NE(firstAgainId.toStdString(), secondId.toStdString());
  EXPECT_EQ(Status(), QStringLiteral("Stopped"));

  // OpenUri opens the file as the command line does: a playlist of one,
  // playing. Another file at entry 0 is another track, and a SetPosition aimed
  // at the one it replaced is ignored.
  Call("OpenUri", {QUrl::fromLocalFile(Path("opened.wav")).toString()});
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Playing"); }));
  EXPECT_TRUE(showing("opened.wav"));
  const QString openedId = TrackId();
  EXPECT_NE(openedId.toStdString(), firstAgainId.toStdString());
  EXPECT_NE(openedId, noTrack);
  log.Clear();
  Call("SetPosition", {QVariant::fromValue(QDBusObjectPath(firstAgainId)), QVariant::fromValue(qlonglong{20'000'000})});
  QTest::qWait(500);
  EXPECT_TRUE(log.seeks.isEmpty());
  EXPECT_LT(Position(), 20'000'000);
  EXPECT_EQ(TrackId(), openedId);

  if (!QStandardPaths::findExecutable(QStringLiteral("playerctl")).isEmpty()) {
    QProcess playerctl;
    playerctl.start(QStringLiteral("playerctl"), {QStringLiteral("-p"), QStringLiteral("solvane"),
                                                  QStringLiteral("metadata"), QStringLiteral("xesam:url")});
    ASSERT_TRUE(playerctl.waitForFinished(kDeadlineMs));
    EXPECT_EQ(QString::fromUtf8(playerctl.readAllStandardOutput()).trimmed(),
              QUrl::fromLocalFile(Path("opened.wav")).toString());
  }

  // Quit takes the exit path, which saves the state.
  Call("Quit", {}, kRoot);
  ASSERT_TRUE(player.waitForFinished(kDeadlineMs));
  EXPECT_EQ(player.exitCode(), 0);
  QFile state(Path("solvane.dat"));
  ASSERT_TRUE(state.open(QIODevice::ReadOnly));
  const QString name = QStringLiteral("opened.wav");
  EXPECT_TRUE(state.readAll().contains(
      QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * 2)));
}

// Each new lyric line is one PropertiesChanged carrying the metadata alone.
TEST_F(MprisBusTest, ALyricLineChangeSendsOneSignal) {
  QFile lyrics(Path("sung.lrc"));
  ASSERT_TRUE(lyrics.open(QIODevice::WriteOnly));
  lyrics.write("[00:01.00]one\n[00:02.00]two\n[00:03.00]three\n[00:29.00]end\n");
  lyrics.close();
  WriteSilence(Path("sung.wav"), 30);
  Start(player, QStringLiteral("instance.socket"), {Path("sung.wav")});
  ASSERT_TRUE(WaitFor([this] { return bus.interface()->isServiceRegistered(kName).value(); }));
  ASSERT_TRUE(WaitFor([this] {
    return Metadata().value(QStringLiteral("xesam:asText")).toString() == QStringLiteral("three");
  }));
  // A few more ticks on the same line.
  const qlonglong threeFrom = Position();
  ASSERT_TRUE(WaitFor([&] { return Position() >= threeFrom + 300'000; }));
  QStringList lines;
  for (const QVariantMap& change : log.changes) {
    const QVariantMap metadata = qdbus_cast<QVariantMap>(change.value(QStringLiteral("Metadata")));
    if (!metadata.isEmpty()) {
      lines.append(metadata.value(QStringLiteral("xesam:asText")).toString());
    }
  }
  EXPECT_EQ(lines.count(QStringLiteral("two")), 1) << lines.join(u',').toStdString();
  EXPECT_EQ(lines.count(QStringLiteral("three")), 1) << lines.join(u',').toStdString();
  ASSERT_GE(log.changes.size(), 2);
  // From the second line on, playing changes nothing but the line.
  for (qsizetype i = log.changes.size() - 2; i < log.changes.size(); ++i) {
    EXPECT_EQ(log.changes[i].keys(), QStringList{QStringLiteral("Metadata")});
  }
}

TEST_F(MprisBusTest, ASecondPlayerTakesTheInstanceName) {
  StartPlayer();
  Start(other, QStringLiteral("other.socket"), {});
  const QString instanceName = kName + QStringLiteral(".instance") + QString::number(other.processId());
  EXPECT_TRUE(WaitFor([&] { return bus.interface()->isServiceRegistered(instanceName).value(); }));
}

TEST_F(MprisBusTest, WithoutASessionBusThePlayerRunsAndSaysSoOnce) {
  Start(other, QStringLiteral("other.socket"), {},
        QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("no-bus")));
  QTest::qWait(2000);
  ASSERT_EQ(other.state(), QProcess::Running);
  other.terminate();
  ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
  const QString errors = QString::fromUtf8(other.readAllStandardError());
  EXPECT_EQ(errors.count(QStringLiteral("no session bus")), 1) << errors.toStdString();
}

}  // namespace
}  // namespace solvane::testing

#include "mpris_bus_test.moc"
