#pragma once
// Where the single-instance guard keeps its socket and lock, and what may be
// done with what it finds there. The folder must be the user's alone: another
// user who could make or swap entries in it could take the player's place or
// turn the guard off.

#include <QString>

namespace solvane {

// The socket's path: SOLVANE_INSTANCE_NAME when set (tests run side by side
// with it), else "solvane.socket" in $XDG_RUNTIME_DIR when that folder is the
// user's alone, else in a folder of the user's home made for it (per host, as
// a home may be shared between machines). Empty when no such folder can be
// had; the player then runs without the guard.
QString InstanceName();

// Whether `folder` is a folder (not a link) that this user owns and nobody
// else may enter.
bool IsPrivateFolder(const QString& folder);

// What lies at a path in the guard's folder.
enum class PlaceEntry {
  kAbsent,
  kOwnSocket,
  kOwnFile,   // a regular file of the user's
  kOwnOther,  // a folder, link, FIFO or device of the user's
  kForeign,   // anything another user owns: never used, moved or removed
};
PlaceEntry InspectPlace(const QString& path);

// Removes an entry of the user's own that stands where the guard's socket or
// lock must go (a folder with all it holds, a link itself, a FIFO). False
// when something is left there.
bool RemoveOwnLeftover(const QString& path);

// A path to `path` short enough for a socket address, which holds no more
// than 107 bytes: the path itself when it fits, else the same entry reached
// through a descriptor of its folder held open as long as this object lives.
// Empty when even that does not fit or the folder cannot be opened.
class ReachablePath {
 public:
  explicit ReachablePath(const QString& path);
  ~ReachablePath();
  ReachablePath(const ReachablePath&) = delete;
  ReachablePath& operator=(const ReachablePath&) = delete;

  const QString& Path() const { return path_; }

 private:
  int folderDescriptor_ = -1;
  QString path_;
};

}  // namespace solvane
