#pragma once
// What the player publishes on the desktop's media-control interface (MPRIS2):
// a plain picture of the records, taken on every poll tick, and the rules that
// say which track the picture shows, which published properties changed since
// the last picture and whether the position jumped (a seek) rather than ran on.

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
  std::uint64_t track = 0;       // the serial the track id names; 0 no track
  std::int32_t entry = -1;       // the playlist entry shown; -1 none
  std::int64_t lengthMicros = 0;
  std::string title;
  std::string artist;
  std::string album;
  std::string path;              // the track's absolute path, UTF-8: the file
                                 // the engine holds, else the chosen entry's
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

// Gives each track the player shows a serial of its own, for its track id.
// Another serial comes when another file is shown (the playlist was replaced
// or reordered under the same entry number, or the player moved on), when a
// chosen entry is left for another, and when a loaded track is started anew:
// a repeat of a lone track, or the same file opened again, is a new start that
// clients should see as one. Pausing, seeking, stopping and playing on keep
// the serial, as does starting the entry that was only chosen.
class MprisTrackSerials {
 public:
  // The serial for the track the records show now; 0 when they show none.
  // Looking again at unchanged records gives the same serial.
  std::uint64_t Name(const MprisMetadata& metadata, bool present, bool loaded,
                     std::uint32_t starts);

 private:
  // Whether a present track is the one the last look saw.
  bool SameTrack(const MprisMetadata& metadata, bool loaded, std::uint32_t starts) const;

  std::uint64_t serial_ = 0;
  bool present_ = false;
  bool loaded_ = false;
  std::uint32_t starts_ = 0;
  std::int32_t entry_ = -1;
  std::string path_;
};

// The picture of the records; `serials` names the track it shows.
MprisSnapshot TakeMprisSnapshot(const MprisSources& sources, MprisTrackSerials& serials);

// True when the position moved other than by playing on for `elapsedMicros`:
// within the same track, more than a second and a half off where playing (or
// standing still while not playing) would have taken it.
bool PositionJumped(const MprisSnapshot& published, const MprisSnapshot& now,
                    std::int64_t elapsedMicros);

// The object path that names track serial `track` as a track id.
std::string MprisTrackId(std::uint64_t track);

// True when a SetPosition call for `trackId` and `positionMicros` should seek:
// the id names the track loaded now and the position lies inside it. A call
// aimed at a track that has since been replaced is ignored.
bool SetPositionApplies(const MprisSnapshot& now, const std::string& trackId,
                        std::int64_t positionMicros);

// "Track" is taken as "Playlist": the player repeats only whole lists.
// (Values other than these and "None" are refused before; see
// mpris_properties.h.)
bool LoopStatusMeansRepeat(const std::string& loopStatus);

// 0.0..1.0 onto 0..100, rounded; out-of-range values are held to the ends.
std::int32_t MprisVolumeToPercent(double volume);

}  // namespace solvane
