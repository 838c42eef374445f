// The playback steps of start-up and the one-time resume of the last position.

#include "playback/startup_playback.h"

#include "base/playlist.h"

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
  // The stored position is the stored current entry's.
  if (!TrackPath(context.playlist, context.playlist.currentIndex, context.player.positionTrack)) {
    context.player.positionTrack[0] = u'\0';
  }
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

void KeepPositionOnlyForCurrentEntry(PlaybackContext& context) {
  PlayerState& player = context.player;
  char16_t current[kTrackPathField] = {};
  if (player.positionTrack[0] == u'\0' ||
      !TrackPath(context.playlist, context.playlist.currentIndex, current) ||
      WideView(current) != WideView(player.positionTrack)) {
    player.playPosition = 0;
  }
}

}  // namespace solvane
