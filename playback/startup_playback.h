#pragma once
// The playback steps of start-up, in the order the application calls them:
//   1. PrepareEngineAtStartup            before the state file is loaded
//   2. AfterStateLoaded                  right after the state file was tried
//   3. StartLastFileIfWanted             after the screen check and layout
//   4. ArmResumeIfWanted
// and ResumeIfPending, which the poll tick calls on its first tick after a
// track start, once the track information has been read.

#include <cstdint>

#include "base/options.h"
#include "playback/playback_control.h"

namespace solvane {

// Nothing playing, loaded or with lyrics; volume 80; the engine's own error
// dialogs off when that setting can be read.
void PrepareEngineAtStartup(PlaybackContext& context);

// `loaded` tells whether the state file was read; `volume` is the volume it
// kept. A loaded file's volume and mute go to the engine (so a face that shows
// "muted" is silent), and a restored non-empty playlist becomes the chosen
// track behind the start screen.
void AfterStateLoaded(PlaybackContext& context, bool loaded, std::int32_t volume);

// With "Play last file when startup" and a non-empty playlist, starts the
// entry at currentIndex. Returns StartTrack's result, 0 when nothing started.
int StartLastFileIfWanted(PlaybackContext& context, const Options& options);

// With "Remember last position" and a non-empty playlist, arms the seek to
// resumePosition for the first tick after the next track start.
void ArmResumeIfWanted(PlaybackContext& context, const Options& options);

// Seeks to resumePosition once, if armed.
void ResumeIfPending(PlaybackContext& context);

// Before the state is saved at exit: the next start resumes the saved
// position at the entry currentIndex names, so a position that belongs to
// another track (the last one, replayed after the end of the list moved
// currentIndex back to 0; a track refused or merely chosen since) is dropped
// to 0.
void KeepPositionOnlyForCurrentEntry(PlaybackContext& context);

}  // namespace solvane
