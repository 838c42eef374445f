#pragma once
// Everything a command, a key or the stylus can reach: the playback records
// and seams, the main window's own actions and the face's scale.

#include "app/window_actions.h"
#include "playback/playback_control.h"

namespace solvane {

// How the face is laid out on the screen: the skin scale s (1 or 2) and
// whether the screen is a tall one, whose face rows all lie 80 x s lower.
struct FaceScale {
  int scale = 1;
  bool tall = false;
};

struct InputContext {
  PlaybackContext& playback;
  WindowActions& window;
  WindowRect& savedWindowRect;
  FaceScale face;
};

}  // namespace solvane
