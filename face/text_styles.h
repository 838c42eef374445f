#pragma once
// The three text styles of the face, for a skin scale.

#include "face/canvas.h"

namespace solvane {

inline constexpr std::string_view kFaceFontName = "Tahoma";

// Lyric rows, track information and the start screen.
TextStyle RowTextStyle(int skinScale);
// The lyric line being sung.
TextStyle CurrentLineStyle(int skinScale);
// The play time and the track length.
TextStyle TimeTextStyle(int skinScale);

}  // namespace solvane
