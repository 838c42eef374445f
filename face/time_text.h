#pragma once
// The play time and the track length at the bottom right of the face.

#include <cstdint>
#include <string>

#include "base/player_state.h"
#include "face/canvas.h"
#include "skin/screen_layout.h"

namespace solvane {

// MM:SS of a time in tenths of a second. The minutes stop at 99 while the
// seconds still come from the full minutes, so 2 h 5 min 7 s reads 99:07. A
// negative time, which no engine reports, reads 00:00.
std::u16string FormatMinutesSeconds(std::int32_t tenths);

// "MM:SS/" of the play position ending at x = 207 x s and "MM:SS" of the
// duration ending at x = 240 x s, on the time row.
void DrawTimeText(Canvas& canvas, const ScreenLayout& layout, const PlayerState& player);

// Where the time text's glyphs can reach: the time row, across the face.
TextRect TimeTextArea(const ScreenLayout& layout);

}  // namespace solvane
