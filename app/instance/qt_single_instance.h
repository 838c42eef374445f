#pragma once
// One player per user: the first start holds a lock file and listens on a
// local socket beside it; a later start finds the lock held, hands the player
// the files of its command line (or asks it to come to the front) and ends.
// What the user's own earlier runs left at either path is taken over; what
// another user put there is never used, and the player then runs without the
// guard and says so.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

#include "app/instance/qt_handover.h"
#include "app/instance/qt_instance_place.h"

namespace solvane {

class SingleInstance : public QObject {
 public:
  // `name`: the socket's absolute path (see InstanceName); the lock file
  // lies beside it, at its path + ".lock". An empty name guards nothing.
  explicit SingleInstance(const QString& name);
  ~SingleInstance() override;

  enum class Claim {
    kPlayer,      // this process holds the lock: it is the player
    kHandedOver,  // a running player took this start's files; this process ends
    kUnguarded,   // no guard could be had: this process plays on its own
  };
  // Takes the lock before anything listens, so of starts at the same time one
  // alone becomes the player; the others hand their files to it once it
  // listens, trying again until `deadlineMs` has passed or `giveUp` says so.
  // Every other way to kUnguarded says why on standard error.
  Claim ClaimOrHandOver(const Handover& handover, int deadlineMs = 20000,
                        const std::function<bool()>& giveUp = {});

  // True when a player of the user's answered on the socket and took the
  // handover (no paths: it comes to the front).
  bool HandToRunningInstance(const Handover& handover);

  // Listens for later starts; each handover runs `receive` once, however
  // often its start sends it. A connection that announces a message over the
  // size cap, or sends none within a few seconds, is dropped; connections
  // beyond a small number are refused. False (said on standard error, the
  // lock given up) when listening failed; the player then runs unguarded.
  bool Listen(std::function<void(const Handover&)> receive);

 private:
  class Connection;
  void Accept();
  void Take(const Handover& handover);
  // Removes a lock that names another machine, or that says nothing and is
  // not being written; true when one was removed.
  bool RemoveLeftoverLock();
  Claim Unguarded(const char* reason);

  QString path_;
  QString lockPath_;
  // Declared before the server, which removes its socket through it.
  std::unique_ptr<ReachablePath> reachable_;
  QLockFile lock_;
  QLocalServer server_;
  std::function<void(const Handover&)> receive_;
  std::deque<QByteArray> takenIds_;
  int openConnections_ = 0;
};

}  // namespace solvane
