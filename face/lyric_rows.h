#pragma once
// The lyric window drawn on the lyric grid: the header layout while the file's
// header is shown, else the plain layout with the current line highlighted.

#include "face/canvas.h"
#include "lyrics/lyric_state.h"
#include "skin/screen_layout.h"

namespace solvane {

void DrawLyricRows(Canvas& canvas, const ScreenLayout& layout, const LyricState& lyrics);

}  // namespace solvane
