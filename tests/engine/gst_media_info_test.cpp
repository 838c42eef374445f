// What the GStreamer engine says about the media it has open, read right
// after the file was put, as the program does on its first tick.

#include <memory>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/shared/tenths.h"
#include "app/shared/wide_text.h"
#include "playback/gst/gst_media_control.h"
#include "tests/engine/test_media.h"

namespace solvane {
namespace {

using ::testing::Contains;
using ::testing::Field;
using testing::EnginePath;
using testing::MediaFixture;
using testing::TempFolder;

auto Attribute(const char16_t* name, const std::u16string& value) {
  return ::testing::AllOf(Field(&MediaAttribute::name, std::u16string(name)),
                          Field(&MediaAttribute::value, value));
}

class GstMediaInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::UseHeadlessAudio();
    engine_ = std::make_unique<GstMediaControl>();
  }
  TempFolder folder_;
  std::unique_ptr<GstMediaControl> engine_;
};

TEST_F(GstMediaInfo, NothingIsOpenAtFirst) {
  EXPECT_FALSE(engine_->CurrentMedia().has_value());
}

struct TaggedFile {
  const char* name;
  const char16_t* bitsPerSecond;
};

class GstTaggedMedia : public GstMediaInfo, public ::testing::WithParamInterface<TaggedFile> {};

TEST_P(GstTaggedMedia, GivesTagsBitRateEncoderAndDurationOnTheFirstRead) {
  ASSERT_EQ(engine_->PutUrl(EnginePath(MediaFixture(GetParam().name))), 0);
  const std::optional<MediaItem> media = engine_->CurrentMedia();
  ASSERT_TRUE(media.has_value());
  EXPECT_EQ(SecondsToTenths(media->durationSeconds), 10);
  const auto& attributes = media->attributes;
  EXPECT_THAT(attributes, Contains(Attribute(u"Title", u"Harbour Lights")));
  EXPECT_THAT(attributes, Contains(Attribute(u"Author", u"Mira Okafor")));
  EXPECT_THAT(attributes, Contains(Attribute(u"WM/AlbumTitle", u"Tide Tables")));
  EXPECT_THAT(attributes, Contains(Attribute(u"OptimalBitrate", GetParam().bitsPerSecond)));
  EXPECT_THAT(attributes, Contains(Attribute(u"WM/EncodedBy", u"Solvane Fixtures")));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GstTaggedMedia,
                         ::testing::Values(TaggedFile{"tagged.mp3", u"128000"},
                                           TaggedFile{"tagged.wma", u"64000"}),
                         [](const auto& test) { return testing::TestName(test.param.name); });

// One second of sound in every kind of file the browser lists.
class GstMediaType : public GstMediaInfo, public ::testing::WithParamInterface<const char*> {
 protected:
  std::filesystem::path File() {
    const std::string name = GetParam();
    if (name == "tone.wav") {
      testing::WriteToneWav(folder_.File(name), 1);
      return folder_.File(name);
    }
    if (name == "tone.mid") {
      testing::WriteOneNoteMidi(folder_.File(name), 1);
      return folder_.File(name);
    }
    return MediaFixture(name);
  }
};

TEST_P(GstMediaType, PlaysAndKnowsItsDurationOnTheFirstRead) {
  ASSERT_EQ(engine_->PutUrl(EnginePath(File())), 0);
  EXPECT_EQ(engine_->PlayState(), kPlayStatePlaying);
  const std::optional<MediaItem> media = engine_->CurrentMedia();
  ASSERT_TRUE(media.has_value());
  EXPECT_NEAR(media->durationSeconds, 1.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Types, GstMediaType,
                         ::testing::Values("tone.avi", "tone.wmv", "tone.mid", "tone.aif",
                                           "tone.mp2", "tone.snd", "tone.wav", "tone.asf",
                                           "tagged.mp3", "tagged.wma"),
                         [](const auto& test) { return testing::TestName(test.param); });

TEST_F(GstMediaInfo, ANewFileForgetsTheTagsOfTheLast) {
  ASSERT_EQ(engine_->PutUrl(EnginePath(MediaFixture("tagged.mp3"))), 0);
  testing::WriteToneWav(folder_.File("plain.wav"), 2);
  ASSERT_EQ(engine_->PutUrl(EnginePath(folder_.File("plain.wav"))), 0);
  const std::optional<MediaItem> media = engine_->CurrentMedia();
  ASSERT_TRUE(media.has_value());
  EXPECT_NEAR(media->durationSeconds, 2.0, 0.05);
  EXPECT_THAT(media->attributes, ::testing::Not(Contains(Field(&MediaAttribute::name,
                                                               std::u16string(u"Title")))));
}

}  // namespace
}  // namespace solvane
