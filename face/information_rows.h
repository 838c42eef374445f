#pragma once
// What stands on the information grid: the track information of a track
// without lyrics, the current title, and the start screen.

#include "base/player_state.h"
#include "face/canvas.h"
#include "lyrics/track_info.h"
#include "skin/screen_layout.h"
#include "skin/start_screen.h"

namespace solvane {

// Rows 1 to 5: the media's title (the file name when it has none), author,
// album, bit rate and encoded-by.
void DrawTrackInformation(Canvas& canvas, const ScreenLayout& layout, const TrackInfo& info,
                          const PlayerState& player);

// `currentTitle` alone in row 1.
void DrawCurrentTitle(Canvas& canvas, const ScreenLayout& layout, const PlayerState& player);

// Start-screen rows 1 to 7; empty rows draw nothing.
void DrawStartScreen(Canvas& canvas, const ScreenLayout& layout, const StartScreenLines& lines);

}  // namespace solvane
