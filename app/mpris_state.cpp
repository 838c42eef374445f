#include "app/mpris_state.h"

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
    char16_t path[kTrackPathField] = {};
    if (TrackPath(playlist, playlist.currentIndex, path)) {
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

MprisSnapshot TakeMprisSnapshot(const MprisSources& sources) {
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
  snapshot.positionMicros = loaded ? std::int64_t{player.playPosition} * kMicrosPerTenth : 0;
  return snapshot;
}

std::vector<std::string> ChangedMprisProperties(const MprisSnapshot& published,
                                                const MprisSnapshot& now) {
  std::vector<std::string> changed;
  const auto note = [&changed](bool differs, const char* name) {
    if (differs) {
      changed.emplace_back(name);
    }
  };
  note(published.playbackStatus != now.playbackStatus, "PlaybackStatus");
  note(published.loopStatus != now.loopStatus, "LoopStatus");
  note(published.shuffle != now.shuffle, "Shuffle");
  note(published.volume != now.volume, "Volume");
  note(!(published.metadata == now.metadata), "Metadata");
  note(published.canGoNext != now.canGoNext, "CanGoNext");
  note(published.canGoPrevious != now.canGoPrevious, "CanGoPrevious");
  note(published.canPlay != now.canPlay, "CanPlay");
  note(published.canPause != now.canPause, "CanPause");
  note(published.canSeek != now.canSeek, "CanSeek");
  return changed;
}

bool PositionJumped(const MprisSnapshot& published, const MprisSnapshot& now,
                    std::int64_t elapsedMicros) {
  if (published.metadata.entry != now.metadata.entry ||
      published.metadata.path != now.metadata.path || !now.canSeek) {
    return false;
  }
  const std::int64_t ranOn = published.playbackStatus == "Playing" ? elapsedMicros : 0;
  const std::int64_t expected = published.positionMicros + ranOn;
  const std::int64_t off = now.positionMicros - expected;
  return off > kSeekTolerance || off < -kSeekTolerance;
}

std::string MprisTrackId(std::int32_t entry) {
  return entry < 0 ? std::string("/org/mpris/MediaPlayer2/TrackList/NoTrack")
                   : "/org/solvane/track/" + std::to_string(entry);
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
