#include "base/playlist.h"

namespace solvane {

bool IsPlaylistIndex(const Playlist& playlist, std::int32_t index) {
  // The table bound guards against a count that no operation would produce.
  return index >= 0 && index < playlist.playlistCount && index < kPlaylistCapacity;
}

bool TrackPath(const Playlist& playlist, std::int32_t index, char16_t (&path)[kTrackPathField]) {
  if (!IsPlaylistIndex(playlist, index)) {
    return false;
  }
  WideCopy(path, WideView(playlist.folder[index]));
  WideAppend(path, WideView(playlist.fileName[index]));
  return true;
}

}  // namespace solvane
