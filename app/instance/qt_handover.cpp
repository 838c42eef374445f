#include "app/instance/qt_handover.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

#include <unistd.h>

#include <string>
#include <string_view>

#include "base/wide_text.h"

namespace solvane {
namespace {

constexpr qsizetype kLaunchBytes = 8;
// The launch time's place among the fields of /proc/self/stat that follow
// the command name: the 22nd field, the 3rd being the first after it.
constexpr qsizetype kStartTimeField = 22 - 3;

}  // namespace

qint64 ThisProcessLaunchMs() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) {
    return 0;
  }
  const QByteArray line = stat.readAll();
  // The command name may hold spaces and parentheses; it ends at the last ')'.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 1).simplified().split(' ');
  const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
  if (fields.size() <= kStartTimeField || ticksPerSecond <= 0) {
    return 0;
  }
  return fields[kStartTimeField].toLongLong() * 1000 / ticksPerSecond;
}

Handover HandoverFromThisProcess(const QStringList& paths) {
  Handover handover;
  handover.id.resize(kHandoverIdBytes);
  QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(handover.id.data()),
                                        kHandoverIdBytes / sizeof(quint32));
  handover.launchedMs = ThisProcessLaunchMs();
  handover.paths = paths;
  return handover;
}

QByteArray FrameHandover(const Handover& handover) {
  QByteArray body = handover.id.leftJustified(kHandoverIdBytes, '\0', true);
  QByteArray launched(kLaunchBytes, '\0');
  qToBigEndian(handover.launchedMs, launched.data());
  body += launched;
  for (const QString& path : handover.paths) {
    body += path.toUtf8();
    body += '\0';
  }
  QByteArray message(kHandoverLengthBytes, '\0');
  qToBigEndian(static_cast<quint32>(body.size()), message.data());
  return message + body;
}

quint32 AnnouncedLength(QByteArrayView head) { return qFromBigEndian<quint32>(head.data()); }

std::optional<Handover> ReadHandover(QByteArrayView body) {
  if (body.size() < kHandoverIdBytes + kLaunchBytes) {
    return std::nullopt;
  }
  Handover handover;
  handover.id = body.first(kHandoverIdBytes).toByteArray();
  handover.launchedMs = qFromBigEndian<qint64>(body.sliced(kHandoverIdBytes).data());
  for (const QByteArray& path :
       body.sliced(kHandoverIdBytes + kLaunchBytes).toByteArray().split('\0')) {
    // A path that is not UTF-8 is left out: a substitute for its broken bytes
    // could name another file.
    if (const std::optional<std::u16string> wide =
            Utf8ToWide(std::string_view(path.constData(), static_cast<std::size_t>(path.size())));
        wide && !wide->empty()) {
      handover.paths.push_back(QString::fromStdU16String(*wide));
    }
  }
  return handover;
}

}  // namespace solvane
