#include "playlist/playlist.h"

namespace solvane {

bool IsPlaylistIndex(const Playlist& playlist, std::int32_t index) {
  // The table bound guards against a count that no operation would produce.
  return index >= 0 && index < playlist.playlistCount && index < kPlaylistCapacity;
}

}  // namespace solvane
