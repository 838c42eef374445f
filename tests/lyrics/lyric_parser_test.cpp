#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lyrics/lyrics.h"
#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

using testing::PutContent;
using testing::TagTimes;

struct TagCase {
  const char* name;
  std::string bytes;
  std::vector<std::int32_t> times;
};

class TimeTagShapes : public ::testing::TestWithParam<TagCase> {};

TEST_P(TimeTagShapes, IndexHoldsExactlyTheValidTags) {
  LyricState lyrics;
  PutContent(lyrics, GetParam().bytes);
  BuildTagIndex(lyrics);
  EXPECT_EQ(TagTimes(lyrics), GetParam().times);
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, TimeTagShapes,
    ::testing::Values(
        TagCase{"HundredthsTruncated", "[01:02.39]a\n[01:02.30]b\n", {623, 623}},
        TagCase{"SecondsNotLimited", "[00:75.00]x", {750}},
        TagCase{"Largest", "[99:99.99]x", {60399}},
        TagCase{"FirstLine", "[00:05.00]\n", {50}},
        TagCase{"HundredthsByteNotExamined", "[00:01.2x]", {12}},
        TagCase{"OneMinuteDigit", "[1:02.39]x", {}},
        TagCase{"NoFraction", "[01:02]x", {}},
        TagCase{"OneFractionDigit", "[00:05.0]Hi", {}},
        TagCase{"ThreeFractionDigits", "[01:02.345]x", {}},
        TagCase{"ColonForDot", "[01:02:39]x", {}},
        TagCase{"LetterForDigit", "[0a:02.39]x", {}},
        TagCase{"CutByEndOfFile", "x\n[01:02.39", {}},
        TagCase{"EndsAtEndOfFile", "x\n[01:02.39]", {623}},
        TagCase{"AnywhereOnALine", "intro [00:01.00] and [00:02.00]", {10, 20}},
        TagCase{"SeveralOnOneLine", "[00:12.34][00:45.67]Hello", {123, 456}},
        TagCase{"AfterAStrayBracket", "[[00:01.00]", {10}},
        TagCase{"FileOrderNotTimeOrder", "[00:03.00]\n[00:01.00]\n[00:02.00]\n", {30, 10, 20}},
        TagCase{"OtherBracketTags", "[by:Someone]\n[offset:+500]\n[length:03:25]\n[ar:A]\n", {}},
        TagCase{"EmptyFile", "", {}}),
    testing::CaseName<TagCase>);

TEST(TagIndex, FileOfNothingButTagsFillsItsRoom) {
  std::string bytes;
  for (int i = 0; i < 50; ++i) {
    bytes += "[00:01.00]";
  }
  LyricState lyrics;
  PutContent(lyrics, bytes);
  BuildTagIndex(lyrics);
  EXPECT_EQ(lyrics.tagCount, 50);
}

struct HeaderCase {
  const char* name;
  std::string bytes;
  std::string artist;
  std::string title;
  std::string album;
};

class HeaderTags : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTags, FieldsTakeTheLastNonEmptyValue) {
  LyricState lyrics;
  std::snprintf(lyrics.title, sizeof(lyrics.title), "%s", "left from before");
  PutContent(lyrics, GetParam().bytes);
  ParseHeaderTags(lyrics);
  EXPECT_EQ(std::string(lyrics.artist), GetParam().artist);
  EXPECT_EQ(std::string(lyrics.title), GetParam().title);
  EXPECT_EQ(std::string(lyrics.album), GetParam().album);
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, HeaderTags,
    ::testing::Values(
        HeaderCase{"AllThree", "[ar:Artist]\n[ti:Title]\n[al:Album]\n", "Artist", "Title", "Album"},
        HeaderCase{"LastWins", "[ar:First]\n[ar:Second]\n", "Second", "", ""},
        HeaderCase{"EmptyLeavesField", "[ti:Name]\n[ti:]\n", "", "Name", ""},
        HeaderCase{"EmptyOnly", "[ti:]\n", "", "", ""},
        HeaderCase{"KeyInsideLyricText", "[00:10.00]Guitar: solo\n[00:11.00]x\n",
                   " solo\n[00:11.00", "", ""},
        HeaderCase{"NoCloseRunsToLimit", "[al:" + std::string(200, 'x'), "", "",
                   std::string(129, 'x')},
        HeaderCase{"LongValueCut", "[ti:" + std::string(129, 'y') + "z]", "",
                   std::string(129, 'y'), ""},
        HeaderCase{"NoTrailingByteRemoved", "[ti:A\r]", "", "A\r", ""},
        HeaderCase{"KeyAtEndOfFile", "x[ar:", "", "", ""},
        HeaderCase{"ValueAtEndOfFile", "x[ar:abc", "abc", "", ""},
        HeaderCase{"FirstByteNotSearched", "ar:Zero]", "", "", ""},
        HeaderCase{"SecondByteSearched", " ar:One]", "One", "", ""},
        HeaderCase{"KeyInsideValue", "[ar:ti:X]", "ti:X", "X", ""},
        HeaderCase{"UpperCaseKeyIgnored", "[AR:x]", "", "", ""}),
    testing::CaseName<HeaderCase>);

}  // namespace
}  // namespace solvane
