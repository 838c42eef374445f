#include "playback/gst/refusal_reason.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace solvane {

std::string DescribeRefusal(const std::string& path, const std::string& engineError) {
  if (path.empty()) {
    return "the name is not a file name this system can open";
  }
  struct stat status = {};
  if (::stat(path.c_str(), &status) != 0) {
    return std::strerror(errno);
  }
  if (!S_ISREG(status.st_mode)) {
    return "not a regular file";
  }
  if (::access(path.c_str(), R_OK) != 0) {
    return std::strerror(errno);
  }
  return engineError.empty() ? "not a file the engine can play" : engineError;
}

}  // namespace solvane
