#pragma once
// Whether the session bus answers, asked once before anything in the process
// speaks to it. Qt connects to the bus without a time limit, on the calling
// thread's behalf, and its platform plugins and the media-control interface
// connect from the main thread: a bus that takes connections but never
// answers would hold the start (and then the exit) for good. The question is
// asked on a thread of its own, waited for a short time at most, and when no
// answer came, every later lookup of the bus in this process fails at once.

#include <chrono>
#include <functional>

namespace solvane {

enum class SessionBus {
  kAnswers,  // the bus took a connection and answered its first call
  kAbsent,   // no bus is named, or it refused at once: Qt finds that as fast
  kSilent,   // no answer within the limit: the process now runs without a bus
};

// Asks the bus that DBUS_SESSION_BUS_ADDRESS names (else the one in
// $XDG_RUNTIME_DIR, as the bus library looks) and waits up to `limit` for its
// answer. On kSilent it says so on standard error and points the process's
// own bus lookups at none. When `giveUp` says so first (the process is about
// to end), the wait ends with kAbsent.
SessionBus AskSessionBus(std::chrono::milliseconds limit, const std::function<bool()>& giveUp);

}  // namespace solvane
