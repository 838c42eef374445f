#include "app/desktop/qt_mpris.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/input/command_ids.h"
#include "views/opened_files.h"
#include "app/window/qt_main_window.h"

namespace solvane {
namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kBusName = QStringLiteral("org.mpris.MediaPlayer2.solvane");
constexpr qint64 kMicrosPerTenth = 100'000;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariantMap MetadataMap(const MprisMetadata& metadata) {
  QVariantMap map;
  map.insert(QStringLiteral("mpris:trackid"),
             QVariant::fromValue(QDBusObjectPath(FromUtf8(MprisTrackId(metadata.track)))));
  if (metadata.track == 0) {
    return map;
  }
  map.insert(QStringLiteral("mpris:length"), QVariant::fromValue(qint64{metadata.lengthMicros}));
  map.insert(QStringLiteral("xesam:title"), FromUtf8(metadata.title));
  if (!metadata.artist.empty()) {
    map.insert(QStringLiteral("xesam:artist"), QStringList{FromUtf8(metadata.artist)});
  }
  if (!metadata.album.empty()) {
    map.insert(QStringLiteral("xesam:album"), FromUtf8(metadata.album));
  }
  if (!metadata.path.empty()) {
    map.insert(QStringLiteral("xesam:url"),
               QUrl::fromLocalFile(FromUtf8(metadata.path)).toString(QUrl::FullyEncoded));
  }
  map.insert(QStringLiteral("xesam:asText"), FromUtf8(metadata.lyricLine));
  return map;
}

// The player properties a snapshot answers, one row each, for Get, GetAll
// and PropertiesChanged alike.
struct PlayerPropertyReader {
  const char* name;
  QVariant (*read)(const MprisSnapshot& now);
};

const PlayerPropertyReader kPlayerProperties[] = {
    {"PlaybackStatus", [](const MprisSnapshot& now) { return QVariant(FromUtf8(now.playbackStatus)); }},
    {"LoopStatus", [](const MprisSnapshot& now) { return QVariant(FromUtf8(now.loopStatus)); }},
    {"Shuffle", [](const MprisSnapshot& now) { return QVariant(now.shuffle); }},
    {"Volume", [](const MprisSnapshot& now) { return QVariant(now.volume); }},
    {"Metadata", [](const MprisSnapshot& now) { return QVariant(MetadataMap(now.metadata)); }},
    {"CanGoNext", [](const MprisSnapshot& now) { return QVariant(now.canGoNext); }},
    {"CanGoPrevious", [](const MprisSnapshot& now) { return QVariant(now.canGoPrevious); }},
    {"CanPlay", [](const MprisSnapshot& now) { return QVariant(now.canPlay); }},
    {"CanPause", [](const MprisSnapshot& now) { return QVariant(now.canPause); }},
    {"CanSeek", [](const MprisSnapshot& now) { return QVariant(now.canSeek); }},
};

QVariant PlayerProperty(const MprisSnapshot& snapshot, const std::string& name) {
  for (const PlayerPropertyReader& property : kPlayerProperties) {
    if (name == property.name) {
      return property.read(snapshot);
    }
  }
  return {};
}

const char kIntrospection[] = R"(<interface name="org.mpris.MediaPlayer2">
  <method name="Raise"/><method name="Quit"/>
  <property name="CanQuit" type="b" access="read"/>
  <property name="CanRaise" type="b" access="read"/>
  <property name="HasTrackList" type="b" access="read"/>
  <property name="Identity" type="s" access="read"/>
  <property name="DesktopEntry" type="s" access="read"/>
  <property name="SupportedUriSchemes" type="as" access="read"/>
  <property name="SupportedMimeTypes" type="as" access="read"/>
