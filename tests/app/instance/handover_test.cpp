// The bytes a later start sends: what one start frames, the player reads back
// whole; what another process makes up is read no further than it is sound.

#include "app/instance/qt_handover.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

QByteArray BodyOf(const QByteArray& message) { return message.sliced(kHandoverLengthBytes); }

TEST(Handover, ReadsBackWhatWasFramed) {
  const Handover sent = HandoverFromThisProcess(
      {QStringLiteral("/music/a b.mp3"), QString::fromUtf8("/m\xc3\xbasica/\xe6\xad\x8c.flac")});
  const QByteArray message = FrameHandover(sent);
  ASSERT_EQ(AnnouncedLength(message), static_cast<quint32>(message.size() - kHandoverLengthBytes));
  const std::optional<Handover> read = ReadHandover(BodyOf(message));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->id, sent.id);
  EXPECT_EQ(read->launchedMs, sent.launchedMs);
  EXPECT_EQ(read->paths, sent.paths);
}

TEST(Handover, KeepsOnlyTheSoundPathsOfABody) {
  const QByteArray head(kHandoverIdBytes + 8, '\x01');
  struct Case {
    const char* name;
    QByteArray body;
    std::optional<QStringList> paths;  // none: no handover at all
  };
  const Case cases[] = {
      {"too short for the id and the time", head.first(kHandoverIdBytes + 7), std::nullopt},
      {"no paths", head, QStringList{}},
      {"empty paths between the ends", head + QByteArray("\0\0/a.mp3\0\0", 10),
       QStringList{QStringLiteral("/a.mp3")}},
      {"a path that is not UTF-8 is left out", head + QByteArray("/\xff.mp3\0/b.mp3\0", 14),
       QStringList{QStringLiteral("/b.mp3")}},
      {"a last path without its end", head + QByteArray("/c.mp3"),
       QStringList{QStringLiteral("/c.mp3")}},
  };
  for (const Case& c : cases) {
    const std::optional<Handover> read = ReadHandover(c.body);
    ASSERT_EQ(read.has_value(), c.paths.has_value()) << c.name;
    if (read) {
      EXPECT_EQ(read->paths, *c.paths) << c.name;
    }
  }
}

}  // namespace
}  // namespace solvane
