#include "app/desktop/mpris_state.h"

#include "app/desktop/mpris_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <optional>

#include "tests/fakes/playback_records.h"

namespace solvane::testing {
namespace {

class MprisStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Name(0, u"/music/", u"one.mp3");
    Name(1, u"/music/", u"two.mp3");
    records.playlist->playlistCount = 2;
  }

  void Name(std::int32_t entry, std::u16string_view folder, std::u16string_view file) {
    WideCopy(records.playlist->folder[entry], folder);
    WideCopy(records.playlist->fileName[entry], file);
  }

  // As the engine accepting the entry leaves the records.
  void Play(std::int32_t entry) {
    records.playlist->currentIndex = entry;
    records.player.trackLoaded = 1;
    records.player.trackChosen = 0;
    records.player.playing = 1;
    records.player.paused = 0;
    ++records.player.trackStarts;
    ASSERT_TRUE(TrackPath(*records.playlist, entry, records.player.positionTrack));
    WideCopy(records.player.currentTitle, WideView(records.playlist->fileName[entry]));
  }

  // As choosing the entry without starting it leaves the records.
  void Choose(std::int32_t entry) {
    records.playlist->currentIndex = entry;
    records.player.trackLoaded = 0;
    records.player.trackChosen = 1;
    records.player.playing = 0;
    WideCopy(records.player.currentTitle, WideView(records.playlist->fileName[entry]));
  }

  MprisSnapshot Snapshot() {
    return TakeMprisSnapshot(
        MprisSources{records.player, *records.playlist, records.lyrics, records.trackInfo, volume},
        serials);
  }
  std::string TrackId() { return MprisTrackId(Snapshot().metadata.track); }

  PlaybackRecords records;
  std::int32_t volume = 80;
  MprisTrackSerials serials;
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
  EXPECT_EQ(MprisTrackId(snapshot.metadata.track), "/org/solvane/track/1");  // the first track seen
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

  // An index left outside the playlist names no entry; the url is still the
  // file the engine holds, which stays the same track.
  records.playlist->currentIndex = 7;
  snapshot = Snapshot();
  EXPECT_EQ(snapshot.metadata.entry, -1);
  EXPECT_EQ(snapshot.metadata.path, "/music/two.mp3");
  EXPECT_EQ(MprisTrackId(snapshot.metadata.track), "/org/solvane/track/1");

  // An entry only chosen is named by its playlist entry.
  Choose(0);
  EXPECT_EQ(Snapshot().metadata.path, "/music/one.mp3");

  records.player.trackChosen = 0;
  EXPECT_EQ(TrackId(), "/org/mpris/MediaPlayer2/TrackList/NoTrack");
}

