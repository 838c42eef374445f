#include "playlist/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not
// undo a save that has already replaced the file.
void SyncFolderOf(const std::string& path) {
  const std::size_t separator = path.rfind('/');
  const std::string folder =
      separator == std::string::npos ? "." : (separator == 0 ? "/" : path.substr(0, separator));
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) {
    ::fsync(fd.get());
  }
}

bool WriteSynced(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileDescriptor fd(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
  if (fd.get() < 0) {
    return false;
  }
  const bool written = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  return fd.Close() && written;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
  const std::string temporary = path + ".tmp";
  if (!WriteSynced(temporary, bytes) || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

}  // namespace solvane
