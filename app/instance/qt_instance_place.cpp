#include "app/instance/qt_instance_place.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>

namespace solvane {
namespace {

const QString kSocketName = QStringLiteral("solvane.socket");

// The longest path a socket address takes: its size less the ending NUL and
// the leading NUL that Qt allows for abstract names.
constexpr qsizetype kLongestSocketPath = sizeof(sockaddr_un::sun_path) - 2;

QByteArray Encoded(const QString& path) { return QFile::encodeName(path); }

// Whether `path` (links followed) is a folder of the user's that no one else
// may write to.
bool IsOwnFolder(const QString& path) {
  struct stat info{};
  return ::stat(Encoded(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::geteuid() && (info.st_mode & 022) == 0;
}

// IsOwnFolder, after making the folder for the user alone when it is missing.
bool MakeOwnFolder(const QString& path) {
  if (::mkdir(Encoded(path).constData(), 0700) != 0 && errno != EEXIST) {
    return false;
  }
  return IsOwnFolder(path);
}

// A folder of the user's home for this host's guard: ~/.cache/solvane-<host>,
// private to the user. Empty when the home or a folder on the way is not the
// user's alone.
QString HomeInstanceFolder() {
  const QString home = QDir::homePath();
  QString host = QSysInfo::machineHostName();
  host.replace(u'/', u'_');
  if (host.isEmpty()) {
    host = QStringLiteral("localhost");
  }
  const QString cache = home + QStringLiteral("/.cache");
  const QString folder = cache + QStringLiteral("/solvane-") + host;
  if (!home.startsWith(u'/') || !IsOwnFolder(home) || !MakeOwnFolder(cache)) {
    return {};
  }
  const QByteArray encoded = Encoded(folder);
  if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST) {
    return {};
  }
  // Made by hand with wider access: narrowed, when it is the user's (and
  // not a link to somewhere else).
  struct stat info{};
  if (::lstat(encoded.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
      info.st_uid == ::geteuid()) {
    ::chmod(encoded.constData(), 0700);
  }
  return IsPrivateFolder(folder) ? folder : QString();
}

}  // namespace

bool IsPrivateFolder(const QString& folder) {
  struct stat info{};
  return ::lstat(Encoded(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QString InstanceName() {
  const QString override = qEnvironmentVariable("SOLVANE_INSTANCE_NAME");
  if (!override.isEmpty()) {
    return override;
  }
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.startsWith(u'/') && IsPrivateFolder(runtime)) {
    return QDir::cleanPath(runtime) + u'/' + kSocketName;
  }
  const QString folder = HomeInstanceFolder();
  return folder.isEmpty() ? QString() : folder + u'/' + kSocketName;
}

PlaceEntry InspectPlace(const QString& path) {
  struct stat info{};
  if (::lstat(Encoded(path).constData(), &info) != 0) {
    return errno == ENOENT ? PlaceEntry::kAbsent : PlaceEntry::kForeign;
  }
  if (info.st_uid != ::geteuid()) {
    return PlaceEntry::kForeign;
  }
  if (S_ISSOCK(info.st_mode)) {
    return PlaceEntry::kOwnSocket;
  }
  return S_ISREG(info.st_mode) ? PlaceEntry::kOwnFile : PlaceEntry::kOwnOther;
}

bool RemoveOwnLeftover(const QString& path) {
  if (InspectPlace(path) == PlaceEntry::kForeign) {
    return false;
  }
  struct stat info{};
  const QByteArray encoded = Encoded(path);
  if (::lstat(encoded.constData(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      QDir(path).removeRecursively();
    } else {
      ::unlink(encoded.constData());
    }
  }
  return InspectPlace(path) == PlaceEntry::kAbsent;
}

ReachablePath::ReachablePath(const QString& path) {
  const QFileInfo entry(path);
  // Qt binds the socket in a new folder beside it and then moves it to its
  // name, so both paths must fit.
  const auto fits = [](const QString& folder, const QString& name) {
    return Encoded(folder + u'/' + name).size() <= kLongestSocketPath &&
           Encoded(folder + QStringLiteral("/XXXXXX/s")).size() <= kLongestSocketPath;
  };
  if (path.isEmpty() || fits(entry.path(), entry.fileName())) {
    path_ = path;
    return;
  }
  folderDescriptor_ =
      ::open(Encoded(entry.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folderDescriptor_ < 0) {
    return;
  }
  const QString folder = QStringLiteral("/proc/self/fd/%1").arg(folderDescriptor_);
  if (fits(folder, entry.fileName())) {
    path_ = folder + u'/' + entry.fileName();
  }
}

ReachablePath::~ReachablePath() {
  if (folderDescriptor_ >= 0) {
    ::close(folderDescriptor_);
  }
}

}  // namespace solvane