// Clients tell a track change by the id and aim SetPosition with it, so the
// id must name one start of one file: never an entry number that another file
// can take over.
TEST_F(MprisStateTest, TheTrackIdChangesWithTheTrackAndOnlyThen) {
  PlayerState& player = records.player;
  const std::function<void()> playFirst = [this] { Play(0); };
  const std::function<void()> chooseSecond = [this] { Choose(1); };
  struct Row {
    const char* what;
    std::function<void()> before, change;
    bool newId;
  };
  const Row rows[] = {
      {"paused", playFirst, [&] { player.paused = 1; }, false},
      {"seeked", playFirst, [&] { player.playPosition = 900; }, false},
      {"stopped and rewound", playFirst, [&] { player.playing = 0; player.playPosition = 0; }, false},
      {"the list replaced, the loaded file plays on", playFirst,
       [this] { Name(0, u"/else/", u"three.mp3"); }, false},
      {"the list replaced and its first entry opened", playFirst,
       [this] { Name(0, u"/else/", u"three.mp3"); Play(0); }, true},
      {"the lone track repeated", playFirst, [this] { Play(0); }, true},
      {"the next entry started", playFirst, [this] { Play(1); }, true},
      {"the next entry chosen while stopped", playFirst, [this] { Choose(1); }, true},
      {"the chosen entry started", chooseSecond, [this] { Play(1); }, false},
      {"the chosen entry's file replaced", chooseSecond,
       [this] { Name(1, u"/else/", u"three.mp3"); }, true},
      {"the entry chosen again after a start", chooseSecond, [this] { Play(1); Choose(1); }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    player = PlayerState{};
    serials = MprisTrackSerials{};
    SetUp();
    row.before();
    const std::string before = TrackId();
    ASSERT_NE(before, "/org/mpris/MediaPlayer2/TrackList/NoTrack");
    row.change();
    const std::string after = TrackId();
    EXPECT_EQ(after != before, row.newId) << before << " then " << after;
    EXPECT_EQ(TrackId(), after);  // looking again changes nothing
  }
}

TEST_F(MprisStateTest, SetPositionSeeksOnlyTheTrackItNames) {
  records.player.trackDuration = 300;  // 30 s
  Play(0);
  const std::string first = TrackId();
  Name(0, u"/else/", u"three.mp3");
  Play(0);  // another file at the same entry: the old id is stale
  const MprisSnapshot now = Snapshot();
  const std::string current = MprisTrackId(now.metadata.track);
  struct Row {
    std::string id;
    std::int64_t micros;
    bool applies;
  };
  const Row rows[] = {
      {current, 20'000'000, true},
      {current, 0, true},
      {current, 30'000'000, true},
      {current, 30'000'001, false},  // beyond the end
      {current, -1, false},
      {first, 20'000'000, false},    // the track that was replaced
      {"/org/mpris/MediaPlayer2/TrackList/NoTrack", 0, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SetPositionApplies(now, row.id, row.micros), row.applies) << row.id << " " << row.micros;
  }
  records.player.trackLoaded = 0;
  records.player.trackChosen = 1;
  const MprisSnapshot chosen = Snapshot();
  EXPECT_FALSE(SetPositionApplies(chosen, MprisTrackId(chosen.metadata.track), 0));
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

  // The lone track of a repeated list starting again is a new track, not a
  // seek back to its start.
  Play(1);
  records.player.playPosition = 2990;
  const MprisSnapshot ending = Snapshot();
  Play(1);
  records.player.playPosition = 0;
  EXPECT_FALSE(PositionJumped(ending, Snapshot(), 100'000));
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

// What Set answers, as the Properties interface and MPRIS name the errors.
TEST(JudgeMprisSet, RefusesWhatIsMissingMistypedOrOutOfRange) {
  struct Case {
    MprisInterface interface;
    const char* name;
    std::optional<MprisValue> value;
    MprisSetAnswer answer;
  };
  using enum MprisSetAnswer;
  const MprisInterface player = MprisInterface::kPlayer;
  const Case cases[] = {
      {player, "LoopStatus", MprisValue(std::string("Playlist")), kApply},
      {player, "LoopStatus", MprisValue(std::string("Track")), kApply},
      {player, "LoopStatus", MprisValue(std::string("None")), kApply},
      {player, "LoopStatus", MprisValue(std::string("bogus")), kInvalidArgs},
      {player, "LoopStatus", MprisValue(true), kInvalidArgs},
      {player, "LoopStatus", std::nullopt, kInvalidArgs},
      {player, "Shuffle", MprisValue(true), kApply},
      {player, "Shuffle", MprisValue(std::string("yes")), kInvalidArgs},
      {player, "Shuffle", MprisValue(std::int64_t{1}), kInvalidArgs},
      {player, "Rate", MprisValue(1.0), kApply},
      {player, "Rate", MprisValue(0.0), kInvalidArgs},
      {player, "Rate", MprisValue(2.0), kInvalidArgs},
      {player, "Volume", MprisValue(0.5), kApply},
      {player, "Volume", MprisValue(-1.0), kApply},  // held to 0
      {player, "Volume", MprisValue(std::nan("")), kInvalidArgs},
      {player, "Volume", MprisValue(std::string("0.5")), kInvalidArgs},
      {player, "Volume", std::nullopt, kInvalidArgs},
      {player, "PlaybackStatus", MprisValue(std::string("Playing")), kReadOnly},
      {player, "Position", MprisValue(std::int64_t{0}), kReadOnly},
      {player, "Loudness", MprisValue(1.0), kUnknownProperty},
      {MprisInterface::kRoot, "Identity", MprisValue(std::string("x")), kReadOnly},
      {MprisInterface::kRoot, "Volume", MprisValue(0.5), kUnknownProperty},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JudgeMprisSet(c.interface, c.name, c.value), c.answer) << c.name;
  }
}

}  // namespace
}  // namespace solvane::testing
