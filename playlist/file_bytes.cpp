#include "playlist/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "base/regular_file.h"

namespace solvane {

namespace {

// Closes the descriptor it holds when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }

  int get() const { return fd_; }

  // Closes now, reporting whether the close succeeded (a late write error can
  // surface here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    if (written == 0) {
      errno = EIO;
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes `bytes` at the start of the open file, cuts it to their length and
// makes them durable, then closes it. errno says why when it fails.
bool FillSyncedAndClose(FileDescriptor& fd, std::span<const std::uint8_t> bytes) {
  const bool written = WriteAll(fd.get(), bytes) &&
                       ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 &&
                       ::fsync(fd.get()) == 0;
  const int reason = errno;
  const bool closed = fd.Close();
  if (!written) {
    errno = reason;
  }
  return written && closed;
}

// The folder part of `path`, "." for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.rfind('/');
  if (separator == std::string::npos) {
    return ".";
  }
  return separator == 0 ? "/" : path.substr(0, separator);
}

// Makes the rename itself durable; a folder that cannot be synced does not
// undo a save that has already replaced the file.
void SyncFolderOf(const std::string& path) {
  FileDescriptor fd(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) {
    ::fsync(fd.get());
  }
}

// The file a save writes: `path` itself or, for a symbolic link, the file it
// finally points at (which need not exist yet), so that the link stays a
// link. Nothing for a loop of links.
std::optional<std::string> FollowLinks(std::string path) {
  constexpr int kMostLinks = 40;  // as many as the kernel follows in one lookup
  for (int hop = 0; hop < kMostLinks; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
      return path;
    }
    std::string target(static_cast<std::size_t>(status.st_size) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
      errno = length < 0 ? errno : EAGAIN;  // changed while being read
      return std::nullopt;
    }
    target.resize(static_cast<std::size_t>(length));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  errno = ELOOP;
  return std::nullopt;
}

// A new, empty file beside `path` under a name of its own (`path`, a dot and
// six random letters), created exclusively so that two savers never share
// one; as for any new file, the umask decides its permission bits.
std::optional<std::string> CreateTemporaryBeside(const std::string& path, int& fd) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = path + ".";
    for (int letter = 0; letter < 6; ++letter) {
      name += kLetters[pick(random)];
    }
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
      return name;
    }
    if (errno != EEXIST) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// The new file takes the old one's permission bits and, where the process
// may, its owner, so that a private file stays private.
void KeepModeOf(const struct stat& old, int fd) {
  ::fchmod(fd, old.st_mode & 07777);
  if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // Only a privileged process may give a file away; the bits are kept.
  }
}

// Overwrites the existing regular file at `path` where it stands, for a
// folder in which no new file can be made. Opens nothing but a regular file,
// and never waits on one.
bool OverwriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    return false;
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) {
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    errno = EINVAL;
    return false;
  }
  return FillSyncedAndClose(fd, bytes);
}

bool ReplaceTarget(const std::string& target, std::span<const std::uint8_t> bytes) {
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    // A folder, FIFO or device in the file's place is not the program's to
    // replace.
    errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  int created = -1;
  const std::optional<std::string> temporary = CreateTemporaryBeside(target, created);
  if (!temporary) {
    // A folder the user may not write in can still hold a state file that
    // the user may write.
    const int reason = errno;
    if (exists && OverwriteInPlace(target, bytes)) {
      return true;
    }
    if (!exists) {
      errno = reason;
    }
    return false;
  }
  FileDescriptor fd(created);
  if (exists) {
    KeepModeOf(old, fd.get());
  }
  if (!FillSyncedAndClose(fd, bytes) || std::rename(temporary->c_str(), target.c_str()) != 0) {
    const int reason = errno;
    ::unlink(temporary->c_str());
    errno = reason;
    return false;
  }
  SyncFolderOf(target);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes) {
  FileDescriptor fd(OpenRegularFileForReading(path));
  if (fd.get() < 0) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(maxBytes);
  std::size_t filled = 0;
  while (filled < maxBytes) {
    const ssize_t got = ::read(fd.get(), bytes.data() + filled, maxBytes - filled);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::optional<std::string> target = FollowLinks(path);
  return target && ReplaceTarget(*target, bytes);
}

}  // namespace solvane
