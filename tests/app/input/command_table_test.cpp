#include "app/input/command_table.h"

#include <gtest/gtest.h>

#include "app/input/command_ids.h"
#include "tests/app/core_rig.h"

namespace solvane::testing {
namespace {

class CommandTableTest : public ::testing::Test {
 protected:
  bool Run(int id) {
    InputContext input = rig.Input();
    return DispatchCommand(input, id);
  }
  CoreRig rig;
};

// The commands whose whole action is a call on the main window.
struct WindowCommand {
  int id;
  std::vector<std::string> calls;
};

class WindowCommandTest : public CommandTableTest,
                          public ::testing::WithParamInterface<WindowCommand> {};

TEST_P(WindowCommandTest, ReachesTheWindow) {
  EXPECT_TRUE(Run(GetParam().id));
  EXPECT_EQ(rig.window.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, WindowCommandTest,
    ::testing::Values(WindowCommand{kCmdAbout, {"about"}},
                      WindowCommand{kCmdOptions, {"options"}},
                      WindowCommand{kCmdExit, {"stopTimer", "close"}},
                      WindowCommand{kCmdHide, {"hide"}},
                      WindowCommand{kCmdMinimize, {"collapse"}},
                      WindowCommand{kCmdMaximize, {}},  // nothing remembered yet
                      WindowCommand{kCmdScreenOff, {"screenOff"}}));

TEST_F(CommandTableTest, OpenFilesAndAddFilesSetTheModeBeforeTheBrowserOpens) {
  rig.player.addMode = 1;
  EXPECT_TRUE(Run(kCmdOpenFiles));
  EXPECT_EQ(rig.player.addMode, 0);
  EXPECT_TRUE(Run(kCmdAddFiles));
  EXPECT_EQ(rig.player.addMode, 1);
  EXPECT_EQ(rig.window.calls, (std::vector<std::string>{"browser", "browser"}));
}

TEST_F(CommandTableTest, RepeatAndShuffleToggleAndRepaint) {
  EXPECT_TRUE(Run(kCmdRepeat));
  EXPECT_EQ(rig.player.repeat, 1);
  EXPECT_TRUE(Run(kCmdShuffle));
  EXPECT_EQ(rig.player.shuffle, 1);
  Run(kCmdRepeat);
  Run(kCmdShuffle);
  EXPECT_EQ(rig.player.repeat, 0);
  EXPECT_EQ(rig.player.shuffle, 0);
  EXPECT_EQ(rig.shell.invalidations, 4);
}

TEST_F(CommandTableTest, MarkABMarksAWhilePlaying) {
  rig.StartPlaying();
  rig.player.playPosition = 42;
  rig.shell.invalidations = 0;
  EXPECT_TRUE(Run(kCmdMarkAB));
  EXPECT_EQ(rig.player.abStage, 1);
  EXPECT_EQ(rig.player.abStart, 42);
  EXPECT_GE(rig.shell.invalidations, 1);
}

TEST_F(CommandTableTest, PlayPauseWithoutATrackOnlyRepaints) {
  EXPECT_TRUE(Run(kCmdPlayPause));
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_TRUE(rig.media.calls.empty());
  EXPECT_EQ(rig.shell.invalidations, 1);
}

TEST_F(CommandTableTest, PlayPauseStartsTheChosenEntry) {
  rig.AddEntry("a.mp3");
  rig.player.trackChosen = 1;
  EXPECT_TRUE(Run(kCmdPlayPause));
  EXPECT_EQ(rig.player.playing, 1);
  EXPECT_EQ(rig.player.trackChosen, 0);
  ASSERT_EQ(rig.media.urls.size(), 1u);
  EXPECT_EQ(rig.media.urls[0], u"/music/a.mp3");
}

TEST_F(CommandTableTest, TogglePlayAndHaltGoThroughTheSameDispatch) {
  rig.StartPlaying();
  EXPECT_TRUE(Run(kCmdTogglePlay));
  EXPECT_EQ(rig.player.paused, 1);
  EXPECT_TRUE(Run(kCmdHalt));
  EXPECT_EQ(rig.player.playing, 0);
}

TEST_F(CommandTableTest, StopRewindsALoadedTrackAndRepaints) {
  rig.StartPlaying();
  rig.media.position = 30.0;
  rig.player.playPosition = 300;
  rig.shell.invalidations = 0;
  EXPECT_TRUE(Run(kCmdStop));
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_EQ(rig.player.playPosition, 0);
  ASSERT_FALSE(rig.media.positionPuts.empty());
  EXPECT_EQ(rig.media.positionPuts.back(), 0.0);
  EXPECT_GE(rig.shell.invalidations, 1);
}

TEST_F(CommandTableTest, NextAndPreviousMoveThroughThePlaylist) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  EXPECT_TRUE(Run(kCmdNext));
  EXPECT_EQ(rig.playlist->currentIndex, 1);
  EXPECT_EQ(rig.player.trackChosen, 1);  // nothing plays: the entry is chosen
  EXPECT_TRUE(Run(kCmdPrevious));
  EXPECT_EQ(rig.playlist->currentIndex, 0);
}

TEST_F(CommandTableTest, DeleteRemovesTheHighlightedEntryAndTellsTheView) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  rig.AddEntry("c.mp3");
  rig.playlist->highlightedRow = 1;
  rig.window.viewExists = true;
  EXPECT_TRUE(Run(kCmdDelete));
  ASSERT_EQ(rig.playlist->playlistCount, 2);
  EXPECT_EQ(WideView(rig.playlist->fileName[1]), u"c.mp3");
  ASSERT_FALSE(rig.window.rows.calls.empty());
  EXPECT_EQ(rig.window.rows.calls[0], "remove 1");
}

TEST_F(CommandTableTest, DeleteWithoutAViewStillDeletes) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  rig.playlist->highlightedRow = 0;
  EXPECT_TRUE(Run(kCmdDelete));
  EXPECT_EQ(rig.playlist->playlistCount, 1);
  EXPECT_TRUE(rig.window.rows.calls.empty());
}

