#pragma once
// The start screen shown in the lyric area while no track is loaded, the text
// of an empty playlist, and the choice between the start screen and the name
// of a chosen entry.

#include <string_view>

#include "base/player_state.h"
#include "base/playlist.h"

namespace solvane {

inline constexpr int kStartScreenRows = 7;
inline constexpr int kStartScreenLineField = 128;  // 127 characters and a terminator

// rows[k - 1] holds row k of the information grid; empty rows draw nothing.
struct StartScreenLines {
  char16_t rows[kStartScreenRows][kStartScreenLineField] = {};
};

// Fills the start-screen lines and the playlist's `emptyPlaylistText`. The
// spaces around the names are part of the texts: they shift the centred text.
void FillStartScreenTexts(StartScreenLines& lines, Playlist& playlist);

// The text of start-screen row `row` (1 to 7); empty outside that range.
std::u16string_view StartScreenRow(const StartScreenLines& lines, int row);

// What the lyric area shows while no track is loaded.
enum class LyricAreaChoice {
  kStartScreen,   // rows 1 to 7 of the start screen
  kCurrentTitle,  // `currentTitle` alone in row 1
};

// The start screen when no entry is chosen or the start screen is kept,
// otherwise the chosen entry's name. Meaningful while `trackLoaded` is clear.
LyricAreaChoice ChooseLyricArea(const PlayerState& player);

}  // namespace solvane
