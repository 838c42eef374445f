#include <functional>
#include <map>
#include <string>

#include "playback_fixture.h"

namespace solvane::testing {
namespace {

std::string StateOf(const PlayerState& p) {
  if (p.trackLoaded && p.playing) return p.paused ? "Paused" : "Playing";
  if (p.trackLoaded && !p.paused) return "Halted";
  if (!p.trackLoaded && !p.playing && p.trackChosen) return "Chosen";
  if (!p.trackLoaded && !p.playing && !p.paused && !p.trackChosen) return "Empty";
  return "Inconsistent";
}

class TransportTest : public PlaybackTest {
 protected:
  TransportTest() { AddEntries(3); }

  void Enter(const std::string& state) {
    if (state == "Chosen") {
      ChooseTrack(context, 0);
      return;
    }
    if (state == "Empty") return;
    StartTrack(context, 0);
    if (state == "Paused") TogglePlay(context);
    if (state == "Halted") StopFromMenu(context);
  }
};

struct Transition {
  const char* from;
  const char* action;
  const char* to;
};

TEST_F(TransportTest, StateTableTransitions) {
  const std::map<std::string, std::function<void(PlaybackContext&)>> actions = {
      {"Play", TogglePlay},         {"StopMenu", StopFromMenu}, {"StopFace", StopFromFace},
      {"Next", Next},               {"Previous", Previous},     {"End", AdvanceAfterEnd},
      {"ChooseOther", [](PlaybackContext& c) { ChooseTrack(c, 1); }},
  };
  const Transition table[] = {
      {"Empty", "Play", "Empty"},       {"Empty", "StopMenu", "Empty"},
      {"Empty", "Next", "Chosen"},      {"Chosen", "Play", "Playing"},
      {"Chosen", "Next", "Chosen"},     {"Chosen", "StopFace", "Chosen"},
      {"Playing", "Play", "Paused"},    {"Paused", "Play", "Playing"},
      {"Playing", "StopMenu", "Halted"}, {"Paused", "StopFace", "Halted"},
      {"Halted", "Play", "Playing"},    {"Halted", "Next", "Chosen"},
      {"Halted", "Previous", "Chosen"}, {"Playing", "Next", "Playing"},
      {"Paused", "Previous", "Playing"}, {"Playing", "End", "Playing"},
      {"Paused", "ChooseOther", "Chosen"},
  };
  for (const Transition& row : table) {
    SCOPED_TRACE(std::string(row.from) + " --" + row.action + "-> " + row.to);
    player = PlayerState{};
    playlist->currentIndex = 0;
    Enter(row.from);
    ASSERT_EQ(StateOf(player), row.from);
    actions.at(row.action)(context);
    EXPECT_EQ(StateOf(player), row.to);
  }
}

TEST_F(TransportTest, PlayInTheHaltedStateResumesTheLoadedMediaWithoutReloading) {
  WriteLyrics("track0", "[00:01.00]One\n");
  StartTrack(context, 0);
  StopFromMenu(context);
  lyrics.headerShown = 0;  // as a tick would have left it
  media.calls.clear();

  TogglePlay(context);

  EXPECT_EQ(media.calls, std::vector<std::string>{"play"});
  EXPECT_EQ(media.urls.size(), 1U);
  EXPECT_EQ(lyrics.headerShown, 0);
  EXPECT_EQ(player.playing, 1);
}

TEST_F(TransportTest, PlayInTheChosenStateStartsTheEntryAtTheCurrentIndex) {
  playlist->currentIndex = 2;
  ChooseTrack(context, 2);
  TogglePlay(context);
  EXPECT_EQ(media.urls, std::vector<std::u16string>{PathOf(2)});
  EXPECT_EQ(player.trackChosen, 0);
  EXPECT_EQ(player.playing, 1);
}

TEST_F(TransportTest, ChosenEntryIsDroppedWhenRefusedOrOutsideThePlaylist) {
  for (const std::int32_t index : {1, -1, 3, 250}) {
    SCOPED_TRACE(index);
    player = PlayerState{};
    player.trackChosen = 1;
    playlist->currentIndex = index;
    media.refusedUrls = {PathOf(1)};
    TogglePlay(context);
    EXPECT_EQ(player.trackChosen, 0);
    EXPECT_EQ(player.trackLoaded, 0);
    EXPECT_EQ(player.playing, 0);
  }
  EXPECT_EQ(media.urls.size(), 1U);  // only the refused entry reached the engine
}

TEST_F(TransportTest, BothStopsRewindButOnlyTheFaceDropsTheABLoop) {
  for (const bool fromFace : {false, true}) {
    SCOPED_TRACE(fromFace ? "face" : "menu");
    player = PlayerState{};
    StartTrack(context, 0);
    media.position = 42.7;
    player.playPosition = 427;
    player.playSeconds = 42;
    player.abActive = 1;
    player.abStage = 2;
    media.calls.clear();
    media.positionPuts.clear();

    (fromFace ? StopFromFace : StopFromMenu)(context);

    EXPECT_EQ(media.calls, (std::vector<std::string>{"pause", "seek"}));
    EXPECT_EQ(media.positionPuts, std::vector<double>{0.0});
    EXPECT_EQ(player.playPosition, 0);
    EXPECT_EQ(player.playSeconds, 0);
    EXPECT_EQ(player.abActive, fromFace ? 0 : 1);
    EXPECT_EQ(player.abStage, fromFace ? 0 : 2);
  }
}

TEST_F(TransportTest, StopWithoutALoadedTrackOnlyRedrawsFromTheMenu) {
  StopFromFace(context);
  EXPECT_EQ(shell.invalidations, 0);
  StopFromMenu(context);
  EXPECT_EQ(shell.invalidations, 1);
  Halt(context);
  EXPECT_TRUE(media.calls.empty());
}

}  // namespace
}  // namespace solvane::testing
