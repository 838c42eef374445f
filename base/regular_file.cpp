#include "base/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace solvane {

namespace {

bool DescribesRegularFile(const struct stat& status) { return S_ISREG(status.st_mode); }

// Closes `fd` without disturbing the errno that explains the refusal.
void CloseKeepingErrno(int fd) {
  const int saved = errno;
  ::close(fd);
  errno = saved;
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && DescribesRegularFile(status);
}

int OpenRegularFileForReading(const std::string& path) {
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0) {
    return -1;
  }
  if (!DescribesRegularFile(named)) {
    errno = EINVAL;
    return -1;
  }
  // O_NONBLOCK keeps the open from waiting should the name have become a FIFO
  // since the check; for a regular file it changes nothing, and it is taken
  // off again below all the same.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    return -1;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    CloseKeepingErrno(fd);
    return -1;
  }
  if (!DescribesRegularFile(status)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    CloseKeepingErrno(fd);
    return -1;
  }
  return fd;
}

std::FILE* OpenRegularFileStream(const std::string& path) {
  const int fd = OpenRegularFileForReading(path);
  if (fd < 0) {
    return nullptr;
  }
  std::FILE* stream = ::fdopen(fd, "rb");
  if (stream == nullptr) {
    CloseKeepingErrno(fd);
  }
  return stream;
}

std::string DescriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace solvane
