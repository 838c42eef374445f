#include "playback/poll_tick.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "tests/fakes/playback_rig.h"

namespace solvane::testing {
namespace {

constexpr int kRows = 12;

class PollTickTest : public ::testing::Test {
 protected:
  // A started track whose first tick (track information) has already run.
  void PlaySettled() {
    rig.StartPlaying();
    PollTick(rig.playback, kRows);
    rig.shell.invalidations = 0;
    rig.media.calls.clear();
  }

  PlaybackRig rig;
};

TEST_F(PollTickTest, DoesNothingWhileNotPlaying) {
  rig.player.lastPlayState = 3;
  rig.player.playPosition = 123;
  rig.player.playSeconds = 12;
  rig.player.trackInfoPending = 1;
  rig.media.position = 50.0;
  rig.media.playState = kPlayStateStopped;

  PollTick(rig.playback, kRows);

  EXPECT_EQ(rig.player.lastPlayState, 3);
  EXPECT_EQ(rig.player.playPosition, 123);
  EXPECT_EQ(rig.player.playSeconds, 12);
  EXPECT_EQ(rig.player.trackInfoPending, 1);
  EXPECT_EQ(rig.shell.invalidations, 0);
  EXPECT_TRUE(rig.media.calls.empty());
}

TEST_F(PollTickTest, NotesThePositionInTenthsAndWholeSeconds) {
  PlaySettled();
  rig.media.position = 12.37;
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.player.playPosition, 123);
  EXPECT_EQ(rig.player.playSeconds, 12);
}

TEST_F(PollTickTest, RepaintsOncePerChangeOfWholeSecond) {
  PlaySettled();
  const double positions[] = {0.1, 0.5, 0.9, 1.0, 1.4, 1.9, 2.0, 2.05};
  for (double position : positions) {
    rig.media.position = position;
    PollTick(rig.playback, kRows);
  }
  EXPECT_EQ(rig.shell.invalidations, 2);  // at 1.0 and at 2.0
}

TEST_F(PollTickTest, AFailedPositionReadKeepsTheNotedPosition) {
  PlaySettled();
  rig.media.position = 7.5;
  PollTick(rig.playback, kRows);
  rig.media.position.reset();
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.player.playPosition, 75);
  EXPECT_EQ(rig.player.playSeconds, 7);
}

TEST_F(PollTickTest, StoppedRightAfterPlayingAdvancesToTheNextEntry) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  StartTrack(rig.playback, 0);
  PollTick(rig.playback, kRows);  // sees 3
  rig.media.playState = kPlayStateStopped;
  PollTick(rig.playback, kRows);  // sees 1 after 3: the end

  EXPECT_EQ(rig.playlist->currentIndex, 1);
  ASSERT_EQ(rig.media.urls.size(), 2u);
  EXPECT_EQ(rig.media.urls.back(), u"/music/b.mp3");
  EXPECT_EQ(rig.player.lastPlayState, kPlayStateStopped);
}

TEST_F(PollTickTest, AnyStateBetweenPlayingAndStoppedIsNoEnd) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  StartTrack(rig.playback, 0);
  const std::int32_t states[] = {3, 8, 1};
  for (std::int32_t state : states) {
    rig.media.playState = state;
    PollTick(rig.playback, kRows);
  }
  EXPECT_EQ(rig.playlist->currentIndex, 0);
  EXPECT_EQ(rig.media.urls.size(), 1u);
  EXPECT_EQ(rig.player.lastPlayState, 1);
}

TEST_F(PollTickTest, PausedThenStoppedIsNoEnd) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  StartTrack(rig.playback, 0);
  const std::int32_t states[] = {3, 2, 1};
  for (std::int32_t state : states) {
    rig.media.playState = state;
    PollTick(rig.playback, kRows);
  }
  EXPECT_EQ(rig.media.urls.size(), 1u);
}

TEST_F(PollTickTest, ReadsTrackInformationOnTheFirstTickOnly) {
  rig.media.media = MediaItem{123.5, {}};
  rig.StartPlaying();
  ASSERT_EQ(rig.player.trackInfoPending, 1);
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.player.trackInfoPending, 0);
  EXPECT_EQ(rig.player.trackDuration, 1235);

  rig.media.media = MediaItem{50.0, {}};
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.player.trackDuration, 1235);
}

TEST_F(PollTickTest, RepaintsOnceTheTrackInformationIsRead) {
  rig.media.media = MediaItem{123.5, {{u"Title", u"Song"}}};
  rig.StartPlaying();
  rig.shell.invalidations = 0;
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.shell.invalidations, 1);
  EXPECT_EQ(WideView(rig.trackInfo.mediaTitle), u"Song");
}

