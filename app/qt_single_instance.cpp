#include "app/qt_single_instance.h"

#include <QLocalSocket>
#include <QtGlobal>

#include <unistd.h>

namespace solvane {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr QByteArrayView kShowRequest = "show\n";

}  // namespace

QString InstanceName() {
  const QString override = qEnvironmentVariable("SOLVANE_INSTANCE_NAME");
  if (!override.isEmpty()) {
    return override;
  }
  return QStringLiteral("solvane-%1").arg(static_cast<qulonglong>(getuid()));
}

bool SingleInstance::AskRunningInstanceToShow() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    return false;
  }
  socket.write(kShowRequest.data(), kShowRequest.size());
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Listen(std::function<void()> showWindow) {
  showWindow_ = std::move(showWindow);
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
    // Any connection is a later start; what it says is not needed.
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (showWindow_) {
      showWindow_();
    }
  }
}

}  // namespace solvane
