#pragma once
// The bytes of the state file: a 600-byte head (magic, version, volume, mute,
// last position, the options, the background image path, the first-start flag,
// 32 reserved bytes, the playlist's count and current index) followed by every
// folder of the playlist and then every file name, 520 bytes each. Integers are
// 32-bit little-endian; texts are UTF-16LE fields of 260 units.
//
// Encoding and decoding work on byte buffers only, so they are tested and
// fuzzed without touching a file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/options.h"
#include "base/player_state.h"
#include "base/playlist.h"

namespace solvane {

inline constexpr std::size_t kStateTextBytes = kPathField * 2;
inline constexpr std::size_t kStateHeadBytes = 600;
inline constexpr std::size_t kStateEntryBytes = 2 * kStateTextBytes;
inline constexpr std::size_t kStatePlaylistOffset = 592;
inline constexpr std::size_t kStateMaxBytes =
    kStateHeadBytes + kStateEntryBytes * static_cast<std::size_t>(kPlaylistCapacity);

// The whole file: lastPosition is player.playPosition; the playlist part is
// written whatever rememberPlaylist says.
std::vector<std::uint8_t> EncodeState(const Options& options, const Playlist& playlist,
                                      const PlayerState& player, std::int32_t volume);

// Restores what the bytes hold. False, changing nothing, unless they begin with
// the magic "SV_P". Otherwise every field the bytes hold whole is taken (a
// field cut short by the end, and every field after it, keeps the value it
// had): muted, lastPosition into both resumePosition and playPosition, the
// options, and the stored volume into `volume` for the caller to send to the
// engine. The playlist part is read only when rememberPlaylist is nonzero, and
// taken only as a whole: a count outside 0..300 or entries missing at the end
// leave the playlist as it was. A text without a terminator is bounded at 259
// characters.
bool DecodeState(std::span<const std::uint8_t> bytes, Options& options, Playlist& playlist,
                 PlayerState& player, std::int32_t& volume);

}  // namespace solvane
