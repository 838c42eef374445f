#pragma once
// The operations on the playlist. Row updates go to `rows`, null while the
// playlist view does not exist.

#include <cstdint>

#include "base/browser_listing.h"
#include "base/playlist.h"
#include "playlist/playlist_rows.h"

namespace solvane {

// Appends listing entry `index` (a file) and makes it current; a full playlist
// refuses it silently, and so does an index that names no file of the listing.
void AddBrowserEntry(Playlist& playlist, const BrowserListing& listing, std::int32_t index);

// Appends every file of the listing in order, stopping at 300 entries; the
// current index does not change.
void AddAllBrowserFiles(Playlist& playlist, const BrowserListing& listing);

bool BrowserHasFiles(const BrowserListing& listing);

// Empties the playlist for a new one; the current index is left as it is.
void EmptyPlaylist(Playlist& playlist);

// Removes entry `row` (the Delete command passes highlightedRow); a row outside
// the playlist does nothing. A current entry in the last slot moves down by one.
void DeleteEntry(Playlist& playlist, std::int32_t row, PlaylistRows* rows);

// Empties the playlist and shows the placeholder row; currentIndex and the slot
// contents stay.
void DeleteAll(Playlist& playlist, PlaylistRows* rows);


}  // namespace solvane