</interface>
<interface name="org.mpris.MediaPlayer2.Player">
  <method name="Next"/><method name="Previous"/><method name="Pause"/>
  <method name="PlayPause"/><method name="Stop"/><method name="Play"/>
  <method name="Seek"><arg name="Offset" type="x" direction="in"/></method>
  <method name="SetPosition"><arg name="TrackId" type="o" direction="in"/><arg name="Position" type="x" direction="in"/></method>
  <method name="OpenUri"><arg name="Uri" type="s" direction="in"/></method>
  <signal name="Seeked"><arg name="Position" type="x"/></signal>
  <property name="PlaybackStatus" type="s" access="read"/>
  <property name="LoopStatus" type="s" access="readwrite"/>
  <property name="Rate" type="d" access="readwrite"/>
  <property name="Shuffle" type="b" access="readwrite"/>
  <property name="Metadata" type="a{sv}" access="read"/>
  <property name="Volume" type="d" access="readwrite"/>
  <property name="Position" type="x" access="read"/>
  <property name="MinimumRate" type="d" access="read"/>
  <property name="MaximumRate" type="d" access="read"/>
  <property name="CanGoNext" type="b" access="read"/>
  <property name="CanGoPrevious" type="b" access="read"/>
  <property name="CanPlay" type="b" access="read"/>
  <property name="CanPause" type="b" access="read"/>
  <property name="CanSeek" type="b" access="read"/>
  <property name="CanControl" type="b" access="read"/>
</interface>
)";

}  // namespace

MprisService::MprisService(MainWindow& window)
    : window_(window), connection_(QDBusConnection::sessionBus()) {}

MprisService::~MprisService() {
  if (!busName_.isEmpty()) {
    connection_.unregisterObject(kObjectPath);
    connection_.unregisterService(busName_);
  }
}

bool MprisService::Register() {
  if (!connection_.isConnected()) {
    std::fputs("Solvane: no session bus; the desktop's media controls cannot reach the player\n",
               stderr);
    return false;
  }
  if (!connection_.registerVirtualObject(kObjectPath, this)) {
    std::fputs("Solvane: the media-control object could not be registered on the session bus\n",
               stderr);
    return false;
  }
  QString name = kBusName;
  if (!connection_.registerService(name)) {
    name = kBusName + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid());
    if (!connection_.registerService(name)) {
      connection_.unregisterObject(kObjectPath);
      return false;
    }
  }
  busName_ = name;
  published_ = Now();
  sincePublished_.start();
  return true;
}

MprisSnapshot MprisService::Now() {
  AppRecords& records = window_.core().records();
  return TakeMprisSnapshot(MprisSources{records.player, *records.playlist, records.lyrics,
                                        records.trackInfo, GetVolume(window_.core().media())},
                           trackSerials_);
}

