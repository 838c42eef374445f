#include "app/instance/qt_single_instance.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace solvane {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// How long a later start waits for the player to say it took the message.
constexpr int kAnswerTimeoutMs = 5000;
constexpr char kTakenAnswer = '\x06';
// How long a start waits before it looks for the player again.
constexpr unsigned long kRetryMs = 20;
// A later start that says nothing within this time is dropped.
constexpr int kReceiveTimeoutMs = 3000;
// 300 paths of a few kilobytes each at most.
constexpr quint32 kMaxMessageBytes = 1024 * 1024;
constexpr int kMaxOpenConnections = 16;
// Handovers remembered, so one sent again after a late answer is not taken
// twice: far more than starts come within one answer's wait.
constexpr std::size_t kRememberedHandovers = 256;
// A lock file that names no process is being written for this long at most.
constexpr qint64 kLockWritingMs = 1000;

}  // namespace

// One later start speaking to the player: its message is read as it
// arrives; the connection is dropped when it claims too much, ends early or
// says nothing in time.
class SingleInstance::Connection final : public QObject {
 public:
  Connection(SingleInstance& owner, QLocalSocket* socket)
      : QObject(&owner), owner_(owner), socket_(socket) {
    socket_->setParent(this);
    connect(socket_, &QLocalSocket::readyRead, this, [this] { Read(); });
    connect(socket_, &QLocalSocket::disconnected, this, [this] { Close(); });
    QTimer::singleShot(kReceiveTimeoutMs, this, [this] { Close(); });
    Read();  // the message may be there already
  }

  // Ends the connection once; the object goes later, as it may be in the
  // middle of its own call.
  void Close() {
    if (closed_) {
      return;
    }
    closed_ = true;
    --owner_.openConnections_;
    socket_->disconnectFromServer();
    deleteLater();
  }

 private:
  void Read() {
    if (closed_) {
      return;
    }
    const qsizetype whole = kHandoverLengthBytes + static_cast<qsizetype>(length_.value_or(0));
    buffer_ += socket_->read(whole - buffer_.size());
    if (!length_ && buffer_.size() == kHandoverLengthBytes) {
      length_ = AnnouncedLength(buffer_);
      if (*length_ > kMaxMessageBytes) {
        Close();
        return;
      }
      Read();  // the body may be there already
      return;
    }
    if (!length_ || buffer_.size() < whole) {
      return;
    }
    const std::optional<Handover> handover =
        ReadHandover(QByteArrayView(buffer_).sliced(kHandoverLengthBytes));
    if (handover) {
      socket_->write(&kTakenAnswer, 1);
      socket_->flush();
    }
    Close();
    if (handover) {
      owner_.Take(*handover);
    }
  }

  SingleInstance& owner_;
  QLocalSocket* socket_;
  QByteArray buffer_;
  std::optional<quint32> length_;
  bool closed_ = false;
};

SingleInstance::SingleInstance(const QString& name)
    : path_(name),
      lockPath_(name.isEmpty() ? QString() : name + QStringLiteral(".lock")),
      reachable_(std::make_unique<ReachablePath>(name)),
      lock_(lockPath_) {
  // A lock is stale only when its process is gone, however long it has held it.
  lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::Unguarded(const char* reason) {
  std::fprintf(stderr, "solvane: %s; playing without the single-instance guard\n", reason);
  return Claim::kUnguarded;
}

SingleInstance::Claim SingleInstance::ClaimOrHandOver(const Handover& handover, int deadlineMs,
                                                      const std::function<bool()>& giveUp) {
  if (path_.isEmpty()) {
    return Unguarded("no folder of the user's alone holds the instance socket");
  }
  if (reachable_->Path().isEmpty()) {
    return Unguarded("the instance socket's path is too long");
  }
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    const PlaceEntry lock = InspectPlace(lockPath_);
    if (lock == PlaceEntry::kForeign) {
      return Unguarded("the instance lock is another user's");
    }
    if (lock != PlaceEntry::kAbsent && lock != PlaceEntry::kOwnFile &&
        !RemoveOwnLeftover(lockPath_)) {
      return Unguarded("what lies at the instance lock's path cannot be removed");
    }
    if (lock_.tryLock(0)) {
      return Claim::kPlayer;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
      return Unguarded("the instance lock cannot be made");
    }
    if (RemoveLeftoverLock()) {
      continue;
    }
    // The lock's holder runs; it may still be starting.
    if (HandToRunningInstance(handover)) {
      return Claim::kHandedOver;
    }
    if (giveUp && giveUp()) {
      return Claim::kUnguarded;  // the process ends; nothing to say
    }
    if (clock.elapsed() > deadlineMs) {
      return Unguarded("no other player answered");
    }
    QThread::msleep(kRetryMs);
  }
}

