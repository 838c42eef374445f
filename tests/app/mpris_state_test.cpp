#include "app/mpris_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/fakes/playback_records.h"

namespace solvane::testing {
namespace {

class MprisStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Playlist& playlist = *records.playlist;
    WideCopy(playlist.folder[0], u"/music/");
    WideCopy(playlist.fileName[0], u"one.mp3");
    WideCopy(playlist.folder[1], u"/music/");
    WideCopy(playlist.fileName[1], u"two.mp3");
    playlist.playlistCount = 2;
  }

  void Play(std::int32_t entry) {
    records.playlist->currentIndex = entry;
    records.player.trackLoaded = 1;
    records.player.playing = 1;
    records.player.paused = 0;
    WideCopy(records.player.currentTitle, WideView(records.playlist->fileName[entry]));
  }

  MprisSnapshot Snapshot() {
    return TakeMprisSnapshot(
        MprisSources{records.player, *records.playlist, records.lyrics, records.trackInfo, volume});
  }

  PlaybackRecords records;
  std::int32_t volume = 80;
};

TEST_F(MprisStateTest, PlaybackStatusFollowsTheFlags) {
  struct Row {
    std::int32_t loaded, playing, paused, chosen;
    const char* status;
    bool canPlay, canSeek;
  };
  const Row rows[] = {
      {0, 0, 0, 0, "Stopped", false, false},  // empty
      {0, 0, 1, 1, "Stopped", true, false},   // chosen
      {1, 1, 0, 0, "Playing", true, true},
      {1, 1, 1, 0, "Paused", true, true},
      {1, 0, 0, 0, "Stopped", true, true},    // halted, media still loaded
  };
  for (const Row& row : rows) {
    records.player.trackLoaded = row.loaded;
    records.player.playing = row.playing;
    records.player.paused = row.paused;
    records.player.trackChosen = row.chosen;
    const MprisSnapshot snapshot = Snapshot();
    EXPECT_EQ(snapshot.playbackStatus, row.status) << row.status;
    EXPECT_EQ(snapshot.canPlay, row.canPlay) << row.status;
    EXPECT_EQ(snapshot.canPause, row.canPlay) << row.status;
    EXPECT_EQ(snapshot.canSeek, row.canSeek) << row.status;
  }
}

TEST_F(MprisStateTest, MetadataNamesTheEntryAndPrefersTheTags) {
  Play(1);
  records.player.trackDuration = 2345;
  MprisSnapshot snapshot = Snapshot();
  EXPECT_EQ(snapshot.metadata.entry, 1);
  EXPECT_EQ(MprisTrackId(snapshot.metadata.entry), "/org/solvane/track/1");
  EXPECT_EQ(snapshot.metadata.lengthMicros, 234'500'000);
  EXPECT_EQ(snapshot.metadata.title, "two.mp3");  // no tags read yet: the file name
  EXPECT_EQ(snapshot.metadata.path, "/music/two.mp3");

  // Without tags the lyric file's header names the song.
  records.player.lyricsPresent = 1;
  std::strcpy(records.lyrics.title, "Harbour Lights");
  std::strcpy(records.lyrics.album, "Tide Tables");
  snapshot = Snapshot();
  EXPECT_EQ(snapshot.metadata.title, "Harbour Lights");
  EXPECT_EQ(snapshot.metadata.album, "Tide Tables");

  WideCopy(records.trackInfo.mediaTitle, u"Zwei Lieder \u00fcber");
  WideCopy(records.trackInfo.mediaAuthor, u"Someone");
  snapshot = Snapshot();
  EXPECT_EQ(snapshot.metadata.title, "Zwei Lieder \xc3\xbc" "ber");
  EXPECT_EQ(snapshot.metadata.artist, "Someone");

  // An index left outside the playlist names no entry and reads no table.
  records.playlist->currentIndex = 7;
  snapshot = Snapshot();
  EXPECT_EQ(snapshot.metadata.entry, -1);
  EXPECT_EQ(MprisTrackId(-1), "/org/mpris/MediaPlayer2/TrackList/NoTrack");
  EXPECT_TRUE(snapshot.metadata.path.empty());
}