TEST_F(PollTickTest, AsksAgainForAnUnsettledDurationUntilTheEngineSettlesIt) {
  rig.media.media = MediaItem{0.7, {{u"Title", u"Song"}}, false};
  rig.StartPlaying();
  PollTick(rig.playback, kRows);  // the first read
  ASSERT_EQ(rig.player.trackDuration, 7);
  rig.shell.invalidations = 0;

  PollTick(rig.playback, kRows);  // still nothing better
  EXPECT_EQ(rig.player.trackDuration, 7);
  EXPECT_EQ(rig.shell.invalidations, 0);

  rig.media.media = MediaItem{4.44, {{u"Title", u"Other"}}, false};
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.player.trackDuration, 44);
  EXPECT_EQ(rig.shell.invalidations, 1);

  rig.media.media = MediaItem{4.68, {{u"Title", u"Other"}}, true};
  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.player.trackDuration, 46);
  EXPECT_EQ(rig.media.mediaReads, 4);

  rig.media.media = MediaItem{9.0, {}, false};
  for (int tick = 0; tick < 3; ++tick) {
    PollTick(rig.playback, kRows);
  }
  EXPECT_EQ(rig.media.mediaReads, 4);
  EXPECT_EQ(rig.player.trackDuration, 46);
  EXPECT_EQ(WideView(rig.trackInfo.mediaTitle), u"Song");
}

TEST_F(PollTickTest, ANewTrackEndsTheQuestionsAboutTheLastOnesDuration) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  rig.media.media = MediaItem{0.7, {}, false};
  StartTrack(rig.playback, 0);
  PollTick(rig.playback, kRows);
  PollTick(rig.playback, kRows);
  ASSERT_EQ(rig.media.mediaReads, 2);

  rig.media.media = MediaItem{30.0, {}};  // b's duration, settled at once
  StartTrack(rig.playback, 1);
  for (int tick = 0; tick < 3; ++tick) {
    PollTick(rig.playback, kRows);
  }
  EXPECT_EQ(rig.media.mediaReads, 3);
  EXPECT_EQ(rig.player.trackDuration, 300);
}

TEST_F(PollTickTest, ResumesTheSavedPositionOnceOnTheFirstTickAfterAStart) {
  rig.player.resumePending = 1;
  rig.player.resumePosition = 657;
  rig.StartPlaying();
  PollTick(rig.playback, kRows);

  ASSERT_EQ(rig.media.positionPuts.size(), 1u);
  EXPECT_EQ(rig.media.positionPuts[0], 65.0);
  EXPECT_EQ(rig.player.resumePending, 0);
  EXPECT_EQ(rig.player.playPosition, 650);

  PollTick(rig.playback, kRows);
  EXPECT_EQ(rig.media.positionPuts.size(), 1u);
}

TEST_F(PollTickTest, NoResumeSeekWithoutAPendingTrackStart) {
  PlaySettled();
  rig.player.resumePending = 1;
  rig.player.resumePosition = 300;
  PollTick(rig.playback, kRows);
  EXPECT_TRUE(rig.media.positionPuts.empty());
  EXPECT_EQ(rig.player.resumePending, 1);
}

// A track with a lyric file beside it: the tick hands the position to the
// lyric window, which asks for a repaint at each new line.
TEST_F(PollTickTest, DrivesTheLyricsWithinTheSameSecond) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("solvane-poll-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "song.lrc") << "[00:00.50]first\n[00:00.80]second\n[00:09.00]third\n";
  const std::u16string folderText = Wide((folder.string() + "/"));
  WideCopy(rig.playlist->folder[0], folderText);
  WideCopy(rig.playlist->fileName[0], u"song.mp3");
  rig.playlist->playlistCount = 1;
  ASSERT_EQ(StartTrack(rig.playback, 0), 1);
  ASSERT_EQ(rig.player.lyricsPresent, 1);
  PollTick(rig.playback, kRows);
  rig.shell.invalidations = 0;

  for (double position : {0.6, 0.9}) {
    rig.media.position = position;
    PollTick(rig.playback, kRows);
  }
  EXPECT_EQ(rig.player.playSeconds, 0);
  EXPECT_EQ(rig.shell.invalidations, 2);
  std::filesystem::remove_all(folder);
}

struct ABCase {
  double position;      // seconds the engine reports
  std::int32_t state;   // engine play state
  bool expectReturn;
};

class PollTickABTest : public PollTickTest, public ::testing::WithParamInterface<ABCase> {};

TEST_P(PollTickABTest, ReturnsToAAtOrPastBWhilePlaying) {
  PlaySettled();
  rig.player.abActive = 1;
  rig.player.abStage = 2;
  rig.player.abStart = 100;
  rig.player.abEnd = 250;
  rig.media.position = GetParam().position;
  rig.media.playState = GetParam().state;
  PollTick(rig.playback, kRows);
  if (GetParam().expectReturn) {
    ASSERT_EQ(rig.media.positionPuts.size(), 1u);
    EXPECT_EQ(rig.media.positionPuts[0], 10.0);
  } else {
    EXPECT_TRUE(rig.media.positionPuts.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Marks, PollTickABTest,
                         ::testing::Values(ABCase{24.9, 3, false}, ABCase{25.0, 3, true},
                                           ABCase{25.1, 3, true}, ABCase{40.0, 3, true},
                                           ABCase{25.0, 2, false}));

TEST_F(PollTickTest, NoABReturnUnlessArmedWithBothMarks) {
  PlaySettled();
  rig.player.abStart = 100;
  rig.player.abEnd = 250;
  rig.media.position = 30.0;
  rig.player.abActive = 1;
  rig.player.abStage = 1;
  PollTick(rig.playback, kRows);
  rig.player.abActive = 0;
  rig.player.abStage = 2;
  PollTick(rig.playback, kRows);
  EXPECT_TRUE(rig.media.positionPuts.empty());
}

}  // namespace
}  // namespace solvane::testing
