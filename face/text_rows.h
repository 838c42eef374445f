#pragma once
// The two row grids of the lyric area and the drawing of one row. Rows are
// centred between x = 0 and the text area width, top at the row's top, bottom
// at the client height; both grids step by (line height + 2) x skin scale.

#include <string_view>

#include "face/canvas.h"
#include "skin/screen_layout.h"

namespace solvane {

// Lyric grid, rows i = 0 .. lyric rows - 1: top at s x (22 x i + 4).
TextRect LyricRowRect(const ScreenLayout& layout, int row);

// Information grid, rows k = 1 .. 7: top at s x 22 x k. Track information,
// the current title and the start screen stand on it.
TextRect InformationRowRect(const ScreenLayout& layout, int row);

// Draws `text` centred in `rect`; an empty text draws nothing.
void DrawRowText(Canvas& canvas, const TextRect& rect, std::u16string_view text,
                 const TextStyle& style);

}  // namespace solvane