bool SingleInstance::RemoveLeftoverLock() {
  const auto leftover = [this] {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&pid, &host, &application)) {
      // The folder is this machine's alone, so another machine's lock in it
      // is left from an earlier name of this one or a copied home.
      return !host.isEmpty() && host != QSysInfo::machineHostName();
    }
    const QFileInfo file(lockPath_);
    return file.exists() &&
           std::abs(file.lastModified().msecsTo(QDateTime::currentDateTimeUtc())) > kLockWritingMs;
  };
  if (!leftover()) {
    return false;
  }
  // As Qt's own stale-lock removal does: one remover at a time, who looks
  // again, so a lock made meanwhile by another start is never removed.
  QLockFile removal(lockPath_ + QStringLiteral(".rmlock"));
  return removal.tryLock(0) && leftover() && lock_.removeStaleLockFile();
}

bool SingleInstance::HandToRunningInstance(const Handover& handover) {
  if (reachable_->Path().isEmpty() || InspectPlace(path_) != PlaceEntry::kOwnSocket) {
    return false;
  }
  QLocalSocket socket;
  socket.connectToServer(reachable_->Path());
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    return false;
  }
  socket.write(FrameHandover(handover));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(kConnectTimeoutMs)) {
      return false;
    }
  }
  // Only the player's answer says the message was taken: a connection over
  // the player's limit is accepted by the system but dropped unread.
  const QDeadlineTimer answer(kAnswerTimeoutMs);
  while (socket.bytesAvailable() == 0) {
    if (answer.hasExpired() || !socket.waitForReadyRead(static_cast<int>(answer.remainingTime()))) {
      return false;
    }
  }
  return socket.read(1) == QByteArray(1, kTakenAnswer);
}

bool SingleInstance::Listen(std::function<void(const Handover&)> receive) {
  if (!lock_.isLocked() || server_.isListening()) {
    return false;
  }
  const PlaceEntry socket = InspectPlace(path_);
  const char* failure = nullptr;
  if (socket == PlaceEntry::kForeign) {
    failure = "the instance socket's path holds another user's file";
  } else if (socket == PlaceEntry::kOwnOther && !RemoveOwnLeftover(path_)) {
    failure = "what lies at the instance socket's path cannot be removed";
  } else {
    // Made in a new folder beside its path with access for the user alone,
    // then moved over whatever socket or file an earlier run left there.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(reachable_->Path())) {
      failure = "the instance socket cannot listen";
    }
  }
  if (failure != nullptr) {
    Unguarded(failure);
    lock_.unlock();  // later starts then play on their own at once
    return false;
  }
  receive_ = std::move(receive);
  connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
  return true;
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    if (openConnections_ >= kMaxOpenConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++openConnections_;
    new Connection(*this, socket);
  }
}

void SingleInstance::Take(const Handover& handover) {
  if (std::find(takenIds_.begin(), takenIds_.end(), handover.id) != takenIds_.end()) {
    return;
  }
  takenIds_.push_back(handover.id);
  if (takenIds_.size() > kRememberedHandovers) {
    takenIds_.pop_front();
  }
  if (receive_) {
    receive_(handover);
  }
}

}  // namespace solvane
