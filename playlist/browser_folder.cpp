// Walking through folders: listing one, listing it again, going up.

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "playlist/file_browser.h"
#include "playlist/file_system_name.h"

namespace solvane {

namespace {

namespace fs = std::filesystem;

constexpr std::u16string_view kRoot = u"/";

void Keep(BrowserListing& listing, std::uint32_t attributes, std::uint64_t size,
          std::u16string_view name) {
  BrowserEntry& entry = listing.entries[listing.count++];
  entry.attributes = attributes;
  entry.size = static_cast<std::uint32_t>(size & 0xFFFFFFFFu);
  WideCopy(entry.name, name);
}

// Keeps a folder, or a regular file with a media name; the status follows
// links, so a broken link is neither and is left out with sockets and devices.
void KeepIfListed(BrowserListing& listing, const fs::directory_entry& entry) {
  const std::optional<std::u16string> name = Utf8ToWide(entry.path().filename().native());
  if (!name || name->size() >= kPathField) {
    return;
  }
  std::error_code error;
  const fs::file_status status = entry.status(error);
  if (error) {
    return;
  }
  if (fs::is_directory(status)) {
    Keep(listing, kAttributeFolder, 0, *name);
  } else if (fs::is_regular_file(status) && IsMediaFileName(*name)) {
    const std::uintmax_t size = entry.file_size(error);
    if (!error) {
      Keep(listing, kAttributeArchive, size, *name);
    }
  }
}

// Stops at the first error: what was read by then stays listed.
void Enumerate(BrowserListing& listing, const std::string& folder) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (listing.count == kBrowserListingCapacity) {
      return;
    }
    KeepIfListed(listing, *it);
  }
}

// Lists `folder` (ending with '/', longer than the root) through its parent and
// its last component, as a walk down into it would.
bool ListFolderFromParent(BrowserListing& listing, std::u16string_view folder) {
  const std::size_t separator = LastSeparator(folder);
  const std::u16string_view parent = folder.substr(0, separator + 1);
  const std::u16string_view component =
      folder.substr(separator + 1, folder.size() - separator - 2);
  const std::u16string previous(WideView(listing.browserFolder));
  WideCopy(listing.browserFolder, parent);
  if (!ListFolder(listing, component)) {
    WideCopy(listing.browserFolder, previous);
    return false;
  }
  return true;
}

}  // namespace

bool ListFolder(BrowserListing& listing, std::u16string_view name) {
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
  Enumerate(listing, *fileSystemFolder);
  return true;
}

bool ReopenBrowserFolder(BrowserListing& listing) {
  const std::u16string folder(WideView(listing.browserFolder));
  if (folder.empty()) {
    return ListFolder(listing, kRoot);
  }
  if (folder.size() > 2) {
    return ListFolderFromParent(listing, folder);
  }
  return false;
}

bool UpFolder(BrowserListing& listing) {
  const std::u16string folder(WideView(listing.browserFolder));
  if (folder.size() < 3) {
    return false;
  }
  const std::size_t separator = LastSeparator(folder);
  if (separator == 0) {
    listing.browserFolder[0] = u'\0';
    return ListFolder(listing, kRoot);
  }
  return ListFolderFromParent(listing, std::u16string_view(folder).substr(0, separator + 1));
}

}  // namespace solvane
