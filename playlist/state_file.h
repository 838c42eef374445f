#pragma once
// The state file "solvane.dat" in the program's folder: read once at start-up,
// written once at shutdown. The bytes are laid out by state_codec.h.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/options.h"
#include "base/player_state.h"
#include "base/playlist.h"

namespace solvane {

// `programFolder` (ending with '/') followed by "solvane.dat".
std::u16string StateFilePath(std::u16string_view programFolder);

// Restores the state kept in the file at `path` (see DecodeState). The stored
// volume comes back in `volume` (left as it was when the file does not hold
// it); the caller sends it to the engine. False, changing nothing, when the
// file cannot be read or does not begin with "SV_P".
bool LoadState(std::u16string_view path, Options& options, Playlist& playlist, PlayerState& player,
               std::int32_t& volume);

// Writes the whole state, lastPosition being player.playPosition. The previous
// file is replaced only once the new one is completely on the disk, keeping
// its permission bits; a state file that is a symbolic link stays one. A
// failed save returns false with errno saying why (std::strerror(errno) gives
// the text) and leaves the previous file whole, also where the folder allows
// no new file and the file is overwritten where it stands.
bool SaveState(std::u16string_view path, const Options& options, const Playlist& playlist,
               const PlayerState& player, std::int32_t volume);

}  // namespace solvane
