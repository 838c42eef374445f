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
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/input/command_ids.h"
#include "app/window/qt_main_window.h"
#include "views/opened_files.h"
#include "views/outside_paths.h"

namespace solvane {
namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kBusName = QStringLiteral("org.mpris.MediaPlayer2.solvane");
constexpr qint64 kMicrosPerTenth = 100'000;
// How long a call to the bus itself may wait for its answer: the start and
// the exit never wait longer on a bus that stopped answering.
constexpr int kBusCallTimeoutMs = 2000;

QDBusMessage BusCall(const QString& method) {
  return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                        QStringLiteral("/org/freedesktop/DBus"),
                                        QStringLiteral("org.freedesktop.DBus"), method);
}

// Asks the bus for `name`, never queued behind another owner; true when this
// connection owns it.
bool RequestName(const QDBusConnection& connection, const QString& name) {
  constexpr quint32 kDoNotQueue = 4;
  constexpr quint32 kPrimaryOwner = 1;
  constexpr quint32 kAlreadyOwner = 4;
  QDBusMessage request = BusCall(QStringLiteral("RequestName"));
  request << name << kDoNotQueue;
  const QDBusMessage reply = connection.call(request, QDBus::Block, kBusCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    return false;
  }
  const quint32 result = reply.arguments().constFirst().toUInt();
  return result == kPrimaryOwner || result == kAlreadyOwner;
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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

QVariant ToQVariant(const MprisValue& value) {
  struct Convert {
    QVariant operator()(bool flag) const { return QVariant(flag); }
    QVariant operator()(double number) const { return QVariant(number); }
    QVariant operator()(std::int64_t number) const { return QVariant::fromValue(qint64{number}); }
    QVariant operator()(const std::string& text) const { return QVariant(FromUtf8(text)); }
    QVariant operator()(const std::vector<std::string>& texts) const {
      QStringList list;
      for (const std::string& text : texts) {
        list.push_back(FromUtf8(text));
      }
      return QVariant(list);
    }
    QVariant operator()(const MprisMetadata& metadata) const { return QVariant(MetadataMap(metadata)); }
  };
  return std::visit(Convert{}, value);
}

// A value set over the bus, when it has one of the types a property takes.
std::optional<MprisValue> FromQVariant(const QVariant& value) {
  switch (value.metaType().id()) {
    case QMetaType::Bool:
      return MprisValue(value.toBool());
    case QMetaType::Double:
      return MprisValue(value.toDouble());
    case QMetaType::LongLong:
      return MprisValue(std::int64_t{value.toLongLong()});
    case QMetaType::QString:
      return MprisValue(value.toString().toStdString());
    default:
      return std::nullopt;
  }
}

std::optional<MprisInterface> InterfaceNamed(const QString& name) {
  if (name == kRootInterface) return MprisInterface::kRoot;
  if (name == kPlayerInterface) return MprisInterface::kPlayer;
  return std::nullopt;
}

const char kRootMethods[] = R"(  <method name="Raise"/><method name="Quit"/>
)";

const char kPlayerMethods[] = R"(  <method name="Next"/><method name="Previous"/><method name="Pause"/>
  <method name="PlayPause"/><method name="Stop"/><method name="Play"/>
  <method name="Seek"><arg name="Offset" type="x" direction="in"/></method>
  <method name="SetPosition"><arg name="TrackId" type="o" direction="in"/><arg name="Position" type="x" direction="in"/></method>
  <method name="OpenUri"><arg name="Uri" type="s" direction="in"/></method>
  <signal name="Seeked"><arg name="Position" type="x"/></signal>
)";

// One interface's introspection: its methods and its rows of the table.
QString InterfaceXml(const QString& name, MprisInterface interface, const char* methods) {
  QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(name) + QString::fromLatin1(methods);
  for (const MprisProperty& property : MprisProperties()) {
    if (property.interface == interface) {
      xml += QStringLiteral("  <property name=\"%1\" type=\"%2\" access=\"%3\"/>\n")
                 .arg(Latin1(property.name), Latin1(property.signature),
                      property.writable ? QStringLiteral("readwrite") : QStringLiteral("read"));
    }
  }
  return xml + QStringLiteral("</interface>\n");
}

QDBusError::ErrorType SetError(MprisSetAnswer answer) {
  switch (answer) {
    case MprisSetAnswer::kUnknownProperty:
      return QDBusError::UnknownProperty;
    case MprisSetAnswer::kReadOnly:
      return QDBusError::PropertyReadOnly;
    default:
      return QDBusError::InvalidArgs;
  }
}

}  // namespace

