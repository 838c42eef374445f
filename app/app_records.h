#pragma once
// The records the application owns, one of each, for the whole run.

#include <memory>

#include "base/options.h"
#include "base/player_state.h"
#include "app/startup.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "base/browser_listing.h"
#include "base/playlist.h"
#include "skin/screen_layout.h"
#include "skin/skin_bitmaps.h"
#include "skin/start_screen.h"

namespace solvane {

struct AppRecords {
  PlayerState player;
  std::unique_ptr<Playlist> playlist = std::make_unique<Playlist>();
  LyricState lyrics;
  TrackInfo trackInfo;
  std::unique_ptr<BrowserListing> browser = std::make_unique<BrowserListing>();
  Options options;
  ScreenLayout layout;
  SkinBitmaps bitmaps;
  StartScreenLines startScreen;
  AppLifecycle lifecycle;
};

}  // namespace solvane
