#include <climits>
#include <set>
#include <vector>

#include "playback_fixture.h"

namespace solvane::testing {
namespace {

using NavigationTest = PlaybackTest;

TEST_F(NavigationTest, NextWrapsAndPreviousClampsIncludingIndicesOutsideTheList) {
  struct Row {
    std::int32_t current;
    std::int32_t next;
    std::int32_t previous;
  };
  const Row rows[] = {
      {0, 1, 0},  {1, 2, 0},    {2, 3, 1},  {4, 0, 3},  // inside a list of 5
      {-1, 0, 0}, {-7, 0, 0},   {5, 0, 4},  {9, 0, 4},  // outside it
      {INT32_MAX, 0, 4},        {INT32_MIN, 0, 0},
  };
  AddEntries(5);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.current);
    playlist->currentIndex = row.current;
    EXPECT_EQ(NextIndex(context), row.next);
    EXPECT_EQ(PreviousIndex(context), row.previous);
  }
}

TEST_F(NavigationTest, NextWhilePlayingStartsUnpausedAndWhileStoppedOnlyChooses) {
  AddEntries(3);
  StartTrack(context, 0);
  player.paused = 1;
  Next(context);
  EXPECT_EQ(media.urls.back(), PathOf(1));
  EXPECT_EQ(player.paused, 0);
  EXPECT_EQ(playlist->currentIndex, 1);

  StopFromMenu(context);
  Previous(context);
  EXPECT_EQ(media.urls.size(), 2U);
  EXPECT_EQ(player.trackChosen, 1);
  EXPECT_EQ(playlist->currentIndex, 0);
  EXPECT_EQ(Title(), u"track0.mp3");
  EXPECT_EQ(shell.invalidations, 3);
}

TEST_F(NavigationTest, EmptyPlaylistOnlyRedraws) {
  Next(context);
  Previous(context);
  AdvanceAfterEnd(context);
  EXPECT_EQ(shell.invalidations, 2);
  EXPECT_TRUE(media.calls.empty());
  EXPECT_EQ(player.trackChosen, 0);
}

TEST_F(NavigationTest, RefusedNextKeepsTheMovedIndex) {
  AddEntries(2);
  StartTrack(context, 0);
  media.refusedUrls = {PathOf(1)};
  Next(context);
  EXPECT_EQ(playlist->currentIndex, 1);
  EXPECT_EQ(player.trackLoaded, 0);
}

TEST_F(NavigationTest, EndOfTheLastEntryWithoutRepeatHaltsThenPlayAndEndMoveOn) {
  AddEntries(3);
  StartTrack(context, 2);
  player.playPosition = 1800;

  AdvanceAfterEnd(context);

  EXPECT_EQ(player.playing, 0);
  EXPECT_EQ(player.trackLoaded, 1);
  EXPECT_EQ(player.playPosition, 0);
  EXPECT_EQ(media.positionPuts.back(), 0.0);
  EXPECT_EQ(playlist->currentIndex, 0);
  EXPECT_EQ(Title(), u"track2.mp3");

  TogglePlay(context);  // the loaded last track again, from 0
  EXPECT_EQ(media.urls.size(), 1U);
  EXPECT_EQ(player.playing, 1);

  AdvanceAfterEnd(context);
  EXPECT_EQ(media.urls.back(), PathOf(1));
  EXPECT_EQ(playlist->currentIndex, 1);
}

TEST_F(NavigationTest, EndOfTheLastEntryWithRepeatStartsEntryZero) {
  AddEntries(3);
  player.repeat = 1;
  StartTrack(context, 2);
  AdvanceAfterEnd(context);
  EXPECT_EQ(media.urls.back(), PathOf(0));
  EXPECT_EQ(player.playing, 1);
}

TEST_F(NavigationTest, EndWithTheIndexOutsideTheListCountsAsTheEndOrStartsEntryZero) {
  AddEntries(3);
  for (const std::int32_t index : {3, 40, INT32_MAX}) {
    SCOPED_TRACE(index);
    StartTrack(context, 1);
    playlist->currentIndex = index;
    AdvanceAfterEnd(context);
    EXPECT_EQ(player.playing, 0);
    EXPECT_EQ(playlist->currentIndex, 0);
  }
  StartTrack(context, 1);
  playlist->currentIndex = -1;
  AdvanceAfterEnd(context);
  EXPECT_EQ(media.urls.back(), PathOf(0));
}

TEST_F(NavigationTest, ShuffleWithOneEntryAlwaysPicksIt) {
  AddEntries(1);
  player.shuffle = 1;
  for (std::uint32_t tick = 0; tick < 50; ++tick) {
    shell.tickMs = tick * 7919;
    EXPECT_EQ(NextIndex(context), 0);
    EXPECT_EQ(PreviousIndex(context), 0);
  }
}

TEST_F(NavigationTest, DrawsInTheSameMillisecondAgreeAndOthersSpread) {
  std::set<std::int32_t> seen;
  for (std::uint32_t tick = 1000; tick < 1100; ++tick) {
    shell.tickMs = tick;
    const std::int32_t first = RandomIndex(shell, 10);
    EXPECT_EQ(RandomIndex(shell, 10), first);
    EXPECT_GE(first, 0);
    EXPECT_LT(first, 10);
    seen.insert(first);
  }
  EXPECT_GT(seen.size(), 5U);
  EXPECT_EQ(RandomIndex(shell, 0), 0);
}

// The poll tick fires on whole hundreds of the millisecond clock, so shuffle
// draws come at seeds 100 ms apart; the picks must still reach every entry and
// must not fall into a short cycle.
TEST_F(NavigationTest, DrawsAtSeedsOneHundredMillisecondsApartReachEveryEntryWithoutCycling) {
  constexpr std::int32_t kEntries = 12;
  constexpr int kDraws = 1000;
  for (const std::uint32_t start : {0U, 100000U, 4000000000U}) {
    std::vector<std::int32_t> picks;
    for (int draw = 0; draw < kDraws; ++draw) {
      shell.tickMs = start + 100U * static_cast<std::uint32_t>(draw);
      picks.push_back(RandomIndex(shell, kEntries));
    }
    EXPECT_EQ(std::set<std::int32_t>(picks.begin(), picks.end()).size(),
              static_cast<std::size_t>(kEntries))
        << "from " << start;
    for (std::size_t period = 1; period <= 100; ++period) {
      bool repeats = true;
      for (std::size_t i = 0; i + period < picks.size() && repeats; ++i) {
        repeats = picks[i] == picks[i + period];
      }
      EXPECT_FALSE(repeats) << "period " << period << " from " << start;
    }
  }
}

TEST_F(NavigationTest, WithShuffleTheListNeverEndsWhateverRepeatSays) {
  AddEntries(4);
  player.shuffle = 1;
  StartTrack(context, 3);
  for (std::uint32_t tick = 0; tick < 20; ++tick) {
    shell.tickMs = tick;
    AdvanceAfterEnd(context);
    EXPECT_EQ(player.playing, 1);
    EXPECT_EQ(playlist->currentIndex, RandomIndex(shell, 4));
  }
}

}  // namespace
}  // namespace solvane::testing
