#include "app/start/qt_exit_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace solvane {
namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The two ends of the pipe; -1 while no handler is installed.
volatile std::sig_atomic_t writeEnd = -1;
int readEnd = -1;
volatile std::sig_atomic_t arrived = 0;

extern "C" void WriteSignalByte(int signalNumber) {
  const int savedErrno = errno;
  arrived = 1;
  const char byte = static_cast<char>(signalNumber);
  if (writeEnd >= 0) {
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  }
  errno = savedErrno;
}

}  // namespace

ExitSignals::ExitSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) {
    return;
  }
  readEnd = ends[0];
  writeEnd = ends[1];
  arrived = 0;
  notifier_ = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });

  struct sigaction action = {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : kExitSignals) {
    ::sigaction(signalNumber, &action, nullptr);
  }
}

ExitSignals::~ExitSignals() {
  if (notifier_ == nullptr) {
    return;
  }
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signalNumber : kExitSignals) {
    ::sigaction(signalNumber, &action, nullptr);
  }
  const int oldWriteEnd = writeEnd;
  writeEnd = -1;
  delete notifier_;
  notifier_ = nullptr;
  ::close(oldWriteEnd);
  ::close(readEnd);
  readEnd = -1;
}

bool ExitSignals::Arrived() { return arrived != 0; }

void ExitSignals::Drain() {
  char bytes[16];
  bool any = false;
  while (::read(readEnd, bytes, sizeof bytes) > 0) {
    any = true;
  }
  if (any && onSignal_) {
    onSignal_();
  }
}

}  // namespace solvane
