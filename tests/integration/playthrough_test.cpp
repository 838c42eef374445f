// A playlist played through by the real engine in real time, moved on by the
// poll tick alone: the end of each track, the end of the list with and without
// repeat, and a file that went missing.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <span>

#include "tests/fakes/watchdog.h"
#include "tests/integration/engine_rig.h"

namespace solvane::testing {
namespace {

bool Halted(const TickSnapshot& tick) { return tick.player.playing == 0; }

// Among `ticks`, the ones of the track the engine was given as its
// `urlCount`-th path: the position never goes back, and it was seen playing
// past its start.
void ExpectPlayedForward(std::span<const TickSnapshot> ticks, std::size_t urlCount) {
  std::int32_t last = 0;
  bool movedOn = false;
  for (const TickSnapshot& tick : ticks) {
    if (tick.urlCount != urlCount || tick.engineState != kPlayStatePlaying) {
      continue;
    }
    EXPECT_GE(tick.player.playPosition, last) << "path " << urlCount;
    last = tick.player.playPosition;
    movedOn = movedOn || tick.player.playPosition > 0;
  }
  EXPECT_TRUE(movedOn) << "path " << urlCount;
}

TEST(Playthrough, EntriesPlayInTurnAndTheEndOfTheListHaltsOnTheLastTrack) {
  EngineRig rig;
  rig.AddTrack("one.wav");
  rig.AddTrack("two.wav");
  rig.AddTrack("three.wav");

  ASSERT_EQ(StartTrack(rig.playback, 0), 1);
  ASSERT_TRUE(rig.TickUntil(Halted));

  EXPECT_EQ(rig.UrlPaths(), (std::vector<std::string>{rig.PathOf("one.wav"), rig.PathOf("two.wav"),
                                                       rig.PathOf("three.wav")}));
  for (const auto& url : rig.media->urls) {
    EXPECT_TRUE(url.accepted) << url.path;
  }
  // While playing, the current entry is always the one the engine was given last.
  for (const TickSnapshot& tick : rig.history()) {
    if (tick.player.playing != 0) {
      EXPECT_EQ(tick.currentIndex, static_cast<std::int32_t>(tick.urlCount) - 1);
    }
  }
  for (std::size_t urlCount = 1; urlCount <= 3; ++urlCount) {
    ExpectPlayedForward(rig.history(), urlCount);
  }

  // Halted on the last track: still loaded, rewound, the list back at entry 0.
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_EQ(rig.player.trackLoaded, 1);
  EXPECT_EQ(rig.player.paused, 0);
  EXPECT_EQ(rig.playlist->currentIndex, 0);
  EXPECT_EQ(rig.player.playPosition, 0);
  EXPECT_EQ(rig.player.playSeconds, 0);
  EXPECT_EQ(rig.Title(), "three.wav");
  EXPECT_NE(rig.media->PlayState(), kPlayStatePlaying);

  // Ticks while halted change nothing.
  rig.TickUntil([](const TickSnapshot&) { return false; }, 3);
  EXPECT_EQ(rig.media->urls.size(), 3u);
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_EQ(rig.player.trackLoaded, 1);

  // Play plays the loaded last track again from its start, without reopening it.
  const std::size_t ticksBeforePlay = rig.history().size();
  TogglePlay(rig.playback);
  EXPECT_EQ(rig.player.playing, 1);
  EXPECT_EQ(rig.player.paused, 0);
  EXPECT_EQ(rig.media->PlayState(), kPlayStatePlaying);
  EXPECT_LT(rig.media->CurrentPosition().value_or(99.0), 0.5);
  EXPECT_EQ(rig.media->urls.size(), 3u);

  // Its end starts entry 1, since the list stands at entry 0.
  ASSERT_TRUE(rig.TickUntil([](const TickSnapshot& tick) { return tick.urlCount == 4; }));
  ExpectPlayedForward(std::span(rig.history()).subspan(ticksBeforePlay), 3);
  EXPECT_EQ(rig.media->urls.back().path, rig.PathOf("two.wav"));
  EXPECT_TRUE(rig.media->urls.back().accepted);
  EXPECT_EQ(rig.playlist->currentIndex, 1);
  EXPECT_EQ(rig.player.playing, 1);
  EXPECT_EQ(rig.Title(), "two.wav");
}

TEST(Playthrough, WithRepeatTheEndOfTheLastEntryStartsTheFirst) {
  EngineRig rig;
  rig.AddTrack("one.wav");
  rig.AddTrack("two.wav");
  rig.player.repeat = 1;

  ASSERT_EQ(StartTrack(rig.playback, 1), 1);
  ASSERT_TRUE(rig.TickUntil([](const TickSnapshot& tick) { return tick.urlCount == 2; }));

  EXPECT_EQ(rig.UrlPaths(),
            (std::vector<std::string>{rig.PathOf("two.wav"), rig.PathOf("one.wav")}));
  ExpectPlayedForward(rig.history(), 1);
  EXPECT_EQ(rig.playlist->currentIndex, 0);
  EXPECT_EQ(rig.player.playing, 1);
  EXPECT_EQ(rig.player.trackLoaded, 1);
  EXPECT_EQ(rig.Title(), "one.wav");
  EXPECT_EQ(rig.media->PlayState(), kPlayStatePlaying);
}

// A FIFO in the list (as the entry "Play last file" starts at start-up, say)
// is refused at once, as is a FIFO in place of a playing track's lyric file;
// opening either would wait for a writer for ever.
TEST(Playthrough, AFifoInTheListOrAsALyricFileIsRefusedAtOnce) {
  EngineRig rig;
  rig.AddTrack("pipe.mp3", false);
  ASSERT_EQ(::mkfifo(rig.PathOf("pipe.mp3").c_str(), 0600), 0);
  rig.AddTrack("two.wav");
  ASSERT_EQ(::mkfifo(rig.PathOf("two.lrc").c_str(), 0600), 0);

  EXPECT_EQ(ReturnsWithin(std::chrono::seconds(10), "StartTrack of a FIFO",
                          [&] { return StartTrack(rig.playback, 0); }),
            0);
  EXPECT_EQ(rig.player.trackLoaded, 0);
  EXPECT_EQ(rig.Title(), "pipe.mp3");

  EXPECT_EQ(ReturnsWithin(std::chrono::seconds(10), "StartTrack with a FIFO lyric file",
                          [&] { return StartTrack(rig.playback, 1); }),
            1);
  EXPECT_EQ(rig.player.lyricsPresent, 0);
  EXPECT_EQ(rig.media->PlayState(), kPlayStatePlaying);
}

TEST(Playthrough, AMissingFileInTheListIsRefusedAndPlaybackStops) {
  EngineRig rig;
  rig.AddTrack("one.wav");
  rig.WriteFile("one.lrc", "[00:00.20]One\n[00:00.50]One more\n[00:00.80]And one more\n");
  rig.AddTrack("gone.wav", false);
  rig.WriteFile("gone.lrc", "[ti:Left behind]\n[00:00.10]Gone\n");  // its lyrics stayed
  rig.AddTrack("three.wav");

  ASSERT_EQ(StartTrack(rig.playback, 0), 1);
  ASSERT_TRUE(rig.TickUntil(Halted));

  ASSERT_EQ(rig.media->urls.size(), 2u);
  EXPECT_TRUE(rig.media->urls[0].accepted);
  EXPECT_EQ(rig.media->urls[1].path, rig.PathOf("gone.wav"));
  EXPECT_FALSE(rig.media->urls[1].accepted);

  // Nothing loaded, nothing playing; the list and the title stand on the
  // refused entry.
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_EQ(rig.player.trackLoaded, 0);
  EXPECT_EQ(rig.player.paused, 0);
  EXPECT_EQ(rig.player.trackChosen, 0);
  EXPECT_EQ(rig.playlist->currentIndex, 1);
  EXPECT_EQ(rig.Title(), "gone.wav");
  EXPECT_EQ(rig.media->PlayState(), kPlayStateStopped);
  EXPECT_FALSE(rig.media->CurrentMedia().has_value());

  // Neither ticks nor Play do anything now.
  rig.TickUntil([](const TickSnapshot&) { return false; }, 3);
  TogglePlay(rig.playback);
  EXPECT_EQ(rig.media->urls.size(), 2u);
  EXPECT_EQ(rig.player.playing, 0);

  // Next chooses the entry after it, and Play starts that one.
  Next(rig.playback);
  EXPECT_EQ(rig.playlist->currentIndex, 2);
  EXPECT_EQ(rig.player.trackChosen, 1);
  EXPECT_EQ(rig.Title(), "three.wav");
  TogglePlay(rig.playback);
  ASSERT_EQ(rig.media->urls.size(), 3u);
  EXPECT_EQ(rig.media->urls[2].path, rig.PathOf("three.wav"));
  EXPECT_TRUE(rig.media->urls[2].accepted);
  EXPECT_EQ(rig.player.trackChosen, 0);
  ASSERT_TRUE(rig.TickUntil([](const TickSnapshot& tick) { return tick.player.playPosition > 0; }));
  EXPECT_EQ(rig.player.playing, 1);
  EXPECT_EQ(rig.player.trackLoaded, 1);
}

}  // namespace
}  // namespace solvane::testing
