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

// The lines of the page the rows show next, when the line to come changes
// the page: it turns the page (it would stand in the rows kept below the
// highlight), or it ends the header. That line comes first, in the current
// line's style, then the rest of the page in the row style. Empty while the
// next line only moves the highlight: such a paint redraws two rows, which
// costs less than readying them. Lines without text are left out.
std::vector<LineAhead> LyricLinesAhead(const ScreenLayout& layout, const LyricState& lyrics);

}  // namespace solvane
