#pragma once
// The tags GStreamer's elements reported for the playing media.

#include <gst/gst.h>

#include "playback/gst/track_tags.h"

namespace solvane {

// Title, artist, album, encoded-by and bit rate found in `tags` (may be null).
// The duration is not a tag and stays unknown.
TrackTags TrackTagsFromGstTags(const GstTagList* tags);

}  // namespace solvane
