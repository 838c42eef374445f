#include "playback/startup_playback.h"
#include "playback_fixture.h"

namespace solvane::testing {
namespace {

using StartupTest = PlaybackTest;

TEST_F(StartupTest, PrepareClearsThePlaybackFlagsSetsVolume80AndSilencesEngineDialogs) {
  player.playing = player.trackLoaded = player.lyricsPresent = 1;
  PrepareEngineAtStartup(context);
  EXPECT_EQ(player.playing + player.trackLoaded + player.lyricsPresent, 0);
  EXPECT_EQ(media.volumePuts, std::vector<std::int32_t>{80});
  EXPECT_EQ(media.errorDialogs, false);

  media.calls.clear();
  media.errorDialogs.reset();  // the setting cannot be read: leave it alone
  PrepareEngineAtStartup(context);
  EXPECT_EQ(media.CallCount("errorDialogs"), 0);
}

TEST_F(StartupTest, LoadedStateAppliesVolumeAndTheRestoredMuteToTheEngine) {
  AddEntries(2);
  player.muted = 1;
  AfterStateLoaded(context, true, 35);
  EXPECT_EQ(media.volumePuts, std::vector<std::int32_t>{35});
  EXPECT_EQ(media.mutePuts, std::vector<bool>{true});
  EXPECT_EQ(player.trackChosen, 1);
  EXPECT_EQ(player.startScreenKept, 1);
}

TEST_F(StartupTest, NoStateOrAnEmptyPlaylistChoosesNothing) {
  AfterStateLoaded(context, true, 35);
  EXPECT_EQ(player.trackChosen, 0);
  AddEntries(1);
  AfterStateLoaded(context, false, 35);
  EXPECT_EQ(player.trackChosen, 0);
  EXPECT_EQ(media.volumePuts.size(), 1U);
}

TEST_F(StartupTest, LastFileStartsOnlyWhenWantedAndInsideThePlaylist) {
  Options options;
  AddEntries(3);
  playlist->currentIndex = 1;
  EXPECT_EQ(StartLastFileIfWanted(context, options), 0);
  options.playLastFileAtStartup = 1;
  player.startScreenKept = 1;
  EXPECT_EQ(StartLastFileIfWanted(context, options), 1);
  EXPECT_EQ(media.urls, std::vector<std::u16string>{PathOf(1)});
  EXPECT_EQ(player.startScreenKept, 0);

  playlist->currentIndex = 3;  // as a state file may leave it
  EXPECT_EQ(StartLastFileIfWanted(context, options), 0);
  EXPECT_EQ(media.urls.size(), 1U);
}

TEST_F(StartupTest, ResumeIsArmedForANonEmptyPlaylistAndSeeksOnce) {
  Options options;
  options.rememberLastPosition = 1;
  ArmResumeIfWanted(context, options);
  EXPECT_EQ(player.resumePending, 0);
  AddEntries(1);
  options.rememberLastPosition = 0;
  ArmResumeIfWanted(context, options);
  EXPECT_EQ(player.resumePending, 0);
  options.rememberLastPosition = 1;
  ArmResumeIfWanted(context, options);
  EXPECT_EQ(player.resumePending, 1);

  player.resumePosition = 1234;
  ResumeIfPending(context);
  ResumeIfPending(context);
  EXPECT_EQ(media.positionPuts, std::vector<double>{123.0});
  EXPECT_EQ(player.resumePending, 0);
  EXPECT_EQ(player.playPosition, 1230);
}

}  // namespace
}  // namespace solvane::testing
