// Each shape of LRC file that today's tools write must give the tag index,
// the lyric window and the header fields that the same song written with
// ten-byte tags gives; a file holding any ten-byte tag is read by the
// ten-byte rule alone.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/wide_text.h"
#include "lyrics/lrc_shapes.h"
#include "lyrics/lyrics.h"
#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

using testing::CaseName;
using testing::TagTimes;
using testing::TempFolder;
using testing::WindowTexts;
using testing::WindowTimes;

struct Reading {
  std::vector<std::int32_t> tags;
  std::vector<std::int32_t> windowTimes;
  std::vector<std::string> windowTexts;
  std::string title;

  bool operator==(const Reading&) const = default;
};

void PrintTo(const Reading& reading, std::ostream* out) {
  *out << "title \"" << reading.title << "\", tags";
  for (const std::int32_t tag : reading.tags) {
    *out << ' ' << tag;
  }
  *out << ", window";
  for (std::size_t k = 0; k < reading.windowTexts.size(); ++k) {
    *out << " [" << reading.windowTimes[k] << "]\"" << reading.windowTexts[k] << '"';
  }
}

// `bytes` loaded as a lyric file and read as a track start reads it.
Reading Read(const std::string& bytes) {
  const TempFolder folder;
  folder.Write("song.LRC", bytes);
  LyricState lyrics;
  if (!LoadLyricFile(lyrics, Wide(folder.Path() + "song.mp3"))) {
    return {};
  }
  ParseHeaderTags(lyrics);
  BuildTagIndex(lyrics);
  FillLyricWindow(lyrics, 0);
  return {TagTimes(lyrics), WindowTimes(lyrics), WindowTexts(lyrics), lyrics.title};
}

struct ShapeCase {
  std::string name;
  std::string file;      // as today's tools write it
  std::string tenBytes;  // the same song in ten-byte tags
};

void PrintTo(const ShapeCase& row, std::ostream* out) { *out << row.name; }

class LrcShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(LrcShape, ReadsAsTheSameSongInTenByteTags) {
  const Reading reading = Read(GetParam().file);
  EXPECT_EQ(reading, Read(GetParam().tenBytes));
  EXPECT_FALSE(reading.tags.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LrcShape,
    ::testing::Values(
        ShapeCase{"ThreeDigitFraction", "[ti:Song]\n[00:12.345]One\n[01:02.999]Two\n",
                  "[ti:Song]\n[00:12.30]One\n[01:02.90]Two\n"},
        ShapeCase{"ColonBeforeFraction", "[00:12:34]One\r\n[00:15:07]Two\r\n",
                  "[00:12.30]One\r\n[00:15.00]Two\r\n"},
        ShapeCase{"NoFraction", "[00:12]One\n[00:15]Two\n", "[00:12.00]One\n[00:15.00]Two\n"},
        ShapeCase{"OneDigitFraction", "[00:12.3]One\n[00:15.0]Two\n", "[00:12.30]One\n[00:15.00]Two\n"},
        ShapeCase{"OneDigitMinute", "[0:12.34]One\n[1:05.50]Two\n", "[00:12.30]One\n[01:05.50]Two\n"},
        ShapeCase{"ThreeDigitMinute", "[001:05.50]One\n[100:39.90]Held\n[100:40.00]Too late\n",
                  "[01:05.50]One\n[99:99.90]Held\n"},
        ShapeCase{"SeveralTagsAtALineStart", "[00:12.345][00:45.678]Chorus\n[00:20.000]Verse\n",
                  "[00:12.30]Chorus\n[00:45.60]Chorus\n[00:20.00]Verse\n"},
        ShapeCase{"WordTimings", "[00:22.470]<00:22.47>Hello <00:23.10>world<00:24.000>\n",
                  "[00:22.40]Hello world\n"},
        ShapeCase{"PositiveOffsetShowsLinesEarlier", "[offset:+300]\n[00:12.000]One\n[00:00.100]Two\n",
                  "[offset:+300]\n[00:11.70]One\n[00:00.00]Two\n"},
        ShapeCase{"NegativeOffsetShowsLinesLater", "[00:12.000]One\n[offset:-1250]\n",
                  "[00:13.20]One\n[offset:-1250]\n"},
        ShapeCase{"UnsignedOffset", "[offset:500]\n[00:12.000]\n", "[offset:500]\n[00:11.50]\n"},
        ShapeCase{"CarriageReturnsAlone", "[ti:Song]\r[00:12.345]One\r[00:15.000]Two\r",
                  "[ti:Song]\n[00:12.30]One\n[00:15.00]Two\n"},
        ShapeCase{"TenByteTagsWithCarriageReturnsAlone", "[00:12.30]One\r[00:15.00]Two",
                  "[00:12.30]One\n[00:15.00]Two"},
        ShapeCase{"LongLineCutOnACharacterBoundary",
                  "[00:01.000]" + std::string(128, 'a') + "\xC3\xA9" + "b\n",
                  "[00:01.00]" + std::string(128, 'a') + "\n"}),
    CaseName<ShapeCase>);

TEST(LrcShapes, AFileWithAnyTenByteTagIsReadByTheTenByteRuleAlone) {
  const Reading mixed = Read("[00:01.00]Ten bytes\n[00:02.345]Three digits\n[0:03.00]Short\n");
  EXPECT_EQ(mixed.tags, (std::vector<std::int32_t>{10}));
  EXPECT_EQ(mixed.windowTexts, (std::vector<std::string>{"Ten bytes"}));
}

TEST(LrcShapes, WhatIsNotATagStaysText) {
  EXPECT_EQ(ToTenByteForm("[ti:a]\n[00:1.00]x\n[00:12.3456]y\n[00:12.]z\n<00:01.00"),
            "[ti:a]\n[00:1.00]x\n[00:12.3456]y\n[00:12.]z\n<00:01.00");
  EXPECT_EQ(ToTenByteForm("[00:01.00]a <b> <00:1.0> c"), "[00:01.00]a <b> <00:1.0> c\n");
}

}  // namespace
}  // namespace solvane
