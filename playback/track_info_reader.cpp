// Reading the duration and the title, author, album, bit rate and encoder of
// the media the engine has open, and asking again for a duration the engine
// had not settled at the first read.

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/tenths.h"
#include "base/wide_text.h"
#include "playback/playback_control.h"

namespace solvane {
namespace {

// Copies a value into a text of 127 characters, cutting a longer one. A cut
// never splits a surrogate pair, so the text stays valid UTF-16.
void CopyCut(char16_t (&text)[kTrackInfoField], std::u16string_view value) {
  constexpr std::size_t kRoom = kTrackInfoField - 1;
  if (value.size() > kRoom) {
    const char16_t last = value[kRoom - 1];
    const bool splitsPair = last >= 0xD800 && last <= 0xDBFF;
    value = value.substr(0, splitsPair ? kRoom - 1 : kRoom);
  }
  WideCopy(text, value);
}

// "OptimalBitrate" holds bits per second in decimal; the thousands are cut
// off, not rounded: 128000 gives "128Kbps". Three characters or fewer give
// nothing.
void CopyBitrate(char16_t (&text)[kTrackInfoField], std::u16string_view bitsPerSecond) {
  if (bitsPerSecond.size() <= 3) {
    text[0] = u'\0';
    return;
  }
  std::u16string kilobits(bitsPerSecond.substr(0, bitsPerSecond.size() - 3));
  kilobits += u"Kbps";
  CopyCut(text, kilobits);
}

void TakeAttribute(TrackInfo& info, const MediaAttribute& attribute) {
  const std::u16string_view name = attribute.name;
  if (name == u"Title") {
    CopyCut(info.mediaTitle, attribute.value);
  } else if (name == u"Author") {
    CopyCut(info.mediaAuthor, attribute.value);
  } else if (name == u"WM/AlbumTitle") {
    CopyCut(info.mediaAlbum, attribute.value);
  } else if (name == u"WM/EncodedBy") {
    CopyCut(info.mediaEncodedBy, attribute.value);
  } else if (name == u"OptimalBitrate") {
    CopyBitrate(info.mediaBitrate, attribute.value);
  }
}

}  // namespace

void ClearTrackInfo(TrackInfo& trackInfo) { trackInfo = TrackInfo{}; }

void ReadTrackInfo(PlaybackContext& context) {
  const std::optional<MediaItem> media = context.media.CurrentMedia();
  context.player.trackDuration = media ? SecondsToTenths(media->durationSeconds) : 0;
  context.player.durationPending = media && !media->durationSettled ? 1 : 0;
  ClearTrackInfo(context.trackInfo);
  if (!media) {
    return;
  }
  // In attribute order, so a repeated name leaves its last value.
  for (const MediaAttribute& attribute : media->attributes) {
    TakeAttribute(context.trackInfo, attribute);
  }
}

void RefreshTrackDuration(PlaybackContext& context) {
  if (context.player.durationPending == 0) {
    return;
  }
  const std::optional<MediaItem> media = context.media.CurrentMedia();
  if (!media) {
    context.player.durationPending = 0;
    return;
  }
  const std::int32_t duration = SecondsToTenths(media->durationSeconds);
  if (duration != context.player.trackDuration) {
    context.player.trackDuration = duration;
    context.shell.InvalidateMainWindow();
  }
  context.player.durationPending = media->durationSettled ? 0 : 1;
}

}  // namespace solvane
