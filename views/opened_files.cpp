#include "views/opened_files.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "base/browser_listing.h"
#include "base/playlist.h"
#include "playlist/file_browser.h"
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

// The media files of `folder` (absolute) in listing order.
void AddFolderEntries(std::u16string folder, const NameOrder& order, std::vector<Entry>& entries) {
  if (folder.back() != u'/') {
    folder += u'/';
  }
  const auto listing = std::make_unique<BrowserListing>();
  if (!ReopenBrowserFolder(*listing, folder, order) || WideView(listing->browserFolder) != folder) {
    return;
  }
  for (std::int32_t row = 0; row < listing->count; ++row) {
    if (!IsFolder(listing->entries[row])) {
      entries.push_back(Entry{folder, std::u16string(WideView(listing->entries[row].name))});
    }
  }
}

void AddFileEntry(std::u16string_view path, std::vector<Entry>& entries) {
  const std::size_t separator = path.rfind(u'/');
  if (separator == std::u16string_view::npos || separator + 1 == path.size()) {
    return;
  }
  entries.push_back(
      Entry{std::u16string(path.substr(0, separator + 1)), std::u16string(path.substr(separator + 1))});
}

bool Fits(const Entry& entry) {
  return entry.folder.size() < kPathField && entry.name.size() < kPathField;
}

// The entries the paths name, in order: files as named, folders' media files
// in listing order; relative paths and entries too long for their fields are
// left out.
std::vector<Entry> CollectEntries(std::span<const std::u16string> paths, const NameOrder& order) {
  std::vector<Entry> entries;
  for (const std::u16string& path : paths) {
    if (path.empty() || path.front() != u'/') {
      continue;
    }
    if (IsFolderPath(path)) {
      AddFolderEntries(path, order, entries);
    } else {
      AddFileEntry(path, entries);
    }
  }
  std::erase_if(entries, [](const Entry& entry) { return !Fits(entry); });
  return entries;
}

std::int32_t Append(Playlist& playlist, const std::vector<Entry>& entries) {
  std::int32_t added = 0;
  for (const Entry& entry : entries) {
    if (playlist.playlistCount >= kPlaylistCapacity) {
      break;
    }
    WideCopy(playlist.folder[playlist.playlistCount], entry.folder);
    WideCopy(playlist.fileName[playlist.playlistCount], entry.name);
    ++playlist.playlistCount;
    ++added;
  }
  return added;
}

}  // namespace

bool OpenFiles(PlaybackContext& playback, std::span<const std::u16string> paths) {
  const std::vector<Entry> entries = CollectEntries(paths, playback.shell.ListingOrder());
  if (entries.empty()) {
    return false;
  }
  Playlist& playlist = playback.playlist;
  playlist.playlistCount = 0;
  Append(playlist, entries);
  playlist.currentIndex = 0;
  return StartTrack(playback, 0) == 1;
}

std::int32_t AddFiles(PlaybackContext& playback, std::span<const std::u16string> paths) {
  return Append(playback.playlist, CollectEntries(paths, playback.shell.ListingOrder()));
}

}  // namespace solvane
