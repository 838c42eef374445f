#pragma once
// The record of flags and times that playback, drawing and input share. Flags
// hold 0 or 1; times are tenths of a second unless a field says otherwise.

#include <cstdint>

#include "base/wide_text.h"

namespace solvane {

// Commands the program sends to itself; no menu item carries them.
inline constexpr int kCmdTogglePlay = 40001;
inline constexpr int kCmdHalt = 40008;

// The poll timer.
inline constexpr int kPollTimerId = 77;
inline constexpr int kPollTimerPeriodMs = 100;

// Face control under the stylus since pen-down.
enum PressedControl : std::int32_t {
  kPressedNone = 0,
  kPressedOpen = 1,
  kPressedPrevious = 2,
  kPressedPlayPause = 3,
  kPressedStop = 4,
  kPressedNext = 5,
  kPressedVolumeDrag = 6,
  kPressedSeekDrag = 7,
};

struct PlayerState {
  std::int32_t playing = 0;           // started and not stopped; stays 1 while paused
  std::int32_t trackLoaded = 0;       // the engine accepted the current track
  // Steps (and wraps) each time the engine accepts a track, so that a track
  // started again is told from the same track playing on.
  std::uint32_t trackStarts = 0;
  std::int32_t paused = 0;
  std::int32_t trackChosen = 0;       // an entry is chosen; the next Play starts it
  std::int32_t startScreenKept = 0;   // keep the start screen although a track is chosen
  std::int32_t lastPlayState = 0;     // engine play state seen at the previous poll
  std::int32_t pressedControl = kPressedNone;
  std::int32_t muted = 0;
  std::int32_t repeat = 0;
  std::int32_t shuffle = 0;
  std::int32_t abActive = 0;
  std::int32_t abStage = 0;           // 0 no mark, 1 A marked, 2 A and B marked
  std::int32_t abStart = 0;
  std::int32_t abEnd = 0;
  std::int32_t resumePending = 0;
  std::int32_t resumePosition = 0;
  std::int32_t trackInfoPending = 0;
  std::int32_t lyricsPresent = 0;
  std::int32_t trackDuration = 0;
  // The duration read is a stand-in the engine may still better; the poll
  // tick asks for it again until the engine settles it.
  std::int32_t durationPending = 0;
  std::int32_t playPosition = 0;
  // The track whose position playPosition holds: the last track accepted, or
  // at start-up the entry the state file's position belongs to; empty when
  // none. A position is only worth keeping for this track.
  char16_t positionTrack[kTrackPathField] = {};
  std::int32_t playSeconds = 0;       // whole seconds
  char16_t currentTitle[kPathField] = {};
  std::int32_t playlistShown = 0;
  std::int32_t addMode = 0;
};

}  // namespace solvane
