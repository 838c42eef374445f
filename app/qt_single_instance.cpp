#include "app/qt_single_instance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace solvane {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// How long a later start waits for the player to say it took the message.
constexpr int kAnswerTimeoutMs = 5000;
constexpr QByteArrayView kTakenAnswer = "\x06";
// How long a start waits before it looks for the player again.
constexpr unsigned long kRetryMs = 20;
// A later start that says nothing within this time is dropped.
constexpr int kReceiveTimeoutMs = 3000;
// 300 paths of a few kilobytes each at most.
constexpr quint32 kMaxMessageBytes = 1024 * 1024;
constexpr int kMaxOpenConnections = 16;
constexpr qsizetype kLengthBytes = 4;

QByteArray Frame(const QStringList& paths) {
  QByteArray body;
  for (const QString& path : paths) {
    body += path.toUtf8();
    body += '\0';
  }
  QByteArray message(kLengthBytes, '\0');
  qToBigEndian(static_cast<quint32>(body.size()), message.data());
  return message + body;
}

QStringList Unframe(const QByteArray& body) {
  QStringList paths;
  for (const QByteArray& path : body.split('\0')) {
    if (!path.isEmpty()) {
      paths.push_back(QString::fromUtf8(path));
    }
  }
  return paths;
}

// Whether `path` names a socket of this user's, not a link or anything else.
bool IsOwnSocket(const QString& path) {
  struct stat info{};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
         info.st_uid == ::geteuid();
}

// Whether `path` is a folder this user owns and nobody else may enter.
bool IsPrivateFolder(const QString& path) {
  struct stat info{};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR when it is private to the user, else a private folder of
// the user's made for the purpose; empty when none can be trusted.
QString UserRuntimeFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.startsWith(u'/') && IsPrivateFolder(runtime)) {
    return runtime;
  }
  const QString own = QStringLiteral("/tmp/solvane-%1").arg(static_cast<qulonglong>(::geteuid()));
  ::mkdir(QFile::encodeName(own).constData(), 0700);
  return IsPrivateFolder(own) ? own : QString();
}

}  // namespace

QString InstanceName() {
  const QString override = qEnvironmentVariable("SOLVANE_INSTANCE_NAME");
  if (!override.isEmpty()) {
    return override;
  }
  const QString folder = UserRuntimeFolder();
  return folder.isEmpty() ? QString() : folder + QStringLiteral("/solvane.socket");
}

SingleInstance::SingleInstance(QString name)
    : name_(std::move(name)), lock_(name_.isEmpty() ? QString() : name_ + QStringLiteral(".lock")) {
  // A lock is stale only when its process is gone, however long it has held it.
  lock_.setStaleLockTime(0);
}

SingleInstance::Claim SingleInstance::ClaimOrHandOver(const QStringList& paths, int deadlineMs) {
  if (name_.isEmpty()) {
    return Claim::kUnguarded;
  }
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    if (lock_.tryLock(0)) {
      return Claim::kPlayer;
    }
    if (HandToRunningInstance(paths)) {
      return Claim::kHandedOver;
    }
    // The lock's holder is still starting, or the lock cannot be made at all.
    if (lock_.error() == QLockFile::PermissionError || lock_.error() == QLockFile::UnknownError ||
        clock.elapsed() > deadlineMs) {
      std::fprintf(stderr, "solvane: no other player answered; playing on its own\n");
      return Claim::kUnguarded;
    }
    QThread::msleep(kRetryMs);
  }
}

bool SingleInstance::HandToRunningInstance(const QStringList& paths) {
  if (!IsOwnSocket(name_)) {
    return false;
  }
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    return false;
  }
  socket.write(Frame(paths));
  while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(kConnectTimeoutMs)) {
  }
  // Only the player's answer says the message was taken: a connection over
  // the player's limit is accepted by the system but dropped unread.
  const bool taken = socket.waitForReadyRead(kAnswerTimeoutMs) && socket.read(1) == kTakenAnswer;
  socket.disconnectFromServer();
  return taken;
}

bool SingleInstance::Listen(std::function<void(const QStringList& paths)> receive) {
  if (name_.isEmpty()) {
    return false;
  }
  receive_ = std::move(receive);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
  if (server_.listen(name_)) {
    return true;
  }
  // Nobody answered on the name, so whatever holds it is left over.
  QLocalServer::removeServer(name_);
  return server_.listen(name_);
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    if (openConnections_ >= kMaxOpenConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++openConnections_;
    socket->setReadBufferSize(kLengthBytes + kMaxMessageBytes);
    connect(socket, &QObject::destroyed, this, [this] { --openConnections_; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kReceiveTimeoutMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() < kLengthBytes) {
        return;
      }
      const QByteArray head = socket->peek(kLengthBytes);
      const quint32 length = qFromBigEndian<quint32>(head.constData());
      if (length > kMaxMessageBytes) {
        socket->abort();
        return;
      }
      if (socket->bytesAvailable() < kLengthBytes + static_cast<qint64>(length)) {
        return;
      }
      socket->read(kLengthBytes);
      const QStringList paths = Unframe(socket->read(length));
      socket->write(kTakenAnswer.data(), kTakenAnswer.size());
      socket->disconnectFromServer();
      if (receive_) {
        receive_(paths);
      }
    });
  }
}

}  // namespace solvane
