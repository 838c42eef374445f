#pragma once
// One player per user: the first start listens on a local socket; a later
// start finds it there, hands it the files of its command line (or asks it to
// come to the front) and ends. A message is a 4-byte big-endian length and
// that many bytes: the paths in UTF-8, each ended by a NUL.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

#include "app/instance/local_socket.h"

namespace solvane {

// The socket's name: SOLVANE_INSTANCE_NAME when set (tests run side by side
// with it), else "solvane.socket" in the user's runtime folder
// ($XDG_RUNTIME_DIR, else a private folder of the user's). Empty when no
// folder the user alone owns and can use is found.
QString InstanceName();

class SingleInstance : public QObject {
 public:
  // A name that is not an absolute path names a socket in the temporary
  // folder. The lock file lies beside the socket: its path + ".lock".
  explicit SingleInstance(const QString& name);
  ~SingleInstance() override;

  enum class Claim {
    kPlayer,      // this process holds the lock: it is the player
    kHandedOver,  // a running player took this start's files; this process ends
    kUnguarded,   // no lock could be had in time: this process plays unguarded
  };
  // Takes the lock before anything listens, so of starts at the same time one
  // alone becomes the player; the others hand their paths to it once it
  // listens, trying again until `deadlineMs` has passed.
  Claim ClaimOrHandOver(const QStringList& paths, int deadlineMs = 20000);

  // True when another instance answered on the socket and took `paths`
  // (none: it comes to the front); this process should then end. A socket
  // that is not the user's own is never spoken to.
  bool HandToRunningInstance(const QStringList& paths);

  // Listens for later starts; each message runs `receive` with its paths. A
  // connection that sends a message over the size cap, or none within a few
  // seconds, is dropped; connections beyond a small number are refused. A
  // socket that a crashed instance left behind is removed first. False when
  // listening failed; the player then runs without the guard. The socket
  // file is removed when this object goes.
  bool Listen(std::function<void(const QStringList& paths)> receive);

 private:
  class Connection;
  void Accept();

  QString path_;
  QLockFile lock_;
  LocalSocket listening_;
  std::unique_ptr<QObject> acceptWatch_;
  std::function<void(const QStringList&)> receive_;
  int openConnections_ = 0;
};

}  // namespace solvane
