#pragma once
// The desktop's media-control interface (MPRIS2) on the session bus: the
// object /org/mpris/MediaPlayer2 with its two interfaces. Every method runs
// the command or operation the menu, the keys or the stylus run; after each
// poll tick the records are compared with what was published last, and only
// what changed is sent.

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QElapsedTimer>

#include "app/desktop/mpris_properties.h"
#include "app/desktop/mpris_state.h"

namespace solvane {

class MainWindow;

class MprisService final : public QDBusVirtualObject {
 public:
  explicit MprisService(MainWindow& window);
  ~MprisService() override;

  // Registers the object and a bus name: org.mpris.MediaPlayer2.solvane, or
  // with ".instance<pid>" when another player holds that. Without a session
  // bus it says so once on standard error and the player runs without it.
  bool Register();
  const QString& BusName() const { return busName_; }

  // Compares the records with what was published and sends the changes.
  void Publish();

  QString introspect(const QString& path) const override;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

 private:
  // The records now, their track named by trackSerials_.
  MprisSnapshot Now();
  // The values of one interface's properties now.
  QVariantMap Properties(MprisInterface interface);
  bool HandleProperties(const QDBusMessage& message, const QDBusConnection& connection);
  bool HandleRoot(const QDBusMessage& message, const QDBusConnection& connection);
  bool HandlePlayer(const QDBusMessage& message, const QDBusConnection& connection);
  void SetProperty(const QString& name, const MprisValue& value);
  void SeekBy(qint64 offsetMicros);
  void SetPosition(const QString& trackId, qint64 positionMicros);
  bool OpenUri(const QString& uri);
  void Raise();

  MainWindow& window_;
  QDBusConnection connection_;
  QString busName_;
  MprisTrackSerials trackSerials_;
  MprisSnapshot published_;
  QElapsedTimer sincePublished_;
};

}  // namespace solvane
