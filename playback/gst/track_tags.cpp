#include "playback/gst/track_tags.h"

#include <utility>

#include "base/wide_text.h"

namespace solvane {

namespace {

void FillText(std::u16string& field, const std::u16string& fallback) {
  if (field.empty()) {
    field = fallback;
  }
}

void AddText(std::vector<MediaAttribute>& attributes, const char16_t* name,
             const std::u16string& value) {
  if (!value.empty()) {
    attributes.push_back({name, value});
  }
}

}  // namespace

TrackTags FillMissingTags(TrackTags primary, const TrackTags& fallback) {
  FillText(primary.title, fallback.title);
  FillText(primary.author, fallback.author);
  FillText(primary.album, fallback.album);
  FillText(primary.encodedBy, fallback.encodedBy);
  if (primary.bitsPerSecond <= 0) {
    primary.bitsPerSecond = fallback.bitsPerSecond;
  }
  if (!(primary.durationSeconds > 0.0)) {
    primary.durationSeconds = fallback.durationSeconds;
  }
  return primary;
}

ReportedDuration ChooseDuration(const TrackTags& file, std::optional<double> engineSeconds) {
  if (file.durationFromFrames) {
    return {file.durationSeconds, true};
  }
  if (engineSeconds) {
    return {*engineSeconds, true};
  }
  return {file.durationSeconds, false};
}

std::vector<MediaAttribute> MediaAttributesOf(const TrackTags& tags) {
  std::vector<MediaAttribute> attributes;
  AddText(attributes, u"Title", tags.title);
  AddText(attributes, u"Author", tags.author);
  AddText(attributes, u"WM/AlbumTitle", tags.album);
  if (tags.bitsPerSecond > 0) {
    attributes.push_back({u"OptimalBitrate", Wide(std::to_string(tags.bitsPerSecond))});
  }
  AddText(attributes, u"WM/EncodedBy", tags.encodedBy);
  return attributes;
}

}  // namespace solvane
