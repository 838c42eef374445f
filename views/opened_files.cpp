#include "views/opened_files.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "base/playlist.h"
#include "playlist/file_system_name.h"

namespace solvane {
namespace {

struct Entry {
  std::u16string folder;  // ends with '/'
  std::u16string name;
};

bool IsFolderPath(std::u16string_view path) {
  const std::optional<std::string> name = FileSystemName(path);
  std::error_code error;
  return name && std::filesystem::is_directory(*name, error);
}

bool Fits(const Entry& entry) {
  return entry.folder.size() < kPathField && entry.name.size() < kPathField;
}

// The entries the paths name, in order, at most `limit`: files as named,
// folders' media files in `order` (as far as `keepListing` lets the listing
// go); relative paths and entries too long for their fields are left out.
std::vector<Entry> CollectEntries(std::span<const std::u16string> paths, std::size_t limit,
                                  const NameOrder& order, const KeepListing& keepListing) {
  std::vector<Entry> entries;
  for (const std::u16string& path : paths) {
    if (entries.size() >= limit) {
      break;
    }
    if (path.empty() || path.front() != u'/') {
      continue;
    }
    if (IsFolderPath(path)) {
      const std::u16string folder = path.back() == u'/' ? path : path + u'/';
      for (std::u16string& name : ListMediaFiles(folder, limit - entries.size(), order, keepListing)) {
        entries.push_back(Entry{folder, std::move(name)});
      }
    } else if (const std::size_t separator = path.rfind(u'/'); separator + 1 < path.size()) {
      entries.push_back(Entry{path.substr(0, separator + 1), path.substr(separator + 1)});
    }
    std::erase_if(entries, [](const Entry& entry) { return !Fits(entry); });
  }
  return entries;
}

void Append(Playlist& playlist, const std::vector<Entry>& entries) {
  for (const Entry& entry : entries) {
    WideCopy(playlist.folder[playlist.playlistCount], entry.folder);
    WideCopy(playlist.fileName[playlist.playlistCount], entry.name);
    ++playlist.playlistCount;
  }
}

// Tries the entries from the first until the engine accepts one.
bool StartFirstAccepted(PlaybackContext& playback, const KeepListing& keepListing) {
  const Playlist& playlist = playback.playlist;
  for (std::int32_t index = 0; index < playlist.playlistCount; ++index) {
    if (keepListing && !keepListing()) {
      break;
    }
    playback.player.paused = 0;
    if (StartTrack(playback, index) == 1) {
      return true;
    }
    char16_t path[kTrackPathField] = {};
    TrackPath(playlist, index, path);
    playback.shell.ReportRefusedFile(WideView(path), playback.media.RefusalReason());
  }
  ForgetCurrentTrack(playback);
  return false;
}

}  // namespace

bool OpenFiles(PlaybackContext& playback, std::span<const std::u16string> paths,
               const KeepListing& keepListing) {
  const std::vector<Entry> entries = CollectEntries(
      paths, static_cast<std::size_t>(kPlaylistCapacity), playback.shell.ListingOrder(), keepListing);
  if (entries.empty()) {
    return false;
  }
  Playlist& playlist = playback.playlist;
  playlist.playlistCount = 0;
  Append(playlist, entries);
  playlist.currentIndex = 0;
  return StartFirstAccepted(playback, keepListing);
}

std::int32_t AddFiles(PlaybackContext& playback, std::span<const std::u16string> paths,
                      const KeepListing& keepListing) {
  Playlist& playlist = playback.playlist;
  const std::size_t room =
      static_cast<std::size_t>(std::max(kPlaylistCapacity - playlist.playlistCount, 0));
  const std::vector<Entry> entries =
      CollectEntries(paths, room, playback.shell.ListingOrder(), keepListing);
  Append(playlist, entries);
  return static_cast<std::int32_t>(entries.size());
}

}  // namespace solvane
