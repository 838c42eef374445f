#include "app/qt_single_instance.h"

#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>
#include <QtGlobal>

#include <unistd.h>

namespace solvane {
namespace {

constexpr int kConnectTimeoutMs = 1000;
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

}  // namespace

QString InstanceName() {
  const QString override = qEnvironmentVariable("SOLVANE_INSTANCE_NAME");
  if (!override.isEmpty()) {
    return override;
  }
  return QStringLiteral("solvane-%1").arg(static_cast<qulonglong>(getuid()));
}

bool SingleInstance::HandToRunningInstance(const QStringList& paths) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    return false;
  }
  socket.write(Frame(paths));
  while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(kConnectTimeoutMs)) {
  }
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Listen(std::function<void(const QStringList& paths)> receive) {
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
      socket->disconnectFromServer();
      if (receive_) {
        receive_(paths);
      }
    });
  }
}

}  // namespace solvane
