#include "app/instance/local_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace solvane {

namespace {

using Clock = std::chrono::steady_clock;

// How long a start waits before it knocks again on a full queue.
constexpr std::chrono::milliseconds kConnectRetry{10};
constexpr int kListenBacklog = 50;

bool AddressOf(const std::string& path, sockaddr_un& address) {
  if (!FitsSocketAddress(path) || path.find('\0') != std::string::npos) {
    return false;
  }
  address = {};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());
  return true;
}

int NewSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }

// Milliseconds left until `deadline`, for poll(); 0 once it has passed.
int MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 1 << 30));
}

// Waits until `events` come on the socket or the deadline passes.
bool WaitFor(const LocalSocket& socket, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd entry{socket.Descriptor(), events, 0};
    const int ready = ::poll(&entry, 1, MillisecondsUntil(deadline));
    if (ready > 0) {
      return true;
    }
    if (ready == 0 || errno != EINTR) {
      return false;
    }
  }
}

}  // namespace

LocalSocket::~LocalSocket() {
  if (descriptor_ >= 0) {
    ::close(descriptor_);
  }
}

LocalSocket::LocalSocket(LocalSocket&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

LocalSocket& LocalSocket::operator=(LocalSocket&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) {
      ::close(descriptor_);
    }
    descriptor_ = std::exchange(other.descriptor_, -1);
  }
  return *this;
}

bool FitsSocketAddress(const std::string& path) {
  return !path.empty() && path.size() < sizeof(sockaddr_un::sun_path);
}

LocalSocket ConnectLocal(const std::string& path, std::chrono::milliseconds timeout) {
  sockaddr_un address{};
  if (!AddressOf(path, address)) {
    return {};
  }
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    LocalSocket socket(NewSocket());
    if (!socket.IsOpen()) {
      return {};
    }
    if (::connect(socket.Descriptor(), reinterpret_cast<const sockaddr*>(&address),
                  sizeof address) == 0) {
      return socket;
    }
    // A full queue of new connections refuses at once; it may have room soon.
    if (errno != EAGAIN && errno != EINTR) {
      return {};
    }
    if (Clock::now() + kConnectRetry > deadline) {
      return {};
    }
    std::this_thread::sleep_for(kConnectRetry);
  }
}

bool SendAll(const LocalSocket& socket, std::span<const char> bytes,
             std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  while (!bytes.empty()) {
    const ssize_t sent = ::send(socket.Descriptor(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(sent));
      continue;
    }
    if (sent < 0 && errno == EINTR) {
      continue;
    }
    if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) ||
        !WaitFor(socket, POLLOUT, deadline)) {
      return false;
    }
  }
  return true;
}

int ReceiveByte(const LocalSocket& socket, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    unsigned char byte = 0;
    const ssize_t got = ::recv(socket.Descriptor(), &byte, 1, 0);
    if (got == 1) {
      return byte;
    }
    if (got == 0) {
      return -1;
    }
    if (errno == EINTR) {
      continue;
    }
    if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(socket, POLLIN, deadline)) {
      return -1;
    }
  }
}

LocalSocket ListenLocal(const std::string& path) {
  sockaddr_un address{};
  if (!AddressOf(path, address)) {
    return {};
  }
  LocalSocket socket(NewSocket());
  // The socket's own mode is what bind() gives the file it makes (less the
  // umask), so the file never exists with wider access.
  if (!socket.IsOpen() || ::fchmod(socket.Descriptor(), S_IRUSR | S_IWUSR) != 0 ||
      ::bind(socket.Descriptor(), reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
          0) {
    return {};
  }
  if (::listen(socket.Descriptor(), kListenBacklog) != 0) {
    ::unlink(path.c_str());
    return {};
  }
  return socket;
}

LocalSocket AcceptLocal(const LocalSocket& listening) {
  for (;;) {
    const int accepted =
        ::accept4(listening.Descriptor(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (accepted >= 0 || errno != EINTR) {
      return LocalSocket(accepted);
    }
  }
}

Received ReceiveAvailable(const LocalSocket& socket, std::string& buffer, std::size_t limit) {
  Received result;
  char chunk[4096];
  while (buffer.size() < limit) {
    const std::size_t room = std::min(sizeof chunk, limit - buffer.size());
    const ssize_t got = ::recv(socket.Descriptor(), chunk, room, 0);
    if (got > 0) {
      buffer.append(chunk, static_cast<std::size_t>(got));
      result.bytes += static_cast<std::size_t>(got);
      continue;
    }
    if (got < 0 && errno == EINTR) {
      continue;
    }
    result.ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    break;
  }
  return result;
}

}  // namespace solvane
