#pragma once
// Reading one folder for the browser and for folders opened from outside:
// its sub-folders (links to folders included) and its regular media files
// (links followed), with names that convert to UTF-16 and back.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/name_order.h"

namespace solvane {

struct FolderEntry {
  std::u16string name;
  std::uint32_t attributes = 0;  // kAttributeFolder or kAttributeArchive
  std::uint32_t size = 0;        // low 32 bits of a file's size; 0 for folders
};

// Asked before each entry is read: false stops the reading there (the
// program is ending). An empty function never stops it.
using KeepListing = std::function<bool()>;

// Every kept entry of `folder` (a file-system name), in the order the file
// system gives them; reading stops at the first error, keeping what was read.
std::vector<FolderEntry> ReadFolderEntries(const std::string& folder,
                                           const KeepListing& keepListing = {});

// The names of the media files of `folder` (absolute, ending with '/'), in
// `order`, the first `limit` of them. Nothing for a
// folder that cannot be read or whose name has no file-system form, and
// nothing when `keepListing` stopped the reading.
std::vector<std::u16string> ListMediaFiles(std::u16string_view folder, std::size_t limit,
                                           const NameOrder& order,
                                           const KeepListing& keepListing = {});

}  // namespace solvane
