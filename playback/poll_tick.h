#pragma once
// The 100 ms tick: reads the track information after a start and keeps the
// play position, the lyric window, the end of a track and the A-B loop going
// while a track is playing or paused.

#include "playback/playback_control.h"

namespace solvane {

// `lyricRows` is the number of lyric rows of the face layout (9 or 12).
void PollTick(PlaybackContext& context, int lyricRows);

}  // namespace solvane
