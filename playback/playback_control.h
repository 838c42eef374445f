#pragma once
// Playback control: starting entries and browser files, play/pause, stop,
// seeking, volume and mute, the A-B loop, and moving through the playlist with
// repeat and shuffle, including what happens when a track ends.

#include <cstdint>

#include "app/shared/player_state.h"
#include "app/shared/shell.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "playback/media_control.h"
#include "playlist/browser_listing.h"
#include "playlist/playlist.h"

namespace solvane {

// The records playback reads and writes, and the seams it talks through.
struct PlaybackContext {
  PlayerState& player;
  Playlist& playlist;
  LyricState& lyrics;
  TrackInfo& trackInfo;
  const BrowserListing& browser;
  MediaControl& media;
  Shell& shell;
};

int StartTrack(PlaybackContext& context, std::int32_t index);
int StartBrowserFile(PlaybackContext& context, std::int32_t listingIndex);
int ChooseTrack(PlaybackContext& context, std::int32_t index);

void TogglePlay(PlaybackContext& context);  // CMD_TOGGLE_PLAY
void Halt(PlaybackContext& context);        // CMD_HALT
void StopFromMenu(PlaybackContext& context);
void StopFromFace(PlaybackContext& context);

int SeekTo(PlaybackContext& context, std::int32_t tenths);
int SeekToPercent(PlaybackContext& context, std::int32_t percent);

std::int32_t NextIndex(PlaybackContext& context);
std::int32_t PreviousIndex(PlaybackContext& context);
void Next(PlaybackContext& context);
void Previous(PlaybackContext& context);
int AdvanceAfterEnd(PlaybackContext& context);

int ToggleABMark(PlaybackContext& context);

// Volume as read from the engine, 80 when it cannot be read.
std::int32_t GetVolume(MediaControl& media);
void SetVolume(MediaControl& media, std::int32_t volume);
void SetMute(MediaControl& media, std::int32_t muted);
void VolumeUp(PlaybackContext& context);    // +3 up to 100, then repaint
void VolumeDown(PlaybackContext& context);  // -3 down to 0, then repaint

// Reads duration and the five texts of the open media (first tick after a start).
void ReadTrackInfo(PlaybackContext& context);

}  // namespace solvane
