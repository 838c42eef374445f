#include "playback/gst/gst_track_tags.h"

#include "base/wide_text.h"

namespace solvane {

namespace {

std::u16string TagText(const GstTagList* tags, const char* name) {
  gchar* value = nullptr;
  if (!gst_tag_list_get_string(tags, name, &value)) {
    return {};
  }
  std::u16string text = Utf8ToWide(value).value_or(u"");
  g_free(value);
  return text;
}

std::int64_t TagBitrate(const GstTagList* tags) {
  for (const char* name : {GST_TAG_BITRATE, GST_TAG_NOMINAL_BITRATE}) {
    guint bitrate = 0;
    if (gst_tag_list_get_uint(tags, name, &bitrate) && bitrate > 0) {
      return bitrate;
    }
  }
  return 0;
}

}  // namespace

TrackTags TrackTagsFromGstTags(const GstTagList* tags) {
  TrackTags result;
  if (tags == nullptr) {
    return result;
  }
  result.title = TagText(tags, GST_TAG_TITLE);
  result.author = TagText(tags, GST_TAG_ARTIST);
  result.album = TagText(tags, GST_TAG_ALBUM);
  result.encodedBy = TagText(tags, GST_TAG_ENCODED_BY);
  result.bitsPerSecond = TagBitrate(tags);
  return result;
}

}  // namespace solvane
