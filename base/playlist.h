#pragma once
// The playlist: two parallel tables of 300 folders and 300 file names, kept in
// place, plus the current index and the row the playlist view marks.

#include <cstdint>

#include "base/wide_text.h"

namespace solvane {

inline constexpr int kPlaylistCapacity = 300;

struct Playlist {
  char16_t folder[kPlaylistCapacity][kPathField] = {};
  char16_t fileName[kPlaylistCapacity][kPathField] = {};
  std::int32_t playlistCount = 0;
  // Can be -1 or lie at or beyond playlistCount; every reader checks.
  std::int32_t currentIndex = 0;
  std::int32_t highlightedRow = 0;
  // The single row the playlist view shows while the playlist is empty.
  char16_t emptyPlaylistText[kPathField] = u"  No files in playlist ";
};

// True when 0 <= index < playlistCount (and inside the tables).
bool IsPlaylistIndex(const Playlist& playlist, std::int32_t index);

// Writes folder + file name of entry `index` into `path` (536 units). False,
// leaving `path` untouched, when the index lies outside the playlist.
bool TrackPath(const Playlist& playlist, std::int32_t index, char16_t (&path)[kTrackPathField]);

}  // namespace solvane
