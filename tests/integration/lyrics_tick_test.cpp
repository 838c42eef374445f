// A track with its lyric file played by the real engine: the tick lights each
// line once its time has passed, and the first tick reads the track's length.

#include <gtest/gtest.h>

#include <cstring>

#include "tests/integration/engine_rig.h"

namespace solvane::testing {
namespace {

TEST(LyricsWithTheEngine, TheTickLightsEachLineOnceItsTimeHasPassed) {
  EngineRig rig;
  rig.AddTrack("song.wav");
  rig.WriteFile("song.lrc", "[ti:Tone]\r\n[00:00.30]First line\r\n[00:00.60]Second line\r\n");

  ASSERT_EQ(StartTrack(rig.playback, 0), 1);
  ASSERT_EQ(rig.player.lyricsPresent, 1);
  EXPECT_STREQ(rig.lyrics.title, "Tone");
  EXPECT_EQ(rig.lyrics.lineCount, 2);

  ASSERT_TRUE(rig.TickUntil([](const TickSnapshot& tick) { return tick.player.playing == 0; }));

  // The first tick read the length of the one-second file.
  ASSERT_FALSE(rig.history().empty());
  EXPECT_EQ(rig.history().front().player.trackDuration, 10);

  std::vector<std::string> litInOrder;
  const TickSnapshot* lastPlaying = nullptr;
  for (const TickSnapshot& tick : rig.history()) {
    if (tick.engineState != kPlayStatePlaying) {
      continue;
    }
    lastPlaying = &tick;
    const std::int32_t now = tick.player.playPosition;
    if (now < 3) {
      EXPECT_EQ(tick.headerShown, 1) << "at " << now;  // the header until the first line
      continue;
    }
    EXPECT_EQ(tick.headerShown, 0) << "at " << now;
    EXPECT_EQ(tick.litLine, now < 6 ? "First line" : "Second line") << "at " << now;
    EXPECT_LE(tick.litLineTime, now);
    if (litInOrder.empty() || litInOrder.back() != tick.litLine) {
      litInOrder.push_back(tick.litLine);
    }
  }
  ASSERT_NE(lastPlaying, nullptr);
  EXPECT_EQ(lastPlaying->litLine, "Second line");
  ASSERT_FALSE(litInOrder.empty());
  EXPECT_EQ(litInOrder.back(), "Second line");
  EXPECT_LE(litInOrder.size(), 2u);  // never back to the first line
}

}  // namespace
}  // namespace solvane::testing
