#pragma once
// What a later start hands to the running player, and its bytes on the
// socket: a 4-byte big-endian length, then that many bytes: the start's id
// (16 bytes), its launch time (8 bytes, big-endian milliseconds since the
// machine booted) and its paths in UTF-8, each ended by a NUL.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <optional>

namespace solvane {

struct Handover {
  // The same on every try of one start, so a message sent again after a late
  // answer is recognised and taken once.
  QByteArray id;
  // When the start's process was launched: starts of one burst were launched
  // together, however late each gets through.
  qint64 launchedMs = 0;
  QStringList paths;
};

constexpr qsizetype kHandoverIdBytes = 16;
constexpr qsizetype kHandoverLengthBytes = 4;

// A handover of `paths` from this process: a new random id and this
// process's launch time.
Handover HandoverFromThisProcess(const QStringList& paths);

// When this process was launched, in milliseconds since the machine booted
// (the clock every process of the machine shares).
qint64 ThisProcessLaunchMs();

// The whole message, its length first.
QByteArray FrameHandover(const Handover& handover);
// The length that a message's first kHandoverLengthBytes bytes announce.
quint32 AnnouncedLength(QByteArrayView head);
// The handover in a message's body (what follows the length); none when the
// body is too short to hold the id and the launch time. Paths that are empty
// or not UTF-8 are left out.
std::optional<Handover> ReadHandover(QByteArrayView body);

}  // namespace solvane
