#pragma once
// The termination signals (SIGTERM, SIGINT, SIGHUP) end the player through
// its normal exit path. The handler only notes the signal and writes a byte
// into a pipe; the work happens on the event loop when the pipe becomes
// readable, and what waits before the event loop runs looks at the note.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace solvane {

class ExitSignals : public QObject {
 public:
  // Installs the handlers; `onSignal` runs on the event loop for each signal
  // that arrives. Only one instance may exist at a time.
  explicit ExitSignals(std::function<void()> onSignal);
  ~ExitSignals() override;
  ExitSignals(const ExitSignals&) = delete;
  ExitSignals& operator=(const ExitSignals&) = delete;

  bool Installed() const { return notifier_ != nullptr; }
  // Whether a signal has come since the handlers were installed, before the
  // event loop has served it: what waits before the event loop runs, or works
  // long (listing a huge folder), asks this to stop early.
  static bool Arrived();

 private:
  void Drain();

  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace solvane
