#pragma once
// What the media file says about itself, shown when a track has no lyrics.

namespace solvane {

inline constexpr int kTrackInfoField = 128;  // 127 characters and a terminator

struct TrackInfo {
  char16_t mediaTitle[kTrackInfoField] = {};
  char16_t mediaAuthor[kTrackInfoField] = {};
  char16_t mediaAlbum[kTrackInfoField] = {};
  char16_t mediaBitrate[kTrackInfoField] = {};
  char16_t mediaEncodedBy[kTrackInfoField] = {};
};

}  // namespace solvane
