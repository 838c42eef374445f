#include "playback/poll_tick.h"

#include <optional>

#include "base/tenths.h"
#include "lyrics/lyrics.h"
#include "playback/startup_playback.h"

namespace solvane {

void PollTick(PlaybackContext& context, int lyricRows) {
  PlayerState& player = context.player;
  // Before any start and after every stop the tick does nothing at all; the
  // play state seen last is kept for when a track plays again.
  if (player.playing == 0) {
    return;
  }

  // The first tick after a track start reads what the media says about
  // itself, which changes the drawn duration and information rows; only then
  // is the engine ready for the resume seek. A duration the engine did not
  // know yet at that read (it learns some only after playing a while) is
  // asked for again on later ticks.
  bool repaint = false;
  if (player.trackInfoPending != 0) {
    player.trackInfoPending = 0;
    ReadTrackInfo(context);
    ResumeIfPending(context);
    repaint = true;
  } else {
    RefreshTrackDuration(context);
  }

  // A position the engine cannot report leaves the one noted last.
  const std::optional<double> position = context.media.CurrentPosition();
  if (position) {
    const std::int32_t seconds = WholeSeconds(*position);
    repaint = repaint || seconds != player.playSeconds;
    player.playPosition = SecondsToTenths(*position);
    player.playSeconds = seconds;
    if (player.lyricsPresent != 0) {
      LyricTick(context.lyrics, *position, lyricRows, context.shell);
    }
  }
  if (repaint) {
    context.shell.InvalidateMainWindow();
  }

  // A track has ended only when this poll sees it stopped right after a poll
  // that saw it playing; any state in between breaks the pair.
  const std::int32_t state = context.media.PlayState();
  if (state == kPlayStateStopped && player.lastPlayState == kPlayStatePlaying) {
    AdvanceAfterEnd(context);
  } else if (state == kPlayStatePlaying && player.abActive != 0 && player.abStage == 2 &&
             player.playPosition >= player.abEnd) {
    SeekTo(context, player.abStart);
  }
  player.lastPlayState = state;
}

}  // namespace solvane
