#pragma once
// Files and folders handed to the player from outside (its command line, a
// later start, the desktop), opened as the browser's Open mode opens what the
// user takes, or added as its Add mode adds.

#include <cstdint>
#include <span>
#include <string>

#include "base/playlist.h"
#include "playback/playback_control.h"
#include "playlist/folder_entries.h"

namespace solvane {

// Empties the playlist and adds each path in turn: a file as it is named
// (whatever its ending; the engine refuses what it cannot play), a folder's
// media files in the browser's listing order; up to 300 entries, and once
// they are in, later paths are not looked at. Paths are absolute; a path
// whose folder or name would not fit its field is skipped. When no path gives
// an entry, the playlist stays as it was. Otherwise the first entry the
// engine accepts starts playing (not paused) and becomes current; each one
// refused before it is reported through the shell with the engine's reason,
// and when none is accepted nothing is current (the start screen shows).
// `keepListing` stops the listing of folders and the tries when the program
// is ending (files named are still taken, for the state file). True when an
// entry started.
bool OpenFiles(PlaybackContext& playback, std::span<const std::u16string> paths,
               const KeepListing& keepListing = {});

// Appends what the paths name, as OpenFiles collects it, as the browser's Add
// mode does: nothing starts and the current entry stays. Stops when the
// playlist is full; returns how many entries were added.
std::int32_t AddFiles(PlaybackContext& playback, std::span<const std::u16string> paths,
                      const KeepListing& keepListing = {});

}  // namespace solvane
