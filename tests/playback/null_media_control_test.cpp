#include "playback/null_media_control.h"

#include <gtest/gtest.h>

#include "playback/playback_control.h"
#include "tests/fakes/playback_rig.h"

namespace solvane::testing {
namespace {

TEST(NullMediaControl, RefusesEveryFileSoNothingPlays) {
  PlaybackRig rig;
  NullMediaControl engine;
  PlaybackContext playback{rig.player, *rig.playlist, rig.lyrics, rig.trackInfo,
                           *rig.browser, engine,      rig.shell};
  rig.AddEntry("a.mp3");
  EXPECT_EQ(StartTrack(playback, 0), 0);
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_EQ(rig.player.trackLoaded, 0);
  EXPECT_EQ(engine.PlayState(), kPlayStateStopped);
  EXPECT_FALSE(engine.CurrentPosition().has_value());
  EXPECT_NE(engine.PutCurrentPosition(5.0), 0);
  EXPECT_FALSE(engine.CurrentMedia().has_value());
}

TEST(NullMediaControl, KeepsTheVolumeItIsGiven) {
  NullMediaControl engine;
  EXPECT_EQ(GetVolume(engine), 80);
  SetVolume(engine, 35);
  EXPECT_EQ(GetVolume(engine), 35);
}

}  // namespace
}  // namespace solvane::testing
