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
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <vector>

#include <unistd.h>

#include "app/instance/forwarded_files.h"
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
    sinceLatestLaunch.start();
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

  // The reply to a raw call on the player's object.
  QDBusMessage Reply(const QString& interface, const char* method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kName, kPath, interface, QString::fromLatin1(method));
    call.setArguments(arguments);
    return bus.call(call);
  }

  bool Showing(const QString& path) {
    return QUrl(Metadata().value(QStringLiteral("xesam:url")).toString()) == QUrl::fromLocalFile(path);
  }

  // Waits until the player's standard error holds `text`.
  bool SaidOnStandardError(const QString& text) {
    return WaitFor([&] {
      saidOnStandardError += QString::fromUtf8(player.readAllStandardError());
      return saidOnStandardError.contains(text);
    });
  }
  QString saidOnStandardError;

  // A later start's files join those handed over shortly before (a burst of
  // starts) and replace them after that; these tests open anew. The window
  // counts from the launch times, which nothing the player does shows, so
  // this waits on the clock: the timer started after the latest launch, so
  // once it has run the window the window has passed.
  void PassTheJoinWindow() {
    ASSERT_TRUE(WaitFor([this] { return sinceLatestLaunch.hasExpired(ForwardedFiles::kJoinWindowMs); }));
  }
  // Started once the latest process of the test was launched.
  QElapsedTimer sinceLatestLaunch;

  // One sender's signals arrive in order. The player is given a small change
  // on each of a few ticks and the test waits for the signal of each: once
  // the last has come, so has every signal the player sent on the ticks
  // before, and what is not in the log was never sent.
  static constexpr int kWitnessedTicks = 5;
  void WitnessTicksByVolume() {
    for (int tick = 0; tick < kWitnessedTicks; ++tick) {
      const int before = log.ChangesNaming(QStringLiteral("Volume"));
      Set("Volume", Get("Volume").toDouble() == 0.5 ? 0.75 : 0.5);
      ASSERT_TRUE(WaitFor([&] { return log.ChangesNaming(QStringLiteral("Volume")) > before; }));
    }
  }
  // The same with seeks two seconds back (a jump Seeked reports), for while
  // the volume is watched.
  void WitnessTicksBySeeking() {
    for (int tick = 0; tick < kWitnessedTicks; ++tick) {
      const qsizetype before = log.seeks.size();
      Call("Seek", {QVariant::fromValue(qlonglong{-2'000'000})});
      ASSERT_TRUE(WaitFor([&] { return log.seeks.size() > before; }));
    }
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
  const QStringList mimeTypes = Get(kRoot, "SupportedMimeTypes").toStringList();
  for (const char* type : {"audio/mpeg", "audio/flac", "audio/ogg", "audio/x-opus+ogg", "audio/mp4"}) {
    EXPECT_TRUE(mimeTypes.contains(QString::fromLatin1(type))) << type;
  }
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
  WitnessTicksByVolume();
  EXPECT_EQ(log.ChangesNaming(QStringLiteral("PlaybackStatus")), 1);
  EXPECT_EQ(log.changes.first().value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));
  EXPECT_EQ(Status(), QStringLiteral("Paused"));

  // Seek goes through the seek bar's SeekTo, in whole seconds; one Seeked.
  log.Clear();
  const qlonglong before = Position();
  Call("Seek", {QVariant::fromValue(qlonglong{5'000'000})});
  ASSERT_TRUE(WaitFor([this] { return !log.seeks.isEmpty(); }));
  WitnessTicksByVolume();
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
  WitnessTicksBySeeking();
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
  WitnessTicksByVolume();
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