TEST_F(CommandTableTest, DeleteAllEmptiesThePlaylist) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  rig.window.viewExists = true;
  EXPECT_TRUE(Run(kCmdDeleteAll));
  EXPECT_EQ(rig.playlist->playlistCount, 0);
  EXPECT_FALSE(rig.window.rows.calls.empty());
}

TEST_F(CommandTableTest, OnlyAMaximizeAfterAMinimizeChangesTheWindow) {
  rig.window.rect = WindowRect{5, 6, 245, 326};
  Run(kCmdMinimize);
  rig.window.rect = WindowRect{0, 0, 240, 26};  // collapsed to the menu bar
  Run(kCmdMinimize);
  EXPECT_EQ(rig.window.calls, (std::vector<std::string>{"collapse"}));
  EXPECT_EQ(rig.savedWindowRect.bottom, 326);

  Run(kCmdMaximize);
  ASSERT_EQ(rig.window.restored.size(), 1u);
  EXPECT_EQ(rig.window.restored[0].left, 5);
  EXPECT_EQ(rig.window.restored[0].top, 6);
  EXPECT_EQ(rig.window.restored[0].right, 245);
  EXPECT_EQ(rig.window.restored[0].bottom, 326);
  Run(kCmdMaximize);  // the pair is used up
  EXPECT_EQ(rig.window.restored.size(), 1u);

  // A later Minimize remembers the window where it stands by then.
  rig.window.rect = WindowRect{50, 60, 290, 380};
  Run(kCmdMinimize);
  rig.window.rect = WindowRect{0, 0, 240, 26};
  Run(kCmdMaximize);
  ASSERT_EQ(rig.window.restored.size(), 2u);
  EXPECT_EQ(rig.window.restored[1].left, 50);
  EXPECT_EQ(rig.window.restored[1].bottom, 380);
}

TEST_F(CommandTableTest, UnknownIdsAreIgnored) {
  const int unknown[] = {0, 1, 40000, 40002, 40017, 40050, 40073, 77, -1};
  for (int id : unknown) {
    EXPECT_FALSE(Run(id)) << id;
  }
  EXPECT_TRUE(rig.window.calls.empty());
  EXPECT_TRUE(rig.media.calls.empty());
  EXPECT_EQ(rig.shell.invalidations, 0);
}

}  // namespace
}  // namespace solvane::testing
