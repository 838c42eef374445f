#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "lyrics/lyrics.h"
#include "tests/fakes/recording_shell.h"
#include "tests/lyrics/allocation_count.h"
#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

using testing::PutContent;
using testing::TimedLines;
using testing::TimeTag;
using testing::WindowTexts;
using testing::WindowTimes;
using Texts = std::vector<std::string>;
using Times = std::vector<std::int32_t>;
using namespace std::string_literals;

constexpr int kSmallScreenRows = 9;
constexpr int kLargeScreenRows = 12;

// Loads the bytes and prepares them as a track start does.
void StartTrack(LyricState& lyrics, std::string_view bytes) {
  PutContent(lyrics, bytes);
  ParseHeaderTags(lyrics);
  BuildTagIndex(lyrics);
  FillLyricWindow(lyrics, 0);
  lyrics.currentLine = 0;
  lyrics.headerShown = 1;
}

struct TextCase {
  const char* name;
  std::string bytes;
  Texts texts;
};

class LineTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(LineTexts, WindowKeepsTheBytesAfterEachTag) {
  LyricState lyrics;
  PutContent(lyrics, GetParam().bytes);
  FillLyricWindow(lyrics, 0);
  EXPECT_EQ(WindowTexts(lyrics), GetParam().texts) << "read from the bytes";
  BuildTagIndex(lyrics);
  FillLyricWindow(lyrics, 0);
  EXPECT_EQ(WindowTexts(lyrics), GetParam().texts) << "read through the index";
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, LineTexts,
    ::testing::Values(
        TextCase{"CrLf", "[00:01.00]Hello\r\n[00:02.00]\r\n[00:03.00]x\r\n", {"Hello", "", "x"}},
        TextCase{"LfOnlyHighBytesKept", "[00:01.00]caf\xc3\xa9\n[00:02.00]\xff\x80\n",
                 {"caf\xc3\xa9", "\xff\x80"}},
        TextCase{"OnlyOneControlByteRemoved", "[00:01.00]Hi\r\r\n", {"Hi\r"}},
        TextCase{"LastLineWithoutLineFeed", "[00:01.00]End", {"End"}},
        TextCase{"TagAtVeryEnd", "[00:01.00]", {""}},
        TextCase{"LongLineCut", "[00:01.00]" + std::string(200, 'a') + "\n",
                 {std::string(129, 'a')}},
        TextCase{"ControlByteAtTheCutRemoved",
                 "[00:01.00]" + std::string(128, 'a') + "\tbbb\n", {std::string(128, 'a')}},
        TextCase{"SeveralTagsOnOneLine", "[00:12.34][00:45.67]Hello\n",
                 {"[00:45.67]Hello", "Hello"}},
        TextCase{"UntaggedBytesIgnored", "[ar:x]\nplain\nintro [00:01.00]sung\n", {"sung"}}),
    testing::CaseName<TextCase>);

TEST(LyricWindow, HoldsTheFirstTwentyTagsAtOrAfterStartInFileOrder) {
  LyricState lyrics;
  PutContent(lyrics, "[00:03.00]c\n[00:01.00]a\n[00:02.00]b\n" + TimedLines(30, 50));
  FillLyricWindow(lyrics, 15);
  EXPECT_EQ(lyrics.lineCount, 20);
  EXPECT_EQ(WindowTexts(lyrics)[0], "c");
  EXPECT_EQ(WindowTexts(lyrics)[1], "b");
  EXPECT_EQ(WindowTimes(lyrics)[2], 50);
  EXPECT_EQ(WindowTimes(lyrics)[19], 900);
}

TEST(LyricWindow, FillClearsTextsButKeepsTheTimesOfUnreachedSlots) {
  LyricState lyrics;
  PutContent(lyrics, TimedLines(30, 50));
  FillLyricWindow(lyrics, 0);
  FillLyricWindow(lyrics, 1450);
  EXPECT_EQ(WindowTimes(lyrics), (Times{1450, 1500}));
  EXPECT_EQ(lyrics.lineText[2][0], '\0');
  EXPECT_EQ(lyrics.lineTime[2], 150);  // left by the first fill
}