// Paused, then given a file from outside: the file plays and every record
// says Playing, so that the desktop's Pause then pauses it.
TEST_F(MprisBusTest, AFileFromOutsidePlaysAndSaysSoAfterAPause) {
  StartPlayer();
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Playing"); }));
  const std::function<void(const QString&)> ways[] = {
      [this](const QString& file) { Call("OpenUri", {QUrl::fromLocalFile(file).toString()}); },
      [this](const QString& file) {
        PassTheJoinWindow();
        Start(other, QStringLiteral("instance.socket"), {file});
        ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
        EXPECT_EQ(other.exitCode(), 0);
      },
  };
  for (const char* name : {"opened.wav", "second.wav"}) {
    WriteSilence(Path(name), 30);
  }
  const char* files[] = {"opened.wav", "second.wav"};
  for (int way = 0; way < 2; ++way) {
    Call("Pause");
    ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Paused"); })) << way;
    ways[way](Path(files[way]));
    ASSERT_TRUE(WaitFor([&] { return Showing(Path(files[way])); })) << way;
    EXPECT_EQ(Status(), QStringLiteral("Playing")) << way;
    Call("Pause");
    EXPECT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Paused"); })) << way;
  }
}

// A file that cannot play, from the command line, a later start or OpenUri,
// is named on standard error with the reason; the next file plays, and when
// none does, the desktop sees no track rather than the one before.
TEST_F(MprisBusTest, ARefusedFileFromOutsideIsNamedAndLeavesNothingStale) {
  for (const char* name : {"broken.wav", "broken2.wav"}) {
    QFile text(Path(name));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("These are not sounds.\n");
  }
  Start(player, QStringLiteral("instance.socket"), {Path("missing.wav"), Path("first.wav")});
  ASSERT_TRUE(WaitFor([this] { return bus.interface()->isServiceRegistered(kName).value(); }));
  ASSERT_TRUE(SaidOnStandardError(QStringLiteral("cannot play ") + Path("missing.wav") +
                                  QStringLiteral(": No such file or directory")));
  ASSERT_TRUE(WaitFor([this] { return Showing(Path("first.wav")) && Status() == QStringLiteral("Playing"); }));

  PassTheJoinWindow();
  Start(other, QStringLiteral("instance.socket"), {Path("broken2.wav"), Path("second.wav")});
  ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
  EXPECT_TRUE(SaidOnStandardError(QStringLiteral("cannot play ") + Path("broken2.wav")));
  ASSERT_TRUE(WaitFor([this] { return Showing(Path("second.wav")); }));

  Call("OpenUri", {QUrl::fromLocalFile(Path("broken.wav")).toString()});
  ASSERT_TRUE(SaidOnStandardError(QStringLiteral("cannot play ") + Path("broken.wav")));
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Stopped"); }));
  const QVariantMap metadata = Metadata();
  EXPECT_EQ(TrackId(), QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
  EXPECT_FALSE(metadata.contains(QStringLiteral("xesam:title")));
  EXPECT_FALSE(metadata.contains(QStringLiteral("mpris:length")));
}

// Set answers a value it cannot take with the error the Properties interface
// names, and changes nothing.
TEST_F(MprisBusTest, SetRefusesValuesItCannotTakeAndChangesNothing) {
  StartPlayer();
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Playing"); }));
  const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
  struct Row {
    const char* name;
    QVariantList value;  // empty: the call carries no value
    QString error;
  };
  const auto wrapped = [](const QVariant& value) { return QVariantList{QVariant::fromValue(QDBusVariant(value))}; };
  const Row rows[] = {
      {"LoopStatus", wrapped(QStringLiteral("bogus")), invalid},
      {"LoopStatus", {}, invalid},
      {"Shuffle", wrapped(QStringLiteral("yes")), invalid},
      {"Rate", wrapped(0.0), invalid},
      {"Volume", wrapped(QStringLiteral("0.5")), invalid},
      {"Volume", {}, invalid},
      {"PlaybackStatus", wrapped(QStringLiteral("Paused")), QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly")},
      {"Loudness", wrapped(1.0), QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty")},
  };
  const double volume = Get("Volume").toDouble();
  for (const Row& row : rows) {
    const QDBusMessage reply =
        Reply(kProperties, "Set", QVariantList{kPlayer, QString::fromLatin1(row.name)} + row.value);
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage) << row.name;
    EXPECT_EQ(reply.errorName(), row.error) << row.name;
  }
  EXPECT_EQ(Get("LoopStatus").toString(), QStringLiteral("None"));
  EXPECT_FALSE(Get("Shuffle").toBool());
  EXPECT_DOUBLE_EQ(Get("Volume").toDouble(), volume);
  EXPECT_DOUBLE_EQ(Get("Rate").toDouble(), 1.0);
  EXPECT_EQ(Status(), QStringLiteral("Playing"));
}

// OpenUri decodes a URI as the command line does: what it refuses there is
// refused here too, and an escaped name opens its file.
TEST_F(MprisBusTest, OpenUriDecodesAsTheCommandLineDoes) {
  StartPlayer();
  ASSERT_TRUE(WaitFor([this] { return Status() == QStringLiteral("Playing"); }));
  const QString folder = QUrl::fromLocalFile(dir.path()).toString();
  for (const QString& uri : {folder + QStringLiteral("/%FF.wav"), folder + QStringLiteral("/a%2Fb.wav"),
                             folder + QStringLiteral("/opened.wav#x"), QStringLiteral("http://example.org/a.wav"),
                             QStringLiteral("file://elsewhere") + dir.path() + QStringLiteral("/opened.wav")}) {
    const QDBusMessage reply = Reply(kPlayer, "OpenUri", {uri});
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs")) << uri.toStdString();
  }
  EXPECT_TRUE(Showing(Path("first.wav")));
  WriteSilence(Path("with space.wav"), 30);
  Call("OpenUri", {folder + QStringLiteral("/with%20space.wav")});
  EXPECT_TRUE(WaitFor([this] { return Showing(Path("with space.wav")); }));
}

// "--help" and "--version" print and end with success; they neither open a
// player nor hand anything to the one running.
TEST_F(MprisBusTest, HelpAndVersionPrintAndTouchNoPlayer) {
  Start(other, QStringLiteral("instance.socket"), {QStringLiteral("--help")});
  ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
  EXPECT_EQ(other.exitCode(), 0);
  EXPECT_TRUE(QString::fromUtf8(other.readAllStandardOutput()).startsWith(QStringLiteral("Usage: solvane")));
  EXPECT_FALSE(QFile::exists(Path("instance.socket")));
  EXPECT_FALSE(QFile::exists(Path("solvane.dat")));

  StartPlayer();
  ASSERT_TRUE(WaitFor([this] { return Showing(Path("first.wav")); }));
  Start(other, QStringLiteral("instance.socket"), {QStringLiteral("--version"), Path("opened.wav")});
  ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
  EXPECT_EQ(other.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(other.readAllStandardOutput()), QStringLiteral("Solvane 0.91.0\n"));
  EXPECT_TRUE(Showing(Path("first.wav")));
}

TEST_F(MprisBusTest, ASecondPlayerTakesTheInstanceName) {
  StartPlayer();
  Start(other, QStringLiteral("other.socket"), {});
  const QString instanceName = kName + QStringLiteral(".instance") + QString::number(other.processId());
  EXPECT_TRUE(WaitFor([&] { return bus.interface()->isServiceRegistered(instanceName).value(); }));
}

TEST_F(MprisBusTest, WithoutASessionBusThePlayerRunsAndSaysSoOnce) {
  const QString noBus = QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("no-bus"));
  Start(other, QStringLiteral("other.socket"), {}, noBus);
  QString errors;
  const auto readErrors = [&] { errors += QString::fromUtf8(other.readAllStandardError()); };
  // It holds the instance by the time it asks for the bus.
  ASSERT_TRUE(WaitFor([&] {
    readErrors();
    return errors.contains(QStringLiteral("no session bus")) || other.state() != QProcess::Running;
  }));
  // Its event loop answers a later start: it has come up without the bus.
  QProcess later;
  Start(later, QStringLiteral("other.socket"), {}, noBus);
  ASSERT_TRUE(later.waitForFinished(kDeadlineMs));
  EXPECT_EQ(later.exitCode(), 0);
  ASSERT_EQ(other.state(), QProcess::Running);
  other.terminate();
  ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
  readErrors();
  EXPECT_EQ(errors.count(QStringLiteral("no session bus")), 1) << errors.toStdString();
}

// The state file the player saved at its exit, holding `name` in its
// playlist.
bool SavedStateHolds(const QTemporaryDir& dir, const QString& name) {
  QFile state(dir.filePath(QStringLiteral("solvane.dat")));
  const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
  return state.open(QIODevice::ReadOnly) && state.readAll().contains(wideName);
}

// Ends `process` with SIGTERM; it must end at once, normally, with its state
// saved.
void ExpectTerminationSaves(QProcess& process, const QTemporaryDir& dir) {
  ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGTERM), 0);
  ASSERT_TRUE(process.waitForFinished(kDeadlineMs));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(SavedStateHolds(dir, QStringLiteral("first.wav")));
}

