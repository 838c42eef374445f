#include "playback/gst/track_tags.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace solvane {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

auto Attribute(const char16_t* name, const char16_t* value) {
  return ::testing::AllOf(Field(&MediaAttribute::name, std::u16string(name)),
                          Field(&MediaAttribute::value, std::u16string(value)));
}

TEST(FillMissingTags, KeepsWhatThePrimarySourceKnowsAndFillsTheRest) {
  const TrackTags primary{u"Title A", u"", u"Album A", u"", 0, 12.5};
  const TrackTags fallback{u"Title B", u"Author B", u"Album B", u"Encoder B", 96000, 13.0};
  const TrackTags merged = FillMissingTags(primary, fallback);
  EXPECT_EQ(merged.title, u"Title A");
  EXPECT_EQ(merged.author, u"Author B");
  EXPECT_EQ(merged.album, u"Album A");
  EXPECT_EQ(merged.encodedBy, u"Encoder B");
  EXPECT_EQ(merged.bitsPerSecond, 96000);
  EXPECT_DOUBLE_EQ(merged.durationSeconds, 12.5);
}

TEST(FillMissingTags, TakesBitRateAndDurationWhenThePrimaryHasNone) {
  const TrackTags merged = FillMissingTags(TrackTags{u"T", u"A", u"B", u"E", 0, 0.0},
                                           TrackTags{u"", u"", u"", u"", 128000, 3.5});
  EXPECT_EQ(merged.bitsPerSecond, 128000);
  EXPECT_DOUBLE_EQ(merged.durationSeconds, 3.5);
  EXPECT_EQ(merged.title, u"T");
}

TEST(MediaAttributesOf, NamesEachKnownFieldAsTheCallersExpect) {
  const TrackTags tags{u"Harbour Lights", u"Mira Okafor", u"Tide Tables", u"Fixtures", 192000, 1.0};
  EXPECT_THAT(MediaAttributesOf(tags),
              ElementsAre(Attribute(u"Title", u"Harbour Lights"),
                          Attribute(u"Author", u"Mira Okafor"),
                          Attribute(u"WM/AlbumTitle", u"Tide Tables"),
                          Attribute(u"OptimalBitrate", u"192000"),
                          Attribute(u"WM/EncodedBy", u"Fixtures")));
}

TEST(MediaAttributesOf, LeavesOutWhatIsUnknown) {
  EXPECT_THAT(MediaAttributesOf(TrackTags{}), IsEmpty());
  EXPECT_THAT(MediaAttributesOf(TrackTags{u"", u"Solo", u"", u"", 0, 0.0}),
              ElementsAre(Attribute(u"Author", u"Solo")));
}

}  // namespace
}  // namespace solvane
