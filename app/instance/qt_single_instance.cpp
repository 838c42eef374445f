#include "app/instance/qt_single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <span>

namespace solvane {
namespace {

constexpr std::chrono::milliseconds kConnectTimeout{1000};
// How long a later start waits for the player to say it took the message.
constexpr std::chrono::milliseconds kAnswerTimeout{5000};
constexpr char kTakenAnswer = '\x06';
// How long a start waits before it looks for the player again.
constexpr unsigned long kRetryMs = 20;
// A later start that says nothing within this time is dropped.
constexpr int kReceiveTimeoutMs = 3000;
// 300 paths of a few kilobytes each at most.
constexpr quint32 kMaxMessageBytes = 1024 * 1024;
constexpr int kMaxOpenConnections = 16;
constexpr qsizetype kLengthBytes = 4;
constexpr std::size_t kHeadBytes = kLengthBytes;

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

QStringList Unframe(QByteArrayView body) {
  QStringList paths;
  for (const QByteArray& path : body.toByteArray().split('\0')) {
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

// Where a socket name lies: an absolute path as it is, any other name in the
// temporary folder.
QString SocketPath(const QString& name) {
  if (name.isEmpty() || name.startsWith(u'/')) {
    return name;
  }
  return QDir::cleanPath(QDir::tempPath()) + u'/' + name;
}

std::string EncodedPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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

// One later start speaking to the player: its message is read as it
// arrives; the connection is dropped when it claims too much, ends early or
// says nothing in time.
class SingleInstance::Connection final : public QObject {
 public:
  Connection(SingleInstance& owner, LocalSocket socket)
      : QObject(&owner),
        owner_(owner),
        socket_(std::move(socket)),
        readable_(socket_.Descriptor(), QSocketNotifier::Read, this) {
    connect(&readable_, &QSocketNotifier::activated, this, [this] { Read(); });
    QTimer::singleShot(kReceiveTimeoutMs, this, [this] { Close(); });
  }

  // Closes the socket at once; the object goes later, as it may be in the
  // middle of its own call.
  void Close() {
    if (!socket_.IsOpen()) {
      return;
    }
    readable_.setEnabled(false);
    socket_ = LocalSocket();
    --owner_.openConnections_;
    deleteLater();
  }

 private:
  void Read() {
    const Received received = ReceiveAvailable(socket_, buffer_, kHeadBytes + length_.value_or(0));
    if (!length_ && buffer_.size() == kHeadBytes) {
      length_ = qFromBigEndian<quint32>(buffer_.data());
      if (*length_ > kMaxMessageBytes) {
        Close();
        return;
      }
      Read();  // the body may be there already
      return;
    }
    if (length_ && buffer_.size() == kHeadBytes + *length_) {
      const QStringList paths = Unframe(QByteArrayView(buffer_).sliced(kHeadBytes));
      SendAll(socket_, std::span<const char>(&kTakenAnswer, 1), kConnectTimeout);
      Close();
      if (owner_.receive_) {
        owner_.receive_(paths);
      }
      return;
    }
    if (received.ended) {
      Close();
    }
  }

  SingleInstance& owner_;
  LocalSocket socket_;
  QSocketNotifier readable_;
  std::string buffer_;
  std::optional<std::size_t> length_;
};

SingleInstance::SingleInstance(const QString& name)
    : path_(SocketPath(name)), lock_(path_.isEmpty() ? QString() : path_ + QStringLiteral(".lock")) {
  // A lock is stale only when its process is gone, however long it has held it.
  lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
  if (listening_.IsOpen()) {
    ::unlink(EncodedPath(path_).c_str());
  }
}

SingleInstance::Claim SingleInstance::ClaimOrHandOver(const QStringList& paths, int deadlineMs) {
  if (path_.isEmpty()) {
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
  if (!IsOwnSocket(path_)) {
    return false;
  }
  const LocalSocket socket = ConnectLocal(EncodedPath(path_), kConnectTimeout);
  if (!socket.IsOpen()) {
    return false;
  }
  const QByteArray message = Frame(paths);
  // Only the player's answer says the message was taken: a connection over
  // the player's limit is accepted by the system but dropped unread.
  return SendAll(socket, std::span<const char>(message.constData(), message.size()),
                 kConnectTimeout) &&
         ReceiveByte(socket, kAnswerTimeout) == kTakenAnswer;
}

bool SingleInstance::Listen(std::function<void(const QStringList& paths)> receive) {
  if (path_.isEmpty() || listening_.IsOpen()) {
    return false;
  }
  const std::string path = EncodedPath(path_);
  listening_ = ListenLocal(path);
  if (!listening_.IsOpen() && FitsSocketAddress(path)) {
    // Nobody answered on the name, so whatever holds it is left over.
    ::unlink(path.c_str());
    listening_ = ListenLocal(path);
  }
  if (!listening_.IsOpen()) {
    return false;
  }
  receive_ = std::move(receive);
  auto watch = std::make_unique<QSocketNotifier>(listening_.Descriptor(), QSocketNotifier::Read);
  connect(watch.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
  acceptWatch_ = std::move(watch);
  return true;
}

void SingleInstance::Accept() {
  for (LocalSocket socket = AcceptLocal(listening_); socket.IsOpen();
       socket = AcceptLocal(listening_)) {
    if (openConnections_ >= kMaxOpenConnections) {
      continue;  // closed as it goes
    }
    ++openConnections_;
    new Connection(*this, std::move(socket));
  }
}


}  // namespace solvane
