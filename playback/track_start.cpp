// Starting a playlist entry or a browser file, and choosing an entry without
// starting it.

#include "lyrics/lyrics.h"
#include "playback/playback_control.h"
#include "base/playlist.h"

namespace solvane {
namespace {

// Loads the lyrics of `path`, hands the path to the engine and, when the
// engine accepts it, parses the lyrics and resets what belongs to the previous
// track. The title is set first so that a refused track still shows its name.
int StartPath(PlaybackContext& context, std::u16string_view path, std::u16string_view title) {
  PlayerState& player = context.player;
  LyricState& lyrics = context.lyrics;

  WideCopy(player.currentTitle, title);

  player.lyricsPresent = 0;
  lyrics.headerShown = 0;
  if (LoadLyricFile(lyrics, path, context.lyricDecoder, context.embeddedLyrics)) {
    player.lyricsPresent = 1;
    lyrics.headerShown = 1;
  }

  if (player.playing) {
    context.media.Stop();
  }
  const std::int32_t answer = context.media.PutUrl(path);
  if (answer != 0 && answer != 1) {
    player.playing = 0;
    player.trackLoaded = 0;
    player.positionTrack[0] = u'\0';
    return 0;
  }
  WideCopy(player.positionTrack, path);

  player.playing = 1;
  player.trackLoaded = 1;
  ++player.trackStarts;
  if (player.lyricsPresent) {
    ParseHeaderTags(lyrics);
    BuildTagIndex(lyrics);
    FillLyricWindow(lyrics, 0);
  }

  ClearTrackInfo(context.trackInfo);
  player.startScreenKept = 0;
  player.abActive = 0;
  player.abStage = 0;
  player.trackInfoPending = 1;
  lyrics.currentLine = 0;
  return 1;
}

}  // namespace

int StartTrack(PlaybackContext& context, std::int32_t index) {
  char16_t path[kTrackPathField] = {};
  if (!TrackPath(context.playlist, index, path)) {
    return 0;
  }
  if (!StartPath(context, WideView(path), WideView(context.playlist.fileName[index]))) {
    return 0;
  }
  context.playlist.currentIndex = index;
  return 1;
}

int StartBrowserFile(PlaybackContext& context, std::int32_t listingIndex) {
  const BrowserListing& browser = context.browser;
  if (listingIndex < 0 || listingIndex >= browser.count ||
      listingIndex >= kBrowserListingCapacity) {
    return 0;
  }
  const std::u16string_view name = WideView(browser.entries[listingIndex].name);
  char16_t path[kTrackPathField] = {};
  if (!WideCopy(path, WideView(browser.browserFolder)) || !WideAppend(path, name)) {
    return 0;
  }
  return StartPath(context, WideView(path), name);
}

void ForgetCurrentTrack(PlaybackContext& context) {
  PlayerState& player = context.player;
  player.playing = 0;
  player.trackLoaded = 0;
  player.paused = 0;
  player.trackChosen = 0;
  player.startScreenKept = 0;
  player.lyricsPresent = 0;
  player.abActive = 0;
  player.abStage = 0;
  player.trackDuration = 0;
  player.durationPending = 0;
  player.trackInfoPending = 0;
  player.playPosition = 0;
  player.playSeconds = 0;
  // The engine holds nothing now: its stopped state is no end of a track.
  player.lastPlayState = kPlayStateStopped;
  player.positionTrack[0] = u'\0';
  player.currentTitle[0] = u'\0';
  context.lyrics.headerShown = 0;
  ClearTrackInfo(context.trackInfo);
}

int ChooseTrack(PlaybackContext& context, std::int32_t index) {
  if (!IsPlaylistIndex(context.playlist, index)) {
    return 0;
  }
  PlayerState& player = context.player;
  WideCopy(player.currentTitle, WideView(context.playlist.fileName[index]));
  player.playing = 0;
  player.trackLoaded = 0;
  player.trackChosen = 1;
  player.abActive = 0;
  player.abStage = 0;
  player.lyricsPresent = 0;
  player.trackDuration = 0;
  return 1;
}

}  // namespace solvane