void MprisService::Publish() {
  if (busName_.isEmpty()) {
    return;
  }
  const MprisSnapshot now = Now();
  const std::vector<std::string> changed = ChangedMprisProperties(published_, now);
  if (!changed.empty()) {
    QVariantMap values;
    for (const std::string& name : changed) {
      values.insert(FromUtf8(name), PlayerProperty(now, name));
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(kObjectPath, kPropertiesInterface, QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << values << QStringList();
    connection_.send(signal);
  }
  if (PositionJumped(published_, now, sincePublished_.nsecsElapsed() / 1000)) {
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, kPlayerInterface, QStringLiteral("Seeked"));
    signal << QVariant::fromValue(qint64{now.positionMicros});
    connection_.send(signal);
  }
  published_ = now;
  sincePublished_.restart();
}

QString MprisService::introspect(const QString&) const { return QString::fromLatin1(kIntrospection); }

QVariantMap MprisService::RootProperties() const {
  QVariantMap map;
  map.insert(QStringLiteral("CanQuit"), true);
  map.insert(QStringLiteral("CanRaise"), true);
  map.insert(QStringLiteral("HasTrackList"), false);
  map.insert(QStringLiteral("Identity"), QStringLiteral("Solvane"));
  map.insert(QStringLiteral("DesktopEntry"), QStringLiteral("solvane"));
  map.insert(QStringLiteral("SupportedUriSchemes"), QStringList{QStringLiteral("file")});
  map.insert(QStringLiteral("SupportedMimeTypes"),
             QStringList{QStringLiteral("video/x-msvideo"), QStringLiteral("video/x-ms-wmv"),
                         QStringLiteral("audio/midi"), QStringLiteral("audio/x-aiff"),
                         QStringLiteral("audio/mpeg"), QStringLiteral("audio/basic"),
                         QStringLiteral("audio/x-wav"), QStringLiteral("video/x-ms-asf"),
                         QStringLiteral("audio/mp2"), QStringLiteral("audio/x-ms-wma")});
  return map;
}

QVariantMap MprisService::PlayerProperties() {
  const MprisSnapshot now = Now();
  QVariantMap map;
  for (const PlayerPropertyReader& property : kPlayerProperties) {
    map.insert(QString::fromLatin1(property.name), property.read(now));
  }
  map.insert(QStringLiteral("Position"), QVariant::fromValue(qint64{now.positionMicros}));
  map.insert(QStringLiteral("Rate"), 1.0);
  map.insert(QStringLiteral("MinimumRate"), 1.0);
  map.insert(QStringLiteral("MaximumRate"), 1.0);
  map.insert(QStringLiteral("CanControl"), true);
  return map;
}

bool MprisService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
  if (message.interface() == kPropertiesInterface) {
    return HandleProperties(message, connection);
  }
  if (message.interface() == kRootInterface) {
    return HandleRoot(message, connection);
  }
  if (message.interface() == kPlayerInterface) {
    return HandlePlayer(message, connection);
  }
  return false;
}

bool MprisService::HandleProperties(const QDBusMessage& message, const QDBusConnection& connection) {
  const QList<QVariant> arguments = message.arguments();
  const QString interface = arguments.value(0).toString();
  if (interface != kRootInterface && interface != kPlayerInterface) {
    connection.send(message.createErrorReply(QDBusError::UnknownInterface, interface));
    return true;
  }
  const QVariantMap all = interface == kRootInterface ? RootProperties() : PlayerProperties();
  const QString member = message.member();
  if (member == QStringLiteral("GetAll")) {
    connection.send(message.createReply(QVariant(all)));
  } else if (member == QStringLiteral("Get")) {
    const QString name = arguments.value(1).toString();
    if (!all.contains(name)) {
      connection.send(message.createErrorReply(QDBusError::UnknownProperty, name));
    } else {
      connection.send(message.createReply(QVariant::fromValue(QDBusVariant(all.value(name)))));
    }
  } else if (member == QStringLiteral("Set")) {
    const QString name = arguments.value(1).toString();
    const QVariant value = qvariant_cast<QDBusVariant>(arguments.value(2)).variant();
    if (interface == kPlayerInterface && SetProperty(name, value)) {
      connection.send(message.createReply());
    } else {
      connection.send(message.createErrorReply(QDBusError::PropertyReadOnly, name));
    }
  } else {
    return false;
  }
  return true;
}

bool MprisService::SetProperty(const QString& name, const QVariant& value) {
  AppCore& core = window_.core();
  const PlayerState& player = core.records().player;
  if (name == QStringLiteral("LoopStatus")) {
    if (LoopStatusMeansRepeat(value.toString().toStdString()) != (player.repeat != 0)) {
      core.Command(kCmdRepeat);
    }
  } else if (name == QStringLiteral("Shuffle")) {
    if (value.toBool() != (player.shuffle != 0)) {
      core.Command(kCmdShuffle);
    }
  } else if (name == QStringLiteral("Volume")) {
    solvane::SetVolume(core.media(), MprisVolumeToPercent(value.toDouble()));
    core.playback().shell.InvalidateMainWindow();
  } else {
    return name == QStringLiteral("Rate");  // one rate only; setting it changes nothing
  }
  return true;
}

