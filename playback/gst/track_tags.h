#pragma once
// What a media file says about itself, gathered from one source (TagLib or the
// engine's tag messages), and how it becomes the engine's media attributes.

#include <cstdint>
#include <string>
#include <vector>

#include "playback/media_control.h"

namespace solvane {

struct TrackTags {
  std::u16string title;
  std::u16string author;
  std::u16string album;
  std::u16string encodedBy;
  std::int64_t bitsPerSecond = 0;  // 0 when unknown
  double durationSeconds = 0.0;    // 0 when unknown
};

// `primary` with each empty or unknown field taken from `fallback`.
TrackTags FillMissingTags(TrackTags primary, const TrackTags& fallback);

// The attributes the media item carries: "Title", "Author", "WM/AlbumTitle",
// "OptimalBitrate" (bits per second in decimal) and "WM/EncodedBy". Unknown
// fields are left out rather than given as empty values.
std::vector<MediaAttribute> MediaAttributesOf(const TrackTags& tags);

}  // namespace solvane
