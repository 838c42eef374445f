#pragma once
// One of each record that playback reads and writes, for a test to own; the
// big tables live on the heap.

#include <memory>

#include "base/player_state.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "playback/playback_control.h"
#include "base/browser_listing.h"
#include "base/playlist.h"

namespace solvane::testing {

struct PlaybackRecords {
  PlayerState player;
  std::unique_ptr<Playlist> playlist = std::make_unique<Playlist>();
  LyricState lyrics;
  TrackInfo trackInfo;
  std::unique_ptr<BrowserListing> browser = std::make_unique<BrowserListing>();

  // The context that plays these records through `media` and `shell`.
  PlaybackContext ContextWith(MediaControl& media, Shell& shell) {
    return PlaybackContext{player, *playlist, lyrics, trackInfo, *browser, media, shell};
  }
};

}  // namespace solvane::testing
