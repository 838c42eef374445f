#include <climits>

#include "playback_fixture.h"

namespace solvane::testing {
namespace {

class SeekingTest : public PlaybackTest {
 protected:
  SeekingTest() {
    AddEntries(1);
    WriteLyrics("track0", "[00:05.40]a\n[00:05.50]b\n[00:06.00]c\n[00:30.00]d\n");
    StartTrack(context, 0);
    media.positionPuts.clear();
  }
};

TEST_F(SeekingTest, WholeSecondsGoToTheEngineAndTheLyricsRefillFromTwoTenthsBefore) {
  lyrics.currentLine = 2;
  EXPECT_EQ(SeekTo(context, 57), 1);
  EXPECT_EQ(media.positionPuts, std::vector<double>{5.0});
  EXPECT_EQ(player.playPosition, 50);
  EXPECT_EQ(player.playSeconds, 5);
  ASSERT_EQ(lyrics.lineCount, 3);
  EXPECT_EQ(lyrics.lineTime[0], 55);
  EXPECT_EQ(lyrics.currentLine, 0);
}

TEST_F(SeekingTest, PositionIsTakenAsTheEngineReportsItAfterTheSeek) {
  SeekTo(context, 129);  // the engine goes to 12 s, not 12.9
  EXPECT_EQ(player.playPosition, 120);
  EXPECT_EQ(player.playSeconds, 12);
}

TEST_F(SeekingTest, FailedPutKeepsThePositionButStillResyncsTheLyrics) {
  player.playPosition = 300;
  player.playSeconds = 30;
  media.positionPutResult = 1;
  EXPECT_EQ(SeekTo(context, 62), 1);
  EXPECT_EQ(player.playPosition, 300);
  EXPECT_EQ(player.playSeconds, 30);
  EXPECT_EQ(lyrics.lineTime[0], 60);
}

TEST_F(SeekingTest, NegativeTargetMeansTheStart) {
  SeekTo(context, INT32_MIN);
  SeekTo(context, -15);
  EXPECT_EQ(media.positionPuts, (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(lyrics.lineTime[0], 54);
}

TEST_F(SeekingTest, PercentOfTheDurationTruncatesToWholeSeconds) {
  struct Row {
    std::int32_t percent;
    std::int32_t duration;
    double seconds;
  };
  const Row rows[] = {
      {50, 2345, 117.0},              // 1,172 tenths
      {0, 2345, 0.0},
      {100, 2345, 234.0},
      {100, INT32_MAX, 214748364.0},  // the product would not fit 32 bits
      {150, 1000, 100.0},             // held to 100 %
      {-5, 1000, 0.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.percent);
    media.positionPuts.clear();
    player.trackDuration = row.duration;
    EXPECT_EQ(SeekToPercent(context, row.percent), 1);
    EXPECT_EQ(media.positionPuts, std::vector<double>{row.seconds});
  }
}

}  // namespace
}  // namespace solvane::testing
