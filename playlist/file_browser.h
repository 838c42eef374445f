#pragma once
// The file browser's core: which names it lists, how sizes read, what each
// cell shows, and walking through folders. The dialog around it is thin.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/browser_listing.h"
#include "base/name_order.h"
#include "playlist/media_types.h"

namespace solvane {


// Megabytes with two digits after the point, truncated ("3.05M"); "0.01M" for
// 10 000 bytes or less.
std::u16string FormatSizeText(std::uint32_t size);

enum class BrowserColumn : int { kName = 0, kType = 1, kSize = 2 };

// "Name": the name; "Type": "Dir" or "File"; "Size": the size text of a file,
// empty for a folder.
std::u16string BrowserCellText(const BrowserEntry& entry, BrowserColumn column);

// Appends `name` and a '/' to browserFolder (only "/" itself for the root,
// which the caller lists from an empty browserFolder) and lists that folder:
// its sub-folders (links to folders included) and its regular media files
// (links followed), folders and files mixed in `order`, the first 200 of them.
// Entries of other kinds and names that do not convert to UTF-16 and back are
// left out. A folder that cannot be read gives an empty listing that still
// names it. A folder whose path would not fit browserFolder is refused: false,
// and the listing stays as it was.
bool ListFolder(BrowserListing& listing, std::u16string_view name, const NameOrder& order);

// Shows again the folder where the browser was left when it opens: the same
// folder listed afresh, or, at the root, the listing as it stands. When nothing
// was listed yet in this run it lists `firstFolder` (absolute, ending with '/';
// see first_folder.h), or the root when that cannot be listed. True when it
// listed. Folders are listed as ListFolder lists them.
bool ReopenBrowserFolder(BrowserListing& listing, std::u16string_view firstFolder,
                         const NameOrder& order);

// Lists the parent folder as ListFolder does; nothing happens at the root.
// True when it listed.
bool UpFolder(BrowserListing& listing, const NameOrder& order);

}  // namespace solvane
