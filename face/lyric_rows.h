#pragma once
// The lyric window drawn on the lyric grid: the header layout while the file's
// header is shown, else the plain layout with the current line highlighted.

#include <string>
#include <vector>

#include "face/canvas.h"
#include "lyrics/lyric_state.h"
#include "skin/screen_layout.h"

namespace solvane {

void DrawLyricRows(Canvas& canvas, const ScreenLayout& layout, const LyricState& lyrics);

// A line the lyric rows are about to draw, in the style it will have.
struct LineAhead {
  std::u16string text;
  TextStyle style;
  friend bool operator==(const LineAhead&, const LineAhead&) = default;
};

// What the rows draw next as the track plays on: the line after the current
// one in the current line's style (the first line once the header gives
// way), the current line in the row style it goes back to, then the lines
// the next page shows in the row style: from the row where the highlight
// turns the page to the end of the window. Lines without text are left out.
std::vector<LineAhead> LyricLinesAhead(const ScreenLayout& layout, const LyricState& lyrics);

}  // namespace solvane
