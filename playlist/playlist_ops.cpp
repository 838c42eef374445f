#include "playlist/playlist_ops.h"

#include <algorithm>

namespace solvane {

namespace {

bool IsFull(const Playlist& playlist) { return playlist.playlistCount >= kPlaylistCapacity; }

// The entries a listing really holds, whatever its count says.
std::int32_t ListingSize(const BrowserListing& listing) {
  return std::clamp(listing.count, std::int32_t{0}, std::int32_t{kBrowserListingCapacity});
}

bool IsListedFile(const BrowserListing& listing, std::int32_t index) {
  return index >= 0 && index < ListingSize(listing) && !IsFolder(listing.entries[index]);
}

// Writes the listing's folder and the entry's name into the next free slot.
void AppendSlot(Playlist& playlist, const BrowserListing& listing, std::int32_t index) {
  const std::int32_t slot = playlist.playlistCount;
  WideCopy(playlist.folder[slot], WideView(listing.browserFolder));
  WideCopy(playlist.fileName[slot], WideView(listing.entries[index].name));
  ++playlist.playlistCount;
}

void ClearSlot(Playlist& playlist, std::int32_t slot) {
  std::fill(std::begin(playlist.folder[slot]), std::end(playlist.folder[slot]), u'\0');
  std::fill(std::begin(playlist.fileName[slot]), std::end(playlist.fileName[slot]), u'\0');
}

void CopySlot(Playlist& playlist, std::int32_t from, std::int32_t to) {
  WideCopy(playlist.folder[to], WideView(playlist.folder[from]));
  WideCopy(playlist.fileName[to], WideView(playlist.fileName[from]));
}

// The view shows the single placeholder row; no row bears the mark.
void ShowEmptyPlaylist(Playlist& playlist, PlaylistRows* rows) {
  if (rows != nullptr) {
    rows->RemoveAllRowsButFirst();
    rows->ReplaceFirstRowText(WideView(playlist.emptyPlaylistText));
  }
  playlist.highlightedRow = -1;
}

}  // namespace

void AddBrowserEntry(Playlist& playlist, const BrowserListing& listing, std::int32_t index) {
  if (IsFull(playlist) || !IsListedFile(listing, index)) {
    return;
  }
  playlist.currentIndex = playlist.playlistCount;
  AppendSlot(playlist, listing, index);
}

void AddAllBrowserFiles(Playlist& playlist, const BrowserListing& listing) {
  const std::int32_t size = ListingSize(listing);
  for (std::int32_t index = 0; index < size; ++index) {
    if (IsFull(playlist)) {
      return;
    }
    if (!IsFolder(listing.entries[index])) {
      AppendSlot(playlist, listing, index);
    }
  }
}

bool BrowserHasFiles(const BrowserListing& listing) {
  const std::int32_t size = ListingSize(listing);
  for (std::int32_t index = 0; index < size; ++index) {
    if (!IsFolder(listing.entries[index])) {
      return true;
    }
  }
  return false;
}

void EmptyPlaylist(Playlist& playlist) { playlist.playlistCount = 0; }

void DeleteEntry(Playlist& playlist, std::int32_t row, PlaylistRows* rows) {
  if (!IsPlaylistIndex(playlist, row)) {
    return;
  }
  const std::int32_t last = playlist.playlistCount - 1;
  for (std::int32_t slot = row; slot < last; ++slot) {
    ClearSlot(playlist, slot);
    CopySlot(playlist, slot + 1, slot);
  }
  // Only a current entry in the last slot moves; one behind a removed entry
  // keeps its number and so names the entry that followed it.
  if (playlist.currentIndex == last) {
    --playlist.currentIndex;
  }
  if (last > 0) {
    if (rows != nullptr) {
      rows->RemoveRow(row);
      rows->MarkRow(row < last ? row : -1);
    }
    playlist.highlightedRow = row;
  } else {
    ShowEmptyPlaylist(playlist, rows);
  }
  --playlist.playlistCount;
}

void DeleteAll(Playlist& playlist, PlaylistRows* rows) {
  if (playlist.playlistCount > 0) {
    ShowEmptyPlaylist(playlist, rows);
  }
  playlist.playlistCount = 0;
}

}  // namespace solvane
