#include "playback/gst/gst_track_tags.h"

#include <gtest/gtest.h>

#include "playback/gst/gst_playbin.h"

namespace solvane {
namespace {

class GstTrackTags : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(EnsureGstreamer()); }
};

TEST_F(GstTrackTags, ReadsTheTextTagsAndTheBitRate) {
  GstTagList* tags = gst_tag_list_new(GST_TAG_TITLE, "Tid\xC3\xA9", GST_TAG_ARTIST, "Mira",
                                      GST_TAG_ALBUM, "Tables", GST_TAG_ENCODED_BY, "Fixtures",
                                      GST_TAG_BITRATE, 160000u, nullptr);
  const TrackTags read = TrackTagsFromGstTags(tags);
  gst_tag_list_unref(tags);
  EXPECT_EQ(read.title, u"Tid\u00E9");
  EXPECT_EQ(read.author, u"Mira");
  EXPECT_EQ(read.album, u"Tables");
  EXPECT_EQ(read.encodedBy, u"Fixtures");
  EXPECT_EQ(read.bitsPerSecond, 160000);
  EXPECT_DOUBLE_EQ(read.durationSeconds, 0.0);
}

TEST_F(GstTrackTags, FallsBackToTheNominalBitRate) {
  GstTagList* tags = gst_tag_list_new(GST_TAG_NOMINAL_BITRATE, 64000u, nullptr);
  EXPECT_EQ(TrackTagsFromGstTags(tags).bitsPerSecond, 64000);
  gst_tag_list_unref(tags);
}

TEST_F(GstTrackTags, KnowsNothingWithoutTags) {
  const TrackTags read = TrackTagsFromGstTags(nullptr);
  EXPECT_TRUE(read.title.empty());
  EXPECT_EQ(read.bitsPerSecond, 0);
}

}  // namespace
}  // namespace solvane