// A session bus that takes every connection and never says a word: the
// player says so, its window comes up (its event loop answers a later
// start), and a termination signal saves and ends it at once.
TEST_F(MprisBusTest, ABusThatNeverAnswersHoldsNeitherTheStartNorTheExit) {
  QLocalServer silentBus;
  std::vector<std::unique_ptr<QLocalSocket>> heard;
  QObject::connect(&silentBus, &QLocalServer::newConnection, [&silentBus, &heard] {
    while (QLocalSocket* connection = silentBus.nextPendingConnection()) {
      heard.emplace_back(connection);
    }
  });
  ASSERT_TRUE(silentBus.listen(Path("silent-bus")));
  const QString address = QStringLiteral("unix:path=") + Path("silent-bus");
  Start(player, QStringLiteral("instance.socket"), {Path("first.wav")}, address);
  QString errors;
  ASSERT_TRUE(WaitFor([&] {
    errors += QString::fromUtf8(player.readAllStandardError());
    return errors.contains(QStringLiteral("session bus does not answer")) ||
           player.state() != QProcess::Running;
  }));
  ASSERT_EQ(player.state(), QProcess::Running);

  Start(other, QStringLiteral("instance.socket"), {}, address);
  ASSERT_TRUE(other.waitForFinished(kDeadlineMs));
  EXPECT_EQ(other.exitCode(), 0);
  EXPECT_EQ(player.state(), QProcess::Running);
  ExpectTerminationSaves(player, dir);
}

