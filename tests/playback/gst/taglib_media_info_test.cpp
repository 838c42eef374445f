#include "playback/gst/taglib_media_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include <string>
#include <vector>

#include "tests/playback/gst/test_media.h"
#include "tests/fakes/watchdog.h"

namespace solvane {
namespace {

using testing::MediaFixture;
using testing::TempFolder;

struct TaggedFile {
  const char* name;
  std::int64_t bitsPerSecond;
  double durationSeconds;
};

class TaglibTaggedFile : public ::testing::TestWithParam<TaggedFile> {};

TEST_P(TaglibTaggedFile, ReadsTagsEncoderBitRateAndDuration) {
  const auto tags = ReadTaglibMediaInfo(MediaFixture(GetParam().name).string());
  ASSERT_TRUE(tags.has_value());
  EXPECT_EQ(tags->title, u"Harbour Lights");
  EXPECT_EQ(tags->author, u"Mira Okafor");
  EXPECT_EQ(tags->album, u"Tide Tables");
  EXPECT_EQ(tags->encodedBy, u"Solvane Fixtures");
  EXPECT_EQ(tags->bitsPerSecond, GetParam().bitsPerSecond);
  EXPECT_NEAR(tags->durationSeconds, GetParam().durationSeconds, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TaglibTaggedFile,
                         ::testing::Values(TaggedFile{"tagged.mp3", 128000, 1.0},
                                           TaggedFile{"tagged.wma", 64000, 1.0}));

// FLAC, Ogg, Opus, M4A, AIFF and WavPack files, made here, give their length,
// bit rate and the tags their container keeps, as the handheld's types do.
class TaglibDesktopType : public ::testing::TestWithParam<testing::EncodedType> {};

TEST_P(TaglibDesktopType, ReadsLengthBitRateAndTags) {
  const TempFolder folder;
  const std::filesystem::path file = folder.File(std::string("tone.") + GetParam().ending);
  ASSERT_TRUE(testing::WriteEncodedTone(file, GetParam().encoder));
  const auto tags = ReadTaglibMediaInfo(file.string());
  ASSERT_TRUE(tags.has_value());
  EXPECT_NEAR(tags->durationSeconds, 1.0, 0.05);
  EXPECT_GT(tags->bitsPerSecond, 0);
  if (GetParam().tagsKept) {
    EXPECT_EQ(tags->title, u"Harbour Lights");
    EXPECT_EQ(tags->author, u"Mira Okafor");
    EXPECT_EQ(tags->album, u"Tide Tables");
  }
}

std::vector<testing::EncodedType> TypesTaglibKnows() {
  std::vector<testing::EncodedType> types;
  for (const testing::EncodedType& type : testing::kDesktopTypes) {
    if (type.taglibKnows) {
      types.push_back(type);
    }
  }
  return types;
}

INSTANTIATE_TEST_SUITE_P(Types, TaglibDesktopType, ::testing::ValuesIn(TypesTaglibKnows()),
                         [](const auto& test) { return std::string(test.param.ending); });

// 155 frames of 1152 samples at 44.1 kHz, mostly at 32 kbit/s after a first
// frame at 224 kbit/s, and no header that says so.
TEST(ReadTaglibMediaInfo, MeasuresAnMp3WithoutALengthHeaderFromItsFrames) {
  const auto tags = ReadTaglibMediaInfo(MediaFixture("vbr_headerless.mp3").string());
  ASSERT_TRUE(tags.has_value());
  EXPECT_NEAR(tags->durationSeconds, 155 * 1152 / 44100.0, 0.001);
  EXPECT_GT(tags->bitsPerSecond, 32000);
  EXPECT_LT(tags->bitsPerSecond, 36000);
  EXPECT_TRUE(tags->durationFromFrames);
}

TEST(ReadTaglibMediaInfo, ReadsTheLengthAndRateOfAnUntaggedWav) {
  const TempFolder folder;
  testing::WriteToneWav(folder.File("tone.wav"), 2);
  const auto tags = ReadTaglibMediaInfo(folder.File("tone.wav").string());
  ASSERT_TRUE(tags.has_value());
  EXPECT_TRUE(tags->title.empty());
  EXPECT_TRUE(tags->encodedBy.empty());
  EXPECT_EQ(tags->bitsPerSecond, 128000);  // 8000 samples of 16 bits a second
  EXPECT_DOUBLE_EQ(tags->durationSeconds, 2.0);
  EXPECT_FALSE(tags->durationFromFrames);
}

// PCM says its bit rate exactly: rate x channels x bits. Whole kbit/s would
// turn 352,800 into 353,000, which shows as "353Kbps" where the truth is 352.
struct PcmCase {
  testing::PcmLayout layout;
  std::int64_t bitsPerSecond;
};

class TaglibPcmBitRate : public ::testing::TestWithParam<PcmCase> {};

TEST_P(TaglibPcmBitRate, IsTheExactRateOfTheSamples) {
  const TempFolder folder;
  testing::WritePcmWav(folder.File("pcm.wav"), GetParam().layout, 1);
  const auto tags = ReadTaglibMediaInfo(folder.File("pcm.wav").string());
  ASSERT_TRUE(tags.has_value());
  EXPECT_EQ(tags->bitsPerSecond, GetParam().bitsPerSecond);
}

INSTANTIATE_TEST_SUITE_P(Layouts, TaglibPcmBitRate,
                         ::testing::Values(PcmCase{{44100, 1, 8}, 352800},
                                           PcmCase{{22050, 2, 8}, 352800},
                                           PcmCase{{44100, 2, 16}, 1411200},
                                           PcmCase{{11025, 1, 16}, 176400},
                                           PcmCase{{22050, 1, 24}, 529200},
                                           PcmCase{{8000, 1, 16}, 128000}));

TEST(ReadTaglibMediaInfo, KnowsNothingOfWhatIsNotMedia) {
  const TempFolder folder;
  testing::WriteText(folder.File("notes.mp3"), "not a sound\n");
  EXPECT_FALSE(ReadTaglibMediaInfo(folder.File("missing.mp3").string()).has_value());
  // Opening a FIFO for reading would wait for a writer.
  ASSERT_EQ(::mkfifo(folder.File("pipe.mp3").c_str(), 0600), 0);
  EXPECT_FALSE(testing::ReturnsWithin(std::chrono::seconds(5), "pipe.mp3", [&] {
                 return ReadTaglibMediaInfo(folder.File("pipe.mp3").string());
               }).has_value());
  // TagLib opens any file named .mp3; a text file then says nothing at all.
  const auto notes = ReadTaglibMediaInfo(folder.File("notes.mp3").string());
  if (notes) {
    EXPECT_TRUE(MediaAttributesOf(*notes).empty());
    EXPECT_EQ(notes->durationSeconds, 0.0);
  }
}

}  // namespace
}  // namespace solvane
