#pragma once
// Everything a command, a key or the stylus can reach: the playback records
// and seams, the main window's own actions and the face's scale.

#include "app/input/window_actions.h"
#include "face/face_regions.h"
#include "playback/playback_control.h"

namespace solvane {

struct InputContext {
  PlaybackContext& playback;
  WindowActions& window;
  WindowRect& savedWindowRect;
  FaceScale face;
};

}  // namespace solvane