MprisService::MprisService(MainWindow& window)
    : window_(window), connection_(QDBusConnection::sessionBus()) {}

MprisService::~MprisService() {
  if (!busName_.isEmpty()) {
    connection_.unregisterObject(kObjectPath);
    // Sent without waiting for the answer: a bus that stopped answering must
    // not hold the exit (the bus frees the name with the connection anyway).
    QDBusMessage release = BusCall(QStringLiteral("ReleaseName"));
    release << busName_;
    connection_.send(release);
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
  if (!RequestName(connection_, name)) {
    name = kBusName + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid());
    if (!RequestName(connection_, name)) {
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
      values.insert(FromUtf8(name),
                    ToQVariant(FindMprisProperty(MprisInterface::kPlayer, name)->read(now)));
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

QString MprisService::introspect(const QString&) const {
  return InterfaceXml(kRootInterface, MprisInterface::kRoot, kRootMethods) +
         InterfaceXml(kPlayerInterface, MprisInterface::kPlayer, kPlayerMethods);
}

QVariantMap MprisService::Properties(MprisInterface interface) {
  const MprisSnapshot now = Now();
  QVariantMap map;
  for (const MprisProperty& property : MprisProperties()) {
    if (property.interface == interface) {
      map.insert(Latin1(property.name), ToQVariant(property.read(now)));
    }
  }
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
  const QString interfaceName = arguments.value(0).toString();
  const std::optional<MprisInterface> interface = InterfaceNamed(interfaceName);
  if (!interface) {
    connection.send(message.createErrorReply(QDBusError::UnknownInterface, interfaceName));
    return true;
  }
  const QString member = message.member();
  const QString name = arguments.value(1).toString();
  if (member == QStringLiteral("GetAll")) {
    connection.send(message.createReply(QVariant(Properties(*interface))));
  } else if (member == QStringLiteral("Get")) {
    const QVariantMap all = Properties(*interface);
    if (!all.contains(name)) {
      connection.send(message.createErrorReply(QDBusError::UnknownProperty, name));
    } else {
      connection.send(message.createReply(QVariant::fromValue(QDBusVariant(all.value(name)))));
    }
  } else if (member == QStringLiteral("Set")) {
    // A call without its value, or with a value of a type no property takes,
    // is judged as one without a value.
    std::optional<MprisValue> value;
    if (message.signature() == QStringLiteral("ssv")) {
      value = FromQVariant(qvariant_cast<QDBusVariant>(arguments.value(2)).variant());
    }
    const MprisSetAnswer answer = JudgeMprisSet(*interface, name.toStdString(), value);
    if (answer != MprisSetAnswer::kApply) {
      connection.send(message.createErrorReply(SetError(answer), name));
      return true;
    }
    SetProperty(name, *value);
    connection.send(message.createReply());
  } else {
    return false;
  }
  return true;
}

// Applies a Set that JudgeMprisSet found valid.
void MprisService::SetProperty(const QString& name, const MprisValue& value) {
  AppCore& core = window_.core();
  const PlayerState& player = core.records().player;
  if (name == QStringLiteral("LoopStatus")) {
    if (LoopStatusMeansRepeat(std::get<std::string>(value)) != (player.repeat != 0)) {
      core.Command(kCmdRepeat);
    }
  } else if (name == QStringLiteral("Shuffle")) {
    if (std::get<bool>(value) != (player.shuffle != 0)) {
      core.Command(kCmdShuffle);
    }
  } else if (name == QStringLiteral("Volume")) {
    solvane::SetVolume(core.media(), MprisVolumeToPercent(std::get<double>(value)));
    core.playback().shell.InvalidateMainWindow();
  }
  // The one rate there is needs nothing done.
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
      connection.send(message.createErrorReply(
          QDBusError::InvalidArgs, QStringLiteral("not a local file URI that names a file")));
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

// As a file URI named on the command line is opened, decoded by the same
// rule.
bool MprisService::OpenUri(const QString& uri) {
  const QByteArray bytes = uri.toUtf8();
  const std::optional<std::u16string> path =
      FileUriPath(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!path) {
    return false;
  }
  const std::u16string paths[] = {*path};
  window_.OpenFilesFromOutside(paths);
  return true;
}

}  // namespace solvane
