#include "app/desktop/mpris_state.h"

#include <cmath>
#include <cstring>

namespace solvane {
namespace {

constexpr std::int64_t kMicrosPerTenth = 100'000;
constexpr std::int64_t kSeekTolerance = 1'500'000;

std::string Utf8Of(std::u16string_view text) { return WideToUtf8(text).value_or(std::string()); }

std::string LyricText(const char* field) {
  return field == nullptr ? std::string() : std::string(field, strnlen(field, kLyricTextField));
}

// The tag's text, else the lyric header's (UTF-8 already), else nothing.
std::string FirstOf(const char16_t (&tag)[kTrackInfoField], const char* lyricHeader) {
  const std::u16string_view text = WideView(tag);
  return text.empty() ? LyricText(lyricHeader) : Utf8Of(text);
}

std::string LyricLineOf(const MprisSources& sources) {
  const LyricState& lyrics = sources.lyrics;
  if (sources.player.lyricsPresent == 0 || sources.player.trackLoaded == 0 ||
      lyrics.currentLine < 0 || lyrics.currentLine >= lyrics.lineCount ||
      lyrics.currentLine >= kLyricWindowSlots) {
    return {};
  }
  return LyricText(lyrics.lineText[lyrics.currentLine]);
}

MprisMetadata MetadataOf(const MprisSources& sources) {
  const PlayerState& player = sources.player;
  MprisMetadata metadata;
  if (player.trackLoaded == 0 && player.trackChosen == 0) {
    return metadata;
  }
  const Playlist& playlist = sources.playlist;
  if (IsPlaylistIndex(playlist, playlist.currentIndex)) {
    metadata.entry = playlist.currentIndex;
  }
  // The file the engine holds: a browser file, or an entry the playlist has
  // since moved or dropped, is not the current entry's file.
  if (player.trackLoaded != 0) {
    metadata.path = Utf8Of(WideView(player.positionTrack));
  } else if (metadata.entry >= 0) {
    char16_t path[kTrackPathField] = {};
    if (TrackPath(playlist, metadata.entry, path)) {
      metadata.path = Utf8Of(WideView(path));
    }
  }
  metadata.lengthMicros = std::int64_t{player.trackDuration} * kMicrosPerTenth;
  // The media's own tags first, then the lyric file's header; the title
  // falls back to the file name, as the face shows it.
  const bool header = player.lyricsPresent != 0;
  const TrackInfo& tags = sources.trackInfo;
  metadata.title = FirstOf(tags.mediaTitle, header ? sources.lyrics.title : nullptr);
  if (metadata.title.empty()) {
    metadata.title = Utf8Of(WideView(player.currentTitle));
  }
  metadata.artist = FirstOf(tags.mediaAuthor, header ? sources.lyrics.artist : nullptr);
  metadata.album = FirstOf(tags.mediaAlbum, header ? sources.lyrics.album : nullptr);
  metadata.lyricLine = LyricLineOf(sources);
  return metadata;
}

}  // namespace

std::uint64_t MprisTrackSerials::Name(const MprisMetadata& metadata, bool present, bool loaded,
                                      std::uint32_t starts) {
  if (present && !SameTrack(metadata, loaded, starts)) {
    ++serial_;
  }
  present_ = present;
  loaded_ = loaded;
  starts_ = starts;
  entry_ = metadata.entry;
  path_ = metadata.path;
  return present ? serial_ : 0;
}

bool MprisTrackSerials::SameTrack(const MprisMetadata& metadata, bool loaded,
                                  std::uint32_t starts) const {
  if (!present_ || metadata.path != path_) {
    return false;
  }
  if (loaded_) {
    // Playing on, paused or stopped, but not started again; leaving a loaded
    // track for a chosen entry is a move to another track.
    return loaded && starts == starts_;
  }
  // An entry only chosen stays itself until another is chosen or something
  // starts; starting it keeps its serial.
  return metadata.entry == entry_ && (loaded || starts == starts_);
}

MprisSnapshot TakeMprisSnapshot(const MprisSources& sources, MprisTrackSerials& serials) {
  const PlayerState& player = sources.player;
  const bool loaded = player.trackLoaded != 0;
  const bool hasTrack = loaded || player.trackChosen != 0;
  const bool hasEntries = sources.playlist.playlistCount > 0;
  MprisSnapshot snapshot;
  if (loaded && player.playing != 0) {
    snapshot.playbackStatus = player.paused != 0 ? "Paused" : "Playing";
  }
  snapshot.loopStatus = player.repeat != 0 ? "Playlist" : "None";
  snapshot.shuffle = player.shuffle != 0;
  snapshot.volume = static_cast<double>(sources.volume) / 100.0;
  snapshot.canGoNext = hasEntries;
  snapshot.canGoPrevious = hasEntries;
  snapshot.canPlay = hasTrack;
  snapshot.canPause = hasTrack;
  snapshot.canSeek = loaded;
  snapshot.metadata = MetadataOf(sources);
  snapshot.metadata.track = serials.Name(snapshot.metadata, hasTrack, loaded, player.trackStarts);
  snapshot.positionMicros = loaded ? std::int64_t{player.playPosition} * kMicrosPerTenth : 0;
  return snapshot;
}

bool PositionJumped(const MprisSnapshot& published, const MprisSnapshot& now,
                    std::int64_t elapsedMicros) {
  if (published.metadata.track != now.metadata.track || !now.canSeek) {
    return false;
  }
  const std::int64_t ranOn = published.playbackStatus == "Playing" ? elapsedMicros : 0;
  const std::int64_t expected = published.positionMicros + ranOn;
  const std::int64_t off = now.positionMicros - expected;
  return off > kSeekTolerance || off < -kSeekTolerance;
}

std::string MprisTrackId(std::uint64_t track) {
  return track == 0 ? std::string("/org/mpris/MediaPlayer2/TrackList/NoTrack")
                    : "/org/solvane/track/" + std::to_string(track);
}

bool SetPositionApplies(const MprisSnapshot& now, const std::string& trackId,
                        std::int64_t positionMicros) {
  return now.canSeek && now.metadata.track != 0 && trackId == MprisTrackId(now.metadata.track) &&
         positionMicros >= 0 &&
         (now.metadata.lengthMicros <= 0 || positionMicros <= now.metadata.lengthMicros);
}

bool LoopStatusMeansRepeat(const std::string& loopStatus) {
  return loopStatus == "Playlist" || loopStatus == "Track";
}

std::int32_t MprisVolumeToPercent(double volume) {
  if (!(volume > 0.0)) {
    return 0;
  }
  if (volume >= 1.0) {
    return 100;
  }
  return static_cast<std::int32_t>(std::lround(volume * 100.0));
}

}  // namespace solvane
