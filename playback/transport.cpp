// Play/pause, halt and the two stop variants.

#include "playback/playback_control.h"
#include "base/playlist.h"

namespace solvane {

void TogglePlay(PlaybackContext& context) {
  PlayerState& player = context.player;
  if (player.trackLoaded) {
    if (player.playing) {
      if (player.paused) {
        context.media.Play();
      } else {
        context.media.Pause();
      }
      player.paused = player.paused ? 0 : 1;
    } else {
      context.media.Play();
      player.playing = 1;
    }
    return;
  }
  if (player.trackChosen) {
    // The chosen entry is dropped even when the engine refuses it or it no
    // longer exists, so that the start screen comes back.
    StartTrack(context, context.playlist.currentIndex);
    player.trackChosen = 0;
  }
}

void Halt(PlaybackContext& context) {
  // Stopping is pausing plus rewinding; the engine's own stop is kept for the
  // moment before a new track is opened.
  if (context.player.trackLoaded) {
    context.media.Pause();
  }
  context.player.playing = 0;
}

void HaltAndRewind(PlaybackContext& context) {
  Halt(context);
  SeekTo(context, 0);
  PlayerState& player = context.player;
  player.playPosition = 0;
  player.paused = 0;
  player.playSeconds = 0;
  player.playing = 0;
}

void StopFromMenu(PlaybackContext& context) {
  if (context.player.trackLoaded) {
    HaltAndRewind(context);
  }
  context.shell.InvalidateMainWindow();
}

void StopFromFace(PlaybackContext& context) {
  if (context.player.trackLoaded) {
    HaltAndRewind(context);
    context.player.abActive = 0;
    context.player.abStage = 0;
  }
}

}  // namespace solvane
