#include "app/desktop/qt_session_bus.h"

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <dbus/dbus.h>

#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace solvane {
namespace {

const char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";
// An address of a kind the bus library does not know: every connection to
// it fails at once, and the library tries no other bus.
const char kNoBus[] = "none:";
constexpr std::chrono::milliseconds kLookAgain{20};

// The answer of the thread that asks, shared with it: the thread may outlive
// the wait and then finishes, or not, on its own.
struct Question {
  std::mutex mutex;
  std::condition_variable answered;
  std::optional<bool> answer;
};

QByteArray BusAddress() {
  const QByteArray named = qgetenv(kAddressVariable);
  if (!named.isEmpty()) {
    return named;
  }
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString socket = runtime + QStringLiteral("/bus");
  if (runtime.isEmpty() || !QFile::exists(socket)) {
    return {};
  }
  char* escaped = dbus_address_escape_value(QFile::encodeName(socket).constData());
  if (escaped == nullptr) {
    return {};
  }
  const QByteArray address = QByteArray("unix:path=") + escaped;
  dbus_free(escaped);
  return address;
}

// Connects, authenticates and says Hello, as any client of the bus does
// first; true when the bus answered.
bool BusAnswers(const QByteArray& address) {
  DBusError error;
  dbus_error_init(&error);
  bool answered = false;
  if (DBusConnection* connection = dbus_connection_open_private(address.constData(), &error)) {
    dbus_connection_set_exit_on_disconnect(connection, FALSE);
    answered = dbus_bus_register(connection, &error) != FALSE;
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
  }
  dbus_error_free(&error);
  return answered;
}

}  // namespace

SessionBus AskSessionBus(std::chrono::milliseconds limit, const std::function<bool()>& giveUp) {
  const QByteArray address = BusAddress();
  if (address.isEmpty() || !dbus_threads_init_default()) {
    return SessionBus::kAbsent;
  }
  auto question = std::make_shared<Question>();
  std::thread([question, address] {
    const bool answered = BusAnswers(address);
    const std::lock_guard lock(question->mutex);
    question->answer = answered;
    question->answered.notify_all();
  }).detach();

  const auto deadline = std::chrono::steady_clock::now() + limit;
  std::unique_lock lock(question->mutex);
  while (!question->answer && std::chrono::steady_clock::now() < deadline &&
         !(giveUp && giveUp())) {
    question->answered.wait_for(lock, kLookAgain);
  }
  if (question->answer) {
    return *question->answer ? SessionBus::kAnswers : SessionBus::kAbsent;
  }
  if (std::chrono::steady_clock::now() < deadline) {
    return SessionBus::kAbsent;  // given up: the process ends without the bus
  }
  std::fputs("solvane: the session bus does not answer; running without it (the desktop's "
             "media controls cannot reach the player)\n",
             stderr);
  qputenv(kAddressVariable, kNoBus);
  return SessionBus::kSilent;
}

}  // namespace solvane