// A bus that answers at the start and then stops (here: stopped by a
// signal) does not hold the exit.
TEST_F(MprisBusTest, ABusThatStopsAnsweringDoesNotHoldTheExit) {
  QProcess daemon;
  daemon.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                QStringLiteral("--print-address=1"),
                QStringLiteral("--address=unix:path=") + Path("own-bus")});
  ASSERT_TRUE(daemon.waitForStarted());
  ASSERT_TRUE(WaitFor([&daemon] { return daemon.canReadLine(); }));
  const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
  {
    QDBusConnection ownBus = QDBusConnection::connectToBus(address, QStringLiteral("own-bus"));
    ASSERT_TRUE(ownBus.isConnected());
    Start(player, QStringLiteral("instance.socket"), {Path("first.wav")}, address);
    EXPECT_TRUE(WaitFor([&ownBus] { return ownBus.interface()->isServiceRegistered(kName).value(); }));
  }
  QDBusConnection::disconnectFromBus(QStringLiteral("own-bus"));

  ASSERT_EQ(::kill(static_cast<pid_t>(daemon.processId()), SIGSTOP), 0);
  ExpectTerminationSaves(player, dir);
  ::kill(static_cast<pid_t>(daemon.processId()), SIGCONT);
  daemon.kill();
  daemon.waitForFinished();
}

// A lock file of another user's at the guard's lock path: the player says
// it plays without the guard and comes up; it never waits for that lock.
TEST_F(MprisBusTest, AnotherUsersLockLeavesAPlayerThatSaysSoAndRuns) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "giving a file to another user needs root";
  }
  const QString lock = Path("instance.socket.lock");
  {
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\nsolvane\n\n");
  }
  ASSERT_EQ(::chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
  Start(player, QStringLiteral("instance.socket"), {Path("first.wav")});
  ASSERT_TRUE(WaitFor([this] { return bus.interface()->isServiceRegistered(kName).value(); }));
  EXPECT_TRUE(QString::fromUtf8(player.readAllStandardError())
                  .contains(QStringLiteral("playing without the single-instance guard")));
  ExpectTerminationSaves(player, dir);
}

}  // namespace
}  // namespace solvane::testing

#include "mpris_bus_test.moc"