TEST_F(MprisStateTest, NothingChangesWhileIdle) {
  Play(0);
  const MprisSnapshot published = Snapshot();
  EXPECT_TRUE(ChangedMprisProperties(published, Snapshot()).empty());
  // Playing on moves the position only, which is never sent as a change.
  records.player.playPosition += 10;
  const MprisSnapshot later = Snapshot();
  EXPECT_TRUE(ChangedMprisProperties(published, later).empty());
  EXPECT_FALSE(PositionJumped(published, later, 1'000'000));
}

TEST_F(MprisStateTest, EachChangeNamesItsPropertyOnce) {
  Play(0);
  const MprisSnapshot published = Snapshot();
  records.player.paused = 1;
  records.player.repeat = 1;
  records.player.shuffle = 1;
  volume = 50;
  const std::vector<std::string> expected = {"PlaybackStatus", "LoopStatus", "Shuffle", "Volume"};
  EXPECT_EQ(ChangedMprisProperties(published, Snapshot()), expected);
  EXPECT_EQ(Snapshot().loopStatus, "Playlist");
  EXPECT_DOUBLE_EQ(Snapshot().volume, 0.5);
}

TEST_F(MprisStateTest, ALyricLineChangeChangesTheMetadataOnly) {
  Play(0);
  records.player.lyricsPresent = 1;
  std::strcpy(records.lyrics.lineText[0], "first line");
  std::strcpy(records.lyrics.lineText[1], "second line");
  records.lyrics.lineCount = 2;
  const MprisSnapshot published = Snapshot();
  EXPECT_EQ(published.metadata.lyricLine, "first line");

  records.lyrics.currentLine = 1;
  const MprisSnapshot now = Snapshot();
  EXPECT_EQ(now.metadata.lyricLine, "second line");
  EXPECT_EQ(ChangedMprisProperties(published, now), std::vector<std::string>{"Metadata"});

  // A line index beyond the lines read shows no line rather than stale bytes.
  records.lyrics.currentLine = 5;
  EXPECT_EQ(Snapshot().metadata.lyricLine, "");
}

TEST_F(MprisStateTest, AJumpWithinTheTrackIsASeekAndANewTrackIsNot) {
  Play(0);
  records.player.playPosition = 100;
  const MprisSnapshot published = Snapshot();

  records.player.playPosition = 600;  // five seconds on in a tenth: a seek
  EXPECT_TRUE(PositionJumped(published, Snapshot(), 100'000));
  records.player.playPosition = 0;    // back to the start: a seek too
  EXPECT_TRUE(PositionJumped(published, Snapshot(), 100'000));
  records.player.playPosition = 110;  // played on for a second
  EXPECT_FALSE(PositionJumped(published, Snapshot(), 1'000'000));

  // Paused, the position stands; time passing is no reason to expect it to move.
  records.player.paused = 1;
  records.player.playPosition = 100;
  const MprisSnapshot paused = Snapshot();
  EXPECT_FALSE(PositionJumped(paused, Snapshot(), 5'000'000));

  Play(1);
  records.player.playPosition = 0;
  EXPECT_FALSE(PositionJumped(published, Snapshot(), 100'000));
}

TEST_F(MprisStateTest, LoopStatusAndVolumeFromTheBus) {
  EXPECT_TRUE(LoopStatusMeansRepeat("Playlist"));
  EXPECT_TRUE(LoopStatusMeansRepeat("Track"));
  EXPECT_FALSE(LoopStatusMeansRepeat("None"));
  EXPECT_FALSE(LoopStatusMeansRepeat("nonsense"));
  const std::pair<double, std::int32_t> volumes[] = {
      {0.0, 0}, {0.5, 50}, {0.333, 33}, {0.999, 100}, {1.0, 100}, {7.0, 100}, {-1.0, 0}};
  for (const auto& [volumeIn, percent] : volumes) {
    EXPECT_EQ(MprisVolumeToPercent(volumeIn), percent) << volumeIn;
  }
  EXPECT_EQ(MprisVolumeToPercent(std::nan("")), 0);
}

}  // namespace
}  // namespace solvane::testing