// Files whose tags are placed awkwardly, for comparing fills through the tag
// index with fills that read the file.
struct AwkwardFile {
  const char* name;
  std::string bytes;

  friend void PrintTo(const AwkwardFile& file, std::ostream* out) { *out << file.name; }
};

std::string Shuffled(int count) {
  std::string text;
  for (int k = 0; k < count; ++k) {
    text += TimeTag(k * 37 % count * 10) + "line " + std::to_string(k) + "\n";
  }
  return text;
}

// Tags with nothing between them, each time taken seven times over: the
// index is full.
std::string TagsOnly(int count) {
  std::string tags;
  for (int k = count; k > 0; --k) {
    tags += TimeTag(k % 7 * 10);
  }
  return tags;
}

class IndexedFill : public ::testing::TestWithParam<AwkwardFile> {};

// Every start around every tag time, and far outside them, in turn on two
// records of the same file: one whose index has the tags' offsets and one
// without, which reads the file. The whole window must agree after each
// fill, the slots a fill does not reach included.
TEST_P(IndexedFill, MatchesTheFillThatReadsTheFile) {
  LyricState indexed;
  PutContent(indexed, GetParam().bytes);
  BuildTagIndex(indexed);
  ASSERT_GT(indexed.tagCount, 0);
  LyricState read;
  PutContent(read, GetParam().bytes);
  read.tagOffset.reset();
  BuildTagIndex(read);

  std::vector<std::int32_t> starts = {INT32_MIN, -1, 0, INT32_MAX};
  for (const std::int32_t time : testing::TagTimes(indexed)) {
    starts.insert(starts.end(), {time - 1, time, time + 1});
  }
  for (const std::int32_t start : starts) {
    FillLyricWindow(indexed, start);
    FillLyricWindow(read, start);
    ASSERT_EQ(indexed.lineCount, read.lineCount) << start;
    for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
      ASSERT_EQ(indexed.lineTime[slot], read.lineTime[slot]) << start << " slot " << slot;
      ASSERT_EQ(0, std::memcmp(indexed.lineText[slot], read.lineText[slot], kLyricTextField))
          << start << " slot " << slot;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, IndexedFill,
    ::testing::Values(
        AwkwardFile{"TagsAtTheFirstAndLastBytes", "[00:01.00]a\nb\n[00:02.00]"},
        AwkwardFile{"CrLfLines", TimedLines(30, 50)},
        AwkwardFile{"OverlongLines", TimeTag(10) + std::string(300, 'x') + "\r\n" + TimeTag(20) +
                                         std::string(128, 'y') + "\r" + std::string(5, 'z')},
        AwkwardFile{"TimesOutOfOrder", Shuffled(61)},
        AwkwardFile{"EqualTimes", "[00:05.00]a\n[00:05.00]b\n[00:04.00]c\n[00:05.00]d\n"},
        AwkwardFile{"LastTagCutShort", TimedLines(25, 10) + "[00:09.0"},
        AwkwardFile{"SeveralTagsOnALine", "[00:03.00][00:01.00][00:02.00]chorus\n[00:04.00]x"},
        AwkwardFile{"BracketForHundredths", "[00:01.0[][00:02.00]x[[00:03.0]]"},
        AwkwardFile{"NothingButTags", TagsOnly(40)},
        AwkwardFile{"ZeroBytesInText", "[00:01.00]a\0b\n[00:02.00]\0\n"s},
        AwkwardFile{"HeaderAndStrayText", "[ar:A]\n[ti:T]\nintro [00:01.00] sung [00:02.00]"}),
    testing::CaseName<AwkwardFile>);

TEST(LyricWindow, SeekRefillsFromJustBeforeTheTarget) {
  LyricState lyrics;
  StartTrack(lyrics, TimeTag(590) + "a\n" + TimeTag(598) + "b\n" + TimeTag(600) + "c\n");
  lyrics.currentLine = 2;
  lyrics.lastTagTime = 590;
  ResyncLyrics(lyrics, true, 600);
  EXPECT_EQ(WindowTexts(lyrics), (Texts{"b", "c"}));
  EXPECT_EQ(lyrics.currentLine, 0);
  EXPECT_EQ(lyrics.lastTagTime, 590);
  EXPECT_EQ(lyrics.headerShown, 1);
}

TEST(LyricWindow, SeekWithoutLyricsChangesNothing) {
  LyricState lyrics;
  StartTrack(lyrics, TimedLines(30, 50));
  lyrics.currentLine = 3;
  ResyncLyrics(lyrics, false, 1000);
  EXPECT_EQ(lyrics.lineTime[0], 50);
  EXPECT_EQ(lyrics.currentLine, 3);
}

TEST(LyricWindow, SeekToTheSmallestTimeDoesNotWrapAround) {
  LyricState lyrics;
  StartTrack(lyrics, TimedLines(3, 50));
  ResyncLyrics(lyrics, true, INT32_MIN);
  EXPECT_EQ(lyrics.lineCount, 3);
}

TEST(LyricTick, FileWithoutTagsKeepsTheHeader) {
  LyricState lyrics;
  testing::RecordingShell shell;
  StartTrack(lyrics, "[ar:A]\n[ti:T]\nno tags here\n");
  EXPECT_FALSE(LyricTick(lyrics, 5.0, kSmallScreenRows, shell));
  EXPECT_EQ(lyrics.headerShown, 1);
  EXPECT_EQ(shell.invalidations, 0);
}

// Plays a track from 0 with a tick every 100 ms up to `until` tenths and
// records the current line after each tick that chose one.
struct Playback {
  std::vector<std::int32_t> chosenLines;
  std::int32_t refills = 0;
};

Playback PlayUntil(LyricState& lyrics, std::int32_t until, int rows, testing::RecordingShell& shell) {
  Playback playback;
  for (std::int32_t tenths = 0; tenths <= until; ++tenths) {
    const std::int32_t firstTime = lyrics.lineTime[0];
    if (LyricTick(lyrics, tenths / 10.0 + 0.001, rows, shell)) {
      playback.chosenLines.push_back(lyrics.currentLine);
    } else if (lyrics.lineTime[0] != firstTime) {
      ++playback.refills;
    }
  }
  return playback;
}

TEST(LyricTick, PageTurnsWhenTheLineReachesRowRMinusThree) {
  for (const int rows : {kSmallScreenRows, kLargeScreenRows}) {
    LyricState lyrics;
    testing::RecordingShell shell;
    StartTrack(lyrics, TimedLines(30, 50));
    const int lastHighlightedRow = rows - 4;
    const std::int32_t turnTime = (lastHighlightedRow + 2) * 50;

    const Playback before = PlayUntil(lyrics, turnTime - 1, rows, shell);
    std::vector<std::int32_t> rowsWalked;
    for (int row = 0; row <= lastHighlightedRow; ++row) {
      rowsWalked.push_back(row);
    }
    EXPECT_EQ(before.chosenLines, rowsWalked) << rows;
    EXPECT_EQ(before.refills, 0);
    EXPECT_EQ(shell.invalidations, rows - 3);
    EXPECT_EQ(lyrics.headerShown, 0);

    EXPECT_FALSE(LyricTick(lyrics, turnTime / 10.0, rows, shell));
    EXPECT_EQ(lyrics.lineTime[0], turnTime) << rows;
    EXPECT_EQ(lyrics.lineCount, 20);
    EXPECT_EQ(lyrics.currentLine, 0);
    EXPECT_EQ(shell.invalidations, rows - 3);  // the turned page waits for the next paint
  }
}

TEST(LyricTick, PageBeginsWithTheLineThatStartedUpToATenthOfASecondAgo) {
  // Line 7 starts at 35.0 s and line 8 at 40.0 s.
  for (const auto& [position, firstTime] : {std::pair{35.201, 350}, std::pair{35.301, 400}}) {
    LyricState lyrics;
    testing::RecordingShell shell;
    StartTrack(lyrics, TimedLines(30, 50));
    PlayUntil(lyrics, 340, kSmallScreenRows, shell);
    EXPECT_FALSE(LyricTick(lyrics, position, kSmallScreenRows, shell));
    EXPECT_EQ(lyrics.lineTime[0], firstTime) << position;
  }
}

TEST(LyricTick, TagEqualToThePositionIsTakenEvenBelowTheLastTaken) {
  LyricState lyrics;
  testing::RecordingShell shell;
  StartTrack(lyrics, TimedLines(30, 50));
  lyrics.lastTagTime = 500;  // as after a backward seek
  EXPECT_FALSE(LyricTick(lyrics, 12.0, kSmallScreenRows, shell));
  EXPECT_TRUE(LyricTick(lyrics, 10.0, kSmallScreenRows, shell));
  EXPECT_EQ(lyrics.lastTagTime, 100);
  EXPECT_EQ(lyrics.currentLine, 1);
}

TEST(LyricTick, FirstLineAtZeroNeedsATickBelowATenth) {
  const std::string bytes = "[00:00.00]zero\n[00:05.00]five\n[00:10.00]ten\n";
  LyricState early;
  testing::RecordingShell shell;
  StartTrack(early, bytes);
  EXPECT_TRUE(LyricTick(early, 0.05, kSmallScreenRows, shell));
  EXPECT_EQ(early.currentLine, 0);
  EXPECT_EQ(early.headerShown, 0);

  LyricState late;
  StartTrack(late, bytes);
  EXPECT_FALSE(LyricTick(late, 0.1, kSmallScreenRows, shell));
  EXPECT_FALSE(LyricTick(late, 4.9, kSmallScreenRows, shell));
  EXPECT_EQ(late.headerShown, 1);
  EXPECT_TRUE(LyricTick(late, 5.0, kSmallScreenRows, shell));
  EXPECT_EQ(late.currentLine, 1);
}

TEST(LyricTick, ComparesSlotTimesLeftByAnEarlierFill) {
  LyricState lyrics;
  testing::RecordingShell shell;
  StartTrack(lyrics, TimeTag(0) + "\n" + TimeTag(100) + "\n" + TimeTag(400) + "\n");
  StartTrack(lyrics, TimeTag(280) + "a\n" + TimeTag(290) + "b\n");
  ASSERT_EQ(lyrics.lineCount, 2);
  EXPECT_TRUE(LyricTick(lyrics, 35.0, kSmallScreenRows, shell));
  EXPECT_EQ(lyrics.currentLine, 1);  // 290 < 350 < the stale 400
}

TEST(LyricTick, PositionsFarOutsideTheTrackNeitherWrapNorMatch) {
  LyricState lyrics;
  testing::RecordingShell shell;
  StartTrack(lyrics, TimedLines(30, 50));
  EXPECT_FALSE(LyricTick(lyrics, -1e300, kSmallScreenRows, shell));
  EXPECT_FALSE(LyricTick(lyrics, 1e300, kSmallScreenRows, shell));
  EXPECT_EQ(lyrics.lineCount, 0);
  EXPECT_EQ(lyrics.currentLine, 0);
}

TEST(LyricTick, FillsTicksAndSeeksAllocateNothing) {
  LyricState lyrics;
  testing::RecordingShell shell;
  StartTrack(lyrics, TimedLines(30, 50));
  const long before = testing::AllocationCount();
  FillLyricWindow(lyrics, 100);
  EXPECT_TRUE(LyricTick(lyrics, 10.0, kSmallScreenRows, shell));
  EXPECT_FALSE(LyricTick(lyrics, 100.0, kSmallScreenRows, shell));  // turns the page
  ResyncLyrics(lyrics, true, 600);
  EXPECT_EQ(testing::AllocationCount(), before);
}

}  // namespace
}  // namespace solvane
