#include "playlist/file_bytes.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string_view>

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
// makes them durable. errno says why when it fails.
bool FillAndSync(int fd, std::span<const std::uint8_t> bytes) {
  return WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
         ::fsync(fd) == 0;
}

// The folder part of `path`, "." for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.rfind('/');
  if (separator == std::string::npos) {
    return ".";
  }
  return separator == 0 ? "/" : path.substr(0, separator);
}

// The last component of `path`.
std::string NameOf(const std::string& path) {
  const std::size_t separator = path.rfind('/');
  return separator == std::string::npos ? path : path.substr(separator + 1);
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

// Temporary files are named after the file they replace: `path`, this mark
// and six random letters. A save holds a lock on its temporary file for as
// long as the file bears that name, so a file of such a name that nobody
// holds was left by a save that was killed.
constexpr std::string_view kTemporaryMark = ".saving-";
constexpr std::size_t kTemporaryLetters = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool IsTemporaryNameOf(std::string_view candidate, const std::string& name) {
  const std::size_t lettersAt = name.size() + kTemporaryMark.size();
  if (candidate.size() != lettersAt + kTemporaryLetters || !candidate.starts_with(name) ||
      candidate.substr(name.size(), kTemporaryMark.size()) != kTemporaryMark) {
    return false;
  }
  return candidate.substr(lettersAt).find_first_not_of(kLetters) == std::string_view::npos;
}

// Removes, from the folder of `path`, the temporary files of saves that were
// killed before they could rename theirs: those that no save holds. Their room
// is freed before this save asks for its own. Links and anything but regular
// files are left alone.
void RemoveLeftoverTemporaries(const std::string& path) {
  DIR* folder = ::opendir(FolderOf(path).c_str());
  if (folder == nullptr) {
    return;
  }
  const std::string name = NameOf(path);
  while (const dirent* entry = ::readdir(folder)) {
    if (!IsTemporaryNameOf(entry->d_name, name)) {
      continue;
    }
    FileDescriptor leftover(::openat(::dirfd(folder), entry->d_name,
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (leftover.get() >= 0 && ::fstat(leftover.get(), &status) == 0 && S_ISREG(status.st_mode) &&
        ::flock(leftover.get(), LOCK_EX | LOCK_NB) == 0) {
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
  }
  ::closedir(folder);
}

// A new, empty file beside `path` under a temporary name of its own, created
// exclusively so that two savers never share one, and locked; as for any new
// file, the umask decides its permission bits.
std::optional<std::string> CreateTemporaryBeside(const std::string& path, int& fd) {
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = path + std::string(kTemporaryMark);
    for (std::size_t letter = 0; letter < kTemporaryLetters; ++letter) {
      name += kLetters[pick(random)];
    }
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
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

// Makes sure that `size` bytes from the start of the open file can be
// written before the first of them overwrites anything: the file system
// reserves their room (a full disk or quota refuses here, not midway), and the
// process may write that far. Nothing of the file's contents changes.
bool ReserveRoom(int fd, std::size_t size) {
  if (size > 0 && ::fallocate(fd, 0, 0, static_cast<off_t>(size)) != 0) {
    return false;
  }
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      limit.rlim_cur < size) {
    errno = EFBIG;
    return false;
  }
  return true;
}

// Overwrites the existing regular file at `path` where it stands, for a
// folder in which no new file can be made. Opens nothing but a regular file,
// never waits on one, and touches none of its bytes unless room for all of
// the new ones is reserved first: a file system that cannot reserve room
// keeps its old file.
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
  if (!ReserveRoom(fd.get(), bytes.size()) || !FillAndSync(fd.get(), bytes)) {
    return false;
  }
  return fd.Close();
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
  RemoveLeftoverTemporaries(target);
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
  // Renamed while still open, and so still locked: until it has its final
  // name, no other save takes it for a leftover.
  if (!FillAndSync(fd.get(), bytes) || std::rename(temporary->c_str(), target.c_str()) != 0) {
    const int reason = errno;
    ::unlink(temporary->c_str());
    errno = reason;
    return false;
  }
  fd.Close();
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