bool MprisService::HandleRoot(const QDBusMessage& message, const QDBusConnection& connection) {
  const QString member = message.member();
  if (member == QStringLiteral("Raise")) {
    connection.send(message.createReply());
    Raise();
  } else if (member == QStringLiteral("Quit")) {
    connection.send(message.createReply());
    // After the reply has gone: the exit path ends the event loop.
    QTimer::singleShot(0, &window_, [this] { window_.ExitProgram(); });
  } else {
    return false;
  }
  return true;
}

void MprisService::Raise() {
  if (window_.CollapsedToMenuBar()) {
    window_.core().Command(kCmdMaximize);
  }
  window_.BringToFront();
}

bool MprisService::HandlePlayer(const QDBusMessage& message, const QDBusConnection& connection) {
  AppCore& core = window_.core();
  const QString member = message.member();
  const QList<QVariant> arguments = message.arguments();
  const std::string status = Now().playbackStatus;
  if (member == QStringLiteral("PlayPause")) {
    core.Command(kCmdPlayPause);
  } else if (member == QStringLiteral("Play")) {
    if (status != "Playing") core.Command(kCmdPlayPause);
  } else if (member == QStringLiteral("Pause")) {
    if (status == "Playing") core.Command(kCmdPlayPause);
  } else if (member == QStringLiteral("Stop")) {
    core.Command(kCmdStop);
  } else if (member == QStringLiteral("Next")) {
    core.Command(kCmdNext);
  } else if (member == QStringLiteral("Previous")) {
    core.Command(kCmdPrevious);
  } else if (member == QStringLiteral("Seek")) {
    SeekBy(arguments.value(0).toLongLong());
  } else if (member == QStringLiteral("SetPosition")) {
    SetPosition(qvariant_cast<QDBusObjectPath>(arguments.value(0)).path(),
                arguments.value(1).toLongLong());
  } else if (member == QStringLiteral("OpenUri")) {
    if (!OpenUri(arguments.value(0).toString())) {
      connection.send(message.createErrorReply(QDBusError::InvalidArgs,
                                               QStringLiteral("only file URIs can be opened")));
      return true;
    }
  } else {
    return false;
  }
  connection.send(message.createReply());
  return true;
}

// As the seek bar does: through SeekTo, in whole seconds. A seek past the end
// goes on to the next entry, a seek before the start goes to 0.
void MprisService::SeekBy(qint64 offsetMicros) {
  AppCore& core = window_.core();
  const PlayerState& player = core.records().player;
  if (player.trackLoaded == 0) {
    return;
  }
  const qint64 target = qint64{player.playPosition} + offsetMicros / kMicrosPerTenth;
  if (player.trackDuration > 0 && target > player.trackDuration) {
    core.Command(kCmdNext);
    return;
  }
  SeekTo(core.playback(), static_cast<std::int32_t>(std::max<qint64>(target, 0)));
  core.playback().shell.InvalidateMainWindow();
}

// Ignored unless `trackId` names the track that is loaded now and the
// position lies inside it.
void MprisService::SetPosition(const QString& trackId, qint64 positionMicros) {
  if (!SetPositionApplies(Now(), trackId.toStdString(), positionMicros)) {
    return;
  }
  AppCore& core = window_.core();
  SeekTo(core.playback(), static_cast<std::int32_t>(positionMicros / kMicrosPerTenth));
  core.playback().shell.InvalidateMainWindow();
}

// As a file named on the command line is opened.
bool MprisService::OpenUri(const QString& uri) {
  const QUrl url(uri);
  if (!url.isLocalFile()) {
    return false;
  }
  const std::u16string paths[] = {url.toLocalFile().toStdU16String()};
  OpenFiles(window_.core().playback(), paths);
  window_.core().playback().shell.InvalidateMainWindow();
  return true;
}

}  // namespace solvane
