#pragma once
// One player per user: the first start listens on a local socket; a later
// start finds it there, asks it to come to the front and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace solvane {

// The socket's name: SOLVANE_INSTANCE_NAME when set (tests run side by side
// with it), else one name per user.
QString InstanceName();

class SingleInstance : public QObject {
 public:
  explicit SingleInstance(QString name) : name_(std::move(name)) {}

  // True when another instance answered on the socket and was asked to come
  // to the front; this process should then end.
  bool AskRunningInstanceToShow();

  // Listens for later starts; each of them runs `showWindow`. A socket that a
  // crashed instance left behind is removed first. False when listening
  // failed; the player then runs without the guard.
  bool Listen(std::function<void()> showWindow);

 private:
  void Accept();

  QString name_;
  QLocalServer server_;
  std::function<void()> showWindow_;
};

}  // namespace solvane
