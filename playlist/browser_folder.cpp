// Walking through folders: listing one, listing it again, going up.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "playlist/file_browser.h"
#include "playlist/folder_entries.h"
#include "playlist/file_system_name.h"

namespace solvane {

namespace {

constexpr std::u16string_view kRoot = u"/";

// The folder's entries in `order`, the first 200 of them.
void Enumerate(BrowserListing& listing, const std::string& folder, const NameOrder& order) {
  std::vector<FolderEntry> kept = ReadFolderEntries(folder);
  const auto byName = [&order](const FolderEntry& left, const FolderEntry& right) {
    return order.Before(left.name, right.name);
  };
  const std::size_t count =
      std::min(kept.size(), static_cast<std::size_t>(kBrowserListingCapacity));
  std::partial_sort(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(count), kept.end(),
                    byName);
  for (std::size_t i = 0; i < count; ++i) {
    BrowserEntry& entry = listing.entries[i];
    entry.attributes = kept[i].attributes;
    entry.size = kept[i].size;
    WideCopy(entry.name, kept[i].name);
  }
  listing.count = static_cast<std::int32_t>(count);
}

// Lists `folder` (ending with '/', longer than the root) through its parent and
// its last component, as a walk down into it would.
bool ListFolderFromParent(BrowserListing& listing, std::u16string_view folder,
                          const NameOrder& order) {
  const std::size_t separator = LastSeparator(folder);
  const std::u16string_view parent = folder.substr(0, separator + 1);
  const std::u16string_view component =
      folder.substr(separator + 1, folder.size() - separator - 2);
  const std::u16string previous(WideView(listing.browserFolder));
  WideCopy(listing.browserFolder, parent);
  if (!ListFolder(listing, component, order)) {
    WideCopy(listing.browserFolder, previous);
    return false;
  }
  return true;
}

}  // namespace

bool ListFolder(BrowserListing& listing, std::u16string_view name, const NameOrder& order) {
  std::u16string folder(WideView(listing.browserFolder));
  folder += name;
  if (name != kRoot) {
    folder += u'/';
  }
  if (folder.size() >= kPathField) {
    return false;
  }
  const std::optional<std::string> fileSystemFolder = FileSystemName(folder);
  if (!fileSystemFolder) {
    return false;
  }
  WideCopy(listing.browserFolder, folder);
  listing.count = 0;
  Enumerate(listing, *fileSystemFolder, order);
  return true;
}

bool ReopenBrowserFolder(BrowserListing& listing, std::u16string_view firstFolder,
                         const NameOrder& order) {
  const std::u16string folder(WideView(listing.browserFolder));
  if (folder.empty()) {
    const bool belowRoot = firstFolder.size() > 2 && firstFolder.front() == u'/' &&
                           firstFolder.back() == u'/';
    return (belowRoot && ListFolderFromParent(listing, firstFolder, order)) ||
           ListFolder(listing, kRoot, order);
  }
  if (folder.size() > 2) {
    return ListFolderFromParent(listing, folder, order);
  }
  return false;
}

bool UpFolder(BrowserListing& listing, const NameOrder& order) {
  const std::u16string folder(WideView(listing.browserFolder));
  if (folder.size() < 3) {
    return false;
  }
  const std::size_t separator = LastSeparator(folder);
  if (separator == 0) {
    listing.browserFolder[0] = u'\0';
    return ListFolder(listing, kRoot, order);
  }
  return ListFolderFromParent(listing, std::u16string_view(folder).substr(0, separator + 1), order);
}

}  // namespace solvane
