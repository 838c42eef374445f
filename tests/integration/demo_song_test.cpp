// The demo song that a first run plays: the build writes it with its lyric
// file, the real engine plays it, and the tick lights its lines in time.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "resources/demo/demo_song.h"
#include "tests/integration/engine_rig.h"

namespace solvane::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kBuiltSong = SOLVANE_DEMO_SONG;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(DemoSong, TheBuildWritesTheSongAndItsLyricFileBesideIt) {
  ASSERT_TRUE(fs::is_regular_file(kBuiltSong)) << kBuiltSong;
  fs::path lyricFile = kBuiltSong;
  lyricFile.replace_extension(".lrc");
  ASSERT_TRUE(fs::is_regular_file(lyricFile)) << lyricFile;

  const std::string song = ReadAll(kBuiltSong);
  const std::vector<std::uint8_t> expected = demo::DemoSongMidi();
  EXPECT_EQ(song, std::string(expected.begin(), expected.end()));
  EXPECT_EQ(song.substr(0, 4), "MThd");

  const std::string lyrics = ReadAll(lyricFile);
  EXPECT_EQ(lyrics, demo::DemoSongLyrics());
  for (const char* tag : {"[ti:Paper Lanterns]", "[ar:Solvane]", "[al:Solvane Demo]"}) {
    EXPECT_NE(lyrics.find(tag), std::string::npos) << tag;
  }
}

TEST(DemoSong, LinesAreADozenInTimeOrderWithinTheSong) {
  EXPECT_EQ(demo::LyricLineCount(), 12);
  EXPECT_LT(demo::LyricLineStart(0), 200);  // lit within two seconds
  for (int line = 1; line < demo::LyricLineCount(); ++line) {
    EXPECT_GT(demo::LyricLineStart(line), demo::LyricLineStart(line - 1) + 150) << line;
  }
  EXPECT_LT(demo::LyricLineStart(demo::LyricLineCount() - 1), 3400);
}

// Plays the first five seconds: the header shows until the first line's time,
// then the first line is lit, then the second.
TEST(DemoSong, PlaysWithTheEngineAndTheLitLineMovesOn) {
  EngineRig rig;
  fs::copy_file(kBuiltSong, rig.PathOf("Paper Lanterns.mid"));
  fs::path lyricFile = kBuiltSong;
  fs::copy_file(lyricFile.replace_extension(".lrc"), rig.PathOf("Paper Lanterns.lrc"));
  rig.AddTrack("Paper Lanterns.mid", false);

  ASSERT_EQ(StartTrack(rig.playback, 0), 1);
  ASSERT_EQ(rig.player.lyricsPresent, 1);
  EXPECT_STREQ(rig.lyrics.title, "Paper Lanterns");
  EXPECT_EQ(rig.lyrics.lineCount, 12);

  const std::int32_t secondLine = demo::LyricLineStart(1) / 10;  // tenths
  ASSERT_TRUE(rig.TickUntil(
      [&](const TickSnapshot& tick) { return tick.player.playPosition >= secondLine + 5; }, 120));

  const std::int32_t duration = rig.history().back().player.trackDuration;
  EXPECT_GE(duration, 300);  // 30 to 40 seconds, in tenths
  EXPECT_LE(duration, 400);

  std::vector<std::string> lit;
  for (const TickSnapshot& tick : rig.history()) {
    if (tick.engineState != kPlayStatePlaying) {
      continue;
    }
    const std::int32_t now = tick.player.playPosition;
    if (now < demo::LyricLineStart(0) / 10) {
      EXPECT_EQ(tick.headerShown, 1) << "at " << now;
      continue;
    }
    EXPECT_EQ(tick.headerShown, 0) << "at " << now;
    EXPECT_EQ(tick.litLine,
              now < secondLine ? "Paper lanterns" : "on the river")
        << "at " << now;
    if (lit.empty() || lit.back() != tick.litLine) {
      lit.push_back(tick.litLine);
    }
  }
  EXPECT_EQ(lit, (std::vector<std::string>{"Paper lanterns",
                                           "on the river"}));
}

}  // namespace
}  // namespace solvane::testing
