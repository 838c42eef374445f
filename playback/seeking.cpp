// Seeking to a time or to a share of the track, and keeping the noted position
// and the lyric window in step with it.

#include <algorithm>
#include <cstdint>

#include "base/tenths.h"
#include "lyrics/lyrics.h"
#include "playback/playback_control.h"

namespace solvane {

int SeekTo(PlaybackContext& context, std::int32_t tenths) {
  // No track has a negative position; a stored position that is negative
  // (a damaged state file) means the start.
  const std::int32_t target = std::max(tenths, std::int32_t{0});
  PlayerState& player = context.player;
  if (context.media.PutCurrentPosition(TenthsToWholeSeconds(target)) == 0) {
    if (const std::optional<double> position = context.media.CurrentPosition()) {
      player.playPosition = SecondsToTenths(*position);
      player.playSeconds = WholeSeconds(*position);
    }
  }
  ResyncLyrics(context.lyrics, player.lyricsPresent != 0, target);
  return 1;
}

int SeekToPercent(PlaybackContext& context, std::int32_t percent) {
  // With the share held to 0..100 the quotient always fits 32 bits, although
  // the product of a long track may not.
  const std::int64_t share = std::clamp(percent, std::int32_t{0}, std::int32_t{100});
  const std::int64_t target = share * context.player.trackDuration / 100;
  return SeekTo(context, static_cast<std::int32_t>(target));
}

}  // namespace solvane
