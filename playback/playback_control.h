#pragma once
// Playback control: starting entries and browser files, play/pause, stop,
// seeking, volume and mute, the A-B loop, and moving through the playlist with
// repeat and shuffle, including what happens when a track ends.
//
// Every time is a count of tenths of a second; the engine is only ever given
// whole seconds. Operations report 1 for success and 0 for failure, and fail
// silently.
//
// Playback states, from the flags of PlayerState:
//   Empty    trackLoaded 0, playing 0, paused 0, trackChosen 0
//   Chosen   trackLoaded 0, playing 0,           trackChosen 1
//   Playing  trackLoaded 1, playing 1, paused 0
//   Paused   trackLoaded 1, playing 1, paused 1
//   Halted   trackLoaded 1, playing 0, paused 0  (stopped, media still loaded)
//
// An index outside the playlist never reaches the playlist's tables: starting
// or choosing it is refused and changes nothing.

#include <cstdint>

#include "base/player_state.h"
#include "base/shell.h"
#include "lyrics/embedded_lyrics.h"
#include "lyrics/legacy_text_decoder.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "playback/media_control.h"
#include "base/browser_listing.h"
#include "base/playlist.h"

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
  // Reads lyric files in no Unicode form; without one they are kept as read.
  const LegacyTextDecoder* lyricDecoder = nullptr;
  // Finds the lyrics in a track's own tags when it has no lyric file.
  const EmbeddedLyricsReader* embeddedLyrics = nullptr;
};

// --- Starting and choosing tracks -------------------------------------------

// Loads the entry's lyrics and gives its path to the engine. 1 when the engine
// accepted it (currentIndex becomes `index`); 0 when it refused it (playing and
// trackLoaded cleared) or when `index` lies outside the playlist (nothing
// changes at all).
int StartTrack(PlaybackContext& context, std::int32_t index);

// As StartTrack, for browserFolder + the listing entry's name; currentIndex
// does not change. 0 for an index outside the listing, changing nothing.
int StartBrowserFile(PlaybackContext& context, std::int32_t listingIndex);

// Makes entry `index` the chosen one without starting it (no engine call).
// 1, or 0 for an index outside the playlist, changing nothing.
int ChooseTrack(PlaybackContext& context, std::int32_t index);

// Nothing is current any more (every file handed in was refused): the face
// shows the start screen, and no title, time, tag, lyric or A-B mark of the
// track before stays. The playlist is left as it is.
void ForgetCurrentTrack(PlaybackContext& context);

// --- Transport ----------------------------------------------------------------

// CMD_TOGGLE_PLAY: pause/resume a loaded track, play a halted one, or start
// the chosen entry. A chosen entry whose currentIndex lies outside the
// playlist is dropped (trackChosen cleared) and nothing starts.
void TogglePlay(PlaybackContext& context);
// CMD_HALT: pauses a loaded track; playing becomes 0.
void Halt(PlaybackContext& context);
// Halt, rewind to 0 and clear the position, paused and playing.
void HaltAndRewind(PlaybackContext& context);
// The "Stop" menu item: HaltAndRewind when a track is loaded (A-B marks stay),
// then repaint.
void StopFromMenu(PlaybackContext& context);
// The face's stop button: as the menu item, and the A-B loop is dropped too.
void StopFromFace(PlaybackContext& context);

// --- Seeking ------------------------------------------------------------------

// Gives the engine tenths div 10 seconds (a negative target counts as 0); on
// success notes the position it reports. The lyrics are resynchronised to the
// target either way. Returns 1.
int SeekTo(PlaybackContext& context, std::int32_t tenths);
// SeekTo(percent x trackDuration div 100); percent is held to 0..100.
int SeekToPercent(PlaybackContext& context, std::int32_t percent);

// --- Moving through the playlist ---------------------------------------------

// A random entry 0..count-1 from a generator seeded with the millisecond
// clock just before the draw: two draws in the same millisecond agree. 0 when
// the playlist is empty.
std::int32_t RandomIndex(const Shell& shell, std::int32_t count);

// The entry after currentIndex, 0 after the last; a random one with shuffle.
// From an index outside the playlist the next entry is 0.
std::int32_t NextIndex(PlaybackContext& context);
// The entry before currentIndex, staying on 0; a random one with shuffle.
// From an index beyond the end the previous entry is the last one.
std::int32_t PreviousIndex(PlaybackContext& context);
// The next/previous buttons: start the entry when playing, else choose it;
// then repaint. An empty playlist only repaints.
void Next(PlaybackContext& context);
void Previous(PlaybackContext& context);
// The current track has ended: start the next entry, or at the end of the list
// wrap to 0 and either start it (repeat) or halt and rewind. Returns 1.
int AdvanceAfterEnd(PlaybackContext& context);

// --- A-B loop -----------------------------------------------------------------

// Marks A, then B (swapping them when B lies before A; marks under one second
// apart arm no loop), then clears the loop. Only while playing. Returns 1.
int ToggleABMark(PlaybackContext& context);

// --- Volume and mute ------------------------------------------------------------

inline constexpr std::int32_t kVolumeStep = 3;

// Volume as read from the engine, 80 when it cannot be read.
std::int32_t GetVolume(MediaControl& media);
// Puts the volume, held to 0..100.
void SetVolume(MediaControl& media, std::int32_t volume);
// Puts mute on for a non-zero `muted`, off for 0.
void SetMute(MediaControl& media, std::int32_t muted);
void VolumeUp(PlaybackContext& context);    // +3 up to 100, then repaint
void VolumeDown(PlaybackContext& context);  // -3 down to 0, then repaint

// --- Track information ----------------------------------------------------------

// Empties the five texts.
void ClearTrackInfo(TrackInfo& trackInfo);
// Reads duration and the five texts of the open media (first tick after a
// start), and notes whether the duration is still pending.
void ReadTrackInfo(PlaybackContext& context);
// While the duration is pending, asks the engine for it again (the texts stay
// as read) and takes a changed one, repainting. Stops asking once the engine
// settles it or has no media open.
void RefreshTrackDuration(PlaybackContext& context);

}  // namespace solvane
