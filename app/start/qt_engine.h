#pragma once
// The media engine the program plays through.

#include <memory>

#include "playback/media_control.h"

namespace solvane {

// The GStreamer engine; an engine that refuses every file when that one
// cannot be made, so the player still runs, without sound.
std::unique_ptr<MediaControl> CreateMediaEngine();

}  // namespace solvane
