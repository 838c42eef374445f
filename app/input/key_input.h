#pragma once
// Key presses on the main window: the up and down arrows change the volume;
// every other key is ignored.

#include "playback/playback_control.h"

namespace solvane {

inline constexpr int kVirtualKeyUp = 0x26;
inline constexpr int kVirtualKeyDown = 0x28;

// Returns true when the key had an action.
bool HandleKeyDown(PlaybackContext& context, int virtualKey);

}  // namespace solvane
