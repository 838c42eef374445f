#pragma once
// Files and folders handed to the player on its command line, opened as the
// browser's Open mode opens what the user takes.

#include <cstdint>
#include <span>
#include <string>

#include "base/playlist.h"
#include "playback/playback_control.h"

namespace solvane {

// Empties the playlist and adds each path in turn: a file as it is named
// (whatever its ending; the engine refuses what it cannot play), a folder's
// media files in the browser's listing order; up to 300 entries. Then the
// first entry becomes current and starts. Paths are absolute; a path whose
// folder or name would not fit its field is skipped. When no path gives an
// entry, the playlist stays as it was. True when an entry started.
bool OpenFiles(PlaybackContext& playback, std::span<const std::u16string> paths);

// Appends what the paths name, as OpenFiles collects it, as the browser's Add
// mode does: nothing starts and the current entry stays. Stops when the
// playlist is full; returns how many entries were added.
std::int32_t AddFiles(PlaybackContext& playback, std::span<const std::u16string> paths);

}  // namespace solvane
