#pragma once
// Unix-domain stream sockets on a path, through the system's own calls: the
// single-instance guard needs no more than this, and a socket library would
// cost the player its code for every run.

#include <chrono>
#include <cstddef>
#include <span>
#include <string>

namespace solvane {

// A socket descriptor, closed when the object goes; -1 when there is none.
class LocalSocket {
 public:
  LocalSocket() = default;
  explicit LocalSocket(int descriptor) : descriptor_(descriptor) {}
  ~LocalSocket();
  LocalSocket(LocalSocket&& other) noexcept;
  LocalSocket& operator=(LocalSocket&& other) noexcept;
  LocalSocket(const LocalSocket&) = delete;
  LocalSocket& operator=(const LocalSocket&) = delete;

  int Descriptor() const { return descriptor_; }
  bool IsOpen() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
};

// Whether `path` fits a socket address (with its terminating NUL).
bool FitsSocketAddress(const std::string& path);

// Connects to the socket at `path`, waiting while its queue of new
// connections is full, until `timeout` has passed. Not open on failure.
LocalSocket ConnectLocal(const std::string& path, std::chrono::milliseconds timeout);

// Sends all of `bytes` within `timeout`. False when the peer went away or the
// time ran out. Never raises SIGPIPE.
bool SendAll(const LocalSocket& socket, std::span<const char> bytes,
             std::chrono::milliseconds timeout);

// The next byte from the peer, waiting up to `timeout`; -1 when none came or
// the peer went away.
int ReceiveByte(const LocalSocket& socket, std::chrono::milliseconds timeout);

// A non-blocking socket listening at `path`, which is made for it with
// access for its owner alone (never readable or writable by anyone else,
// not even for a moment). Not open when the path is taken or cannot be had.
LocalSocket ListenLocal(const std::string& path);

// The next waiting connection of a listening socket, non-blocking; not open
// when none waits.
LocalSocket AcceptLocal(const LocalSocket& listening);

// What a non-blocking receive gave.
struct Received {
  std::size_t bytes = 0;  // appended to the buffer
  bool ended = false;     // the peer closed its side, or the socket failed
};
// Appends what has arrived, up to `limit` bytes in all, to `buffer`.
Received ReceiveAvailable(const LocalSocket& socket, std::string& buffer, std::size_t limit);

}  // namespace solvane
