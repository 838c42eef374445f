// The playback steps of start-up and the one-time resume of the last position.

#include "playback/startup_playback.h"

namespace solvane {

void PrepareEngineAtStartup(PlaybackContext& context) {
  PlayerState& player = context.player;
  player.playing = 0;
  player.trackLoaded = 0;
  player.lyricsPresent = 0;
  SetVolume(context.media, kDefaultVolume);
  if (context.media.ErrorDialogsEnabled().has_value()) {
    context.media.PutErrorDialogsEnabled(false);
  }
}

void AfterStateLoaded(PlaybackContext& context, bool loaded, std::int32_t volume) {
  if (!loaded) {
    return;
  }
  SetVolume(context.media, volume);
  SetMute(context.media, context.player.muted);
  if (context.playlist.playlistCount > 0) {
    context.player.trackChosen = 1;
    context.player.startScreenKept = 1;
  }
}

int StartLastFileIfWanted(PlaybackContext& context, const Options& options) {
  if (!options.playLastFileAtStartup || context.playlist.playlistCount <= 0) {
    return 0;
  }
  return StartTrack(context, context.playlist.currentIndex);
}

void ArmResumeIfWanted(PlaybackContext& context, const Options& options) {
  if (options.rememberLastPosition && context.playlist.playlistCount > 0) {
    context.player.resumePending = 1;
  }
}

void ResumeIfPending(PlaybackContext& context) {
  if (!context.player.resumePending) {
    return;
  }
  SeekTo(context, context.player.resumePosition);
  context.player.resumePending = 0;
}

}  // namespace solvane
