#pragma once
// All text of the face: the content of the lyric area and the time text.

#include "base/player_state.h"

#include "face/canvas.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "skin/screen_layout.h"
#include "skin/start_screen.h"

namespace solvane {

// The records the text is drawn from; nothing is kept between paints.
struct LyricAreaSources {
  const ScreenLayout& layout;
  const PlayerState& player;
  const LyricState& lyrics;
  const TrackInfo& trackInfo;
  const StartScreenLines& startScreen;
};

// The lyric rows of a playing or paused track with lyrics, else its track
// information; the current title of a loaded track that is not playing; the
// start screen or the chosen entry's name while no track is loaded. Then the
// time text, always.
void DrawLyricArea(Canvas& canvas, const LyricAreaSources& sources);

}  // namespace solvane
