#include "playback/gst/track_tags.h"

#include <optional>

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

struct DurationRow {
  const char* what;
  double fileSeconds;
  bool fromFrames;
  std::optional<double> engineSeconds;
  double seconds;
  bool settled;
};

TEST(ChooseDuration, PrefersCountedFramesThenTheEngineThenTheFileAsAStandIn) {
  const DurationRow rows[] = {
      {"the engine knows it", 1.0, false, 1.02, 1.02, true},
      {"not yet known to the engine", 0.6, false, std::nullopt, 0.6, false},
      {"known to neither", 0.0, false, std::nullopt, 0.0, false},
      {"counted from the frames", 4.05, true, 3.86, 4.05, true},
      {"counted before the engine knows", 4.05, true, std::nullopt, 4.05, true},
  };
  for (const DurationRow& row : rows) {
    TrackTags file;
    file.durationSeconds = row.fileSeconds;
    file.durationFromFrames = row.fromFrames;
    const ReportedDuration chosen = ChooseDuration(file, row.engineSeconds);
    EXPECT_DOUBLE_EQ(chosen.seconds, row.seconds) << row.what;
    EXPECT_EQ(chosen.settled, row.settled) << row.what;
  }
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
