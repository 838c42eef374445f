#pragma once
// The stylus on the player face: the transport buttons act when the pen is
// lifted, the volume and seek bars follow the pen while it is held, and the
// mute and mode toggles act where the pen is lifted. Coordinates are the main
// window's client coordinates.

#include "app/input/input_context.h"

namespace solvane {

void PenDown(InputContext& context, int x, int y);
void PenMove(InputContext& context, int x, int y);
void PenUp(InputContext& context, int x, int y);

}  // namespace solvane
