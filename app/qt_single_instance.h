#pragma once
// One player per user: the first start listens on a local socket; a later
// start finds it there, hands it the files of its command line (or asks it to
// come to the front) and ends. A message is a 4-byte big-endian length and
// that many bytes: the paths in UTF-8, each ended by a NUL.

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace solvane {

// The socket's name: SOLVANE_INSTANCE_NAME when set (tests run side by side
// with it), else one name per user.
QString InstanceName();

class SingleInstance : public QObject {
 public:
  explicit SingleInstance(QString name) : name_(std::move(name)) {}

  // True when another instance answered on the socket and took `paths`
  // (none: it comes to the front); this process should then end.
  bool HandToRunningInstance(const QStringList& paths);

  // Listens for later starts; each message runs `receive` with its paths. A
  // connection that sends a message over the size cap, or none within a few
  // seconds, is dropped; connections beyond a small number are refused. A
  // socket that a crashed instance left behind is removed first. False when
  // listening failed; the player then runs without the guard.
  bool Listen(std::function<void(const QStringList& paths)> receive);

 private:
  void Accept();

  QString name_;
  QLocalServer server_;
  std::function<void(const QStringList&)> receive_;
  int openConnections_ = 0;
};

}  // namespace solvane
