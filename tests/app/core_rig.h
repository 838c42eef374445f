#pragma once
// The records and fakes one core test of the application works on: those of
// a playback test, and a recording window.

#include "app/input/input_context.h"
#include "tests/app/recording_window.h"
#include "tests/fakes/playback_rig.h"

namespace solvane::testing {

struct CoreRig : PlaybackRig {
  RecordingWindow window;
  WindowRect savedWindowRect;

  InputContext Input(FaceScale face = FaceScale{2, true}) {
    return InputContext{playback, window, savedWindowRect, face};
  }
};

}  // namespace solvane::testing
