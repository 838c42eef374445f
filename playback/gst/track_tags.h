#pragma once
// What a media file says about itself, gathered from one source (TagLib or the
// engine's tag messages), and how it becomes the engine's media attributes.

#include <cstdint>
#include <optional>
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
  // The duration was counted from the file's MPEG frames, for a stream without
  // a length header: better than the engine's, which extrapolates from the
  // frames it has parsed so far and changes while playing.
  bool durationFromFrames = false;
};

// The duration the engine reports, and whether asking again later could give
// a better one.
struct ReportedDuration {
  double seconds = 0.0;
  bool settled = false;
};

// A duration counted from the file's frames stands; otherwise the engine's own
// duration (`engineSeconds`, nothing while it does not know one) wins, and
// until it knows one the file's figure stands in, unsettled.
ReportedDuration ChooseDuration(const TrackTags& file, std::optional<double> engineSeconds);

// `primary` with each empty or unknown field taken from `fallback`.
TrackTags FillMissingTags(TrackTags primary, const TrackTags& fallback);

// The attributes the media item carries: "Title", "Author", "WM/AlbumTitle",
// "OptimalBitrate" (bits per second in decimal) and "WM/EncodedBy". Unknown
// fields are left out rather than given as empty values.
std::vector<MediaAttribute> MediaAttributesOf(const TrackTags& tags);

}  // namespace solvane
