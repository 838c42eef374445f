#pragma once
// The records the state file restores, and a comparison of what they mean
// (texts up to their terminators, the playlist's valid entries only).

#include <cstdint>
#include <memory>
#include <string>

#include "base/options.h"
#include "base/player_state.h"
#include "base/playlist.h"

namespace solvane {

struct StateRecords {
  Options options;
  std::unique_ptr<Playlist> playlist = std::make_unique<Playlist>();
  PlayerState player;
  std::int32_t volume = kDefaultVolume;
};

// Empty when the two agree, else the first field that differs.
inline std::string FirstDifference(const StateRecords& a, const StateRecords& b) {
  if (a.volume != b.volume) return "volume";
  if (a.player.muted != b.player.muted) return "muted";
  if (a.player.resumePosition != b.player.resumePosition) return "resumePosition";
  if (a.player.playPosition != b.player.playPosition) return "playPosition";
  if (a.options.playLastFileAtStartup != b.options.playLastFileAtStartup) {
    return "playLastFileAtStartup";
  }
  if (a.options.rememberPlaylist != b.options.rememberPlaylist) return "rememberPlaylist";
  if (a.options.rememberLastPosition != b.options.rememberLastPosition) {
    return "rememberLastPosition";
  }
  if (a.options.useBackgroundImage != b.options.useBackgroundImage) {
    return "useBackgroundImage";
  }
  if (WideView(a.options.backgroundImagePath) != WideView(b.options.backgroundImagePath)) {
    return "backgroundImagePath";
  }
  if (a.options.firstStartDone != b.options.firstStartDone) return "firstStartDone";
  if (a.playlist->playlistCount != b.playlist->playlistCount) return "playlistCount";
  if (a.playlist->currentIndex != b.playlist->currentIndex) return "currentIndex";
  for (std::int32_t i = 0; i < a.playlist->playlistCount && i < kPlaylistCapacity; ++i) {
    if (WideView(a.playlist->folder[i]) != WideView(b.playlist->folder[i])) {
      return "folder " + std::to_string(i);
    }
    if (WideView(a.playlist->fileName[i]) != WideView(b.playlist->fileName[i])) {
      return "fileName " + std::to_string(i);
    }
  }
  return {};
}

}  // namespace solvane
