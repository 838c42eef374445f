// Moving through the playlist: next and previous, shuffle, and what happens
// when a track ends.
//
// currentIndex may lie outside the playlist (after deletions, or as a state
// file left it). Such an index is brought back into the list here: the entry
// after one below the start is entry 0, the entry before one beyond the end is
// the last entry, and a track that ends while the index lies at or beyond the
// last entry counts as the end of the list.

#include <algorithm>
#include <random>

#include "playback/playback_control.h"

namespace solvane {
namespace {

// Starts the entry when something is playing, or only chooses it, then
// repaints.
void MoveTo(PlaybackContext& context, std::int32_t index) {
  context.playlist.currentIndex = index;
  if (context.player.playing) {
    context.player.paused = 0;
    StartTrack(context, index);
  } else {
    ChooseTrack(context, index);
  }
  context.shell.InvalidateMainWindow();
}

bool IsLastOrBeyond(const Playlist& playlist) {
  return playlist.currentIndex >= playlist.playlistCount - 1;
}

// splitmix64's finaliser: every bit of the seed reaches every bit of the
// result, so seeds that differ only by whole hundreds still draw apart.
std::uint64_t MixSeed(std::uint64_t seed) {
  seed += 0x9E3779B97F4A7C15ULL;
  seed = (seed ^ (seed >> 30U)) * 0xBF58476D1CE4E5B9ULL;
  seed = (seed ^ (seed >> 27U)) * 0x94D049BB133111EBULL;
  return seed ^ (seed >> 31U);
}

}  // namespace

std::int32_t RandomIndex(const Shell& shell, std::int32_t count) {
  if (count <= 0) {
    return 0;
  }
  // The poll tick fires on whole hundreds of the clock; fed as it is, a linear
  // congruential generator turns such seeds into picks that cycle and miss
  // entries.
  std::minstd_rand generator(static_cast<std::uint32_t>(MixSeed(shell.TickMilliseconds()) >> 32U));
  return static_cast<std::int32_t>(generator() % static_cast<std::uint32_t>(count));
}

std::int32_t NextIndex(PlaybackContext& context) {
  const Playlist& playlist = context.playlist;
  if (context.player.shuffle) {
    return RandomIndex(context.shell, playlist.playlistCount);
  }
  if (playlist.currentIndex < -1 || IsLastOrBeyond(playlist)) {
    return 0;
  }
  return playlist.currentIndex + 1;
}

std::int32_t PreviousIndex(PlaybackContext& context) {
  const Playlist& playlist = context.playlist;
  if (context.player.shuffle) {
    return RandomIndex(context.shell, playlist.playlistCount);
  }
  if (playlist.currentIndex <= 0 || playlist.playlistCount <= 0) {
    return 0;
  }
  return std::min(playlist.currentIndex - 1, playlist.playlistCount - 1);
}

void Next(PlaybackContext& context) {
  if (context.playlist.playlistCount <= 0) {
    context.shell.InvalidateMainWindow();
    return;
  }
  MoveTo(context, NextIndex(context));
}

void Previous(PlaybackContext& context) {
  if (context.playlist.playlistCount <= 0) {
    context.shell.InvalidateMainWindow();
    return;
  }
  MoveTo(context, PreviousIndex(context));
}

int AdvanceAfterEnd(PlaybackContext& context) {
  Playlist& playlist = context.playlist;
  if (playlist.playlistCount <= 0) {
    return 1;
  }
  if (context.player.shuffle) {
    playlist.currentIndex = RandomIndex(context.shell, playlist.playlistCount);
    StartTrack(context, playlist.currentIndex);
    return 1;
  }
  if (IsLastOrBeyond(playlist)) {
    // The end of the list: without repeat the last track stays loaded,
    // rewound, and the next Play plays it again.
    playlist.currentIndex = 0;
    if (!context.player.repeat) {
      HaltAndRewind(context);
      return 1;
    }
    StartTrack(context, 0);
    return 1;
  }
  playlist.currentIndex = std::max(playlist.currentIndex, std::int32_t{-1}) + 1;
  StartTrack(context, playlist.currentIndex);
  return 1;
}

}  // namespace solvane
