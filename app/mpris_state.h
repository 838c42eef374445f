#pragma once
// What the player publishes on the desktop's media-control interface (MPRIS2):
// a plain picture of the records, taken on every poll tick, and the rules that
// say which published properties changed since the last picture and whether
// the position jumped (a seek) rather than ran on.

#include <cstdint>
#include <string>
#include <vector>

#include "base/options.h"
#include "base/player_state.h"
#include "base/playlist.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"

namespace solvane {

struct MprisMetadata {
  std::int32_t entry = -1;       // the playlist entry the track id names; -1 none
  std::int64_t lengthMicros = 0;
  std::string title;
  std::string artist;
  std::string album;
  std::string path;              // the track's absolute path, UTF-8
  std::string lyricLine;         // the current lyric line, UTF-8
  bool operator==(const MprisMetadata&) const = default;
};

struct MprisSnapshot {
  std::string playbackStatus = "Stopped";  // "Playing", "Paused" or "Stopped"
  std::string loopStatus = "None";          // "Playlist" while repeat is on
  bool shuffle = false;
  double volume = 0.0;                      // 0.0..1.0
  bool canGoNext = false;
  bool canGoPrevious = false;
  bool canPlay = false;
  bool canPause = false;
  bool canSeek = false;
  MprisMetadata metadata;
  std::int64_t positionMicros = 0;
};

// The records the picture is taken from.
struct MprisSources {
  const PlayerState& player;
  const Playlist& playlist;
  const LyricState& lyrics;
  const TrackInfo& trackInfo;
  std::int32_t volume;  // 0..100, as the engine reports it
};

MprisSnapshot TakeMprisSnapshot(const MprisSources& sources);

// The names of the player-interface properties that differ between what was
// published and `now`, in a fixed order. Position never counts: desktops
// read it when they need it, and a jump is told by the Seeked signal.
std::vector<std::string> ChangedMprisProperties(const MprisSnapshot& published,
                                                const MprisSnapshot& now);

// True when the position moved other than by playing on for `elapsedMicros`:
// within the same track, more than a second and a half off where playing (or
// standing still while not playing) would have taken it.
bool PositionJumped(const MprisSnapshot& published, const MprisSnapshot& now,
                    std::int64_t elapsedMicros);

// The object path that names playlist entry `entry` as a track id.
std::string MprisTrackId(std::int32_t entry);

// "Track" is taken as "Playlist": the player repeats only whole lists.
bool LoopStatusMeansRepeat(const std::string& loopStatus);

// 0.0..1.0 onto 0..100, rounded; out-of-range values are held to the ends.
std::int32_t MprisVolumeToPercent(double volume);

}  // namespace solvane
