#include "playlist/folder_entries.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "base/browser_listing.h"
#include "playlist/file_system_name.h"
#include "playlist/media_types.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

// A folder, or a regular file with a media name; the status follows links, so
// a broken link is neither and is left out with sockets and devices.
std::optional<FolderEntry> KeptEntryOf(const fs::directory_entry& entry) {
  std::optional<std::u16string> name = Utf8ToWide(entry.path().filename().native());
  if (!name || name->size() >= kPathField) {
    return std::nullopt;
  }
  std::error_code error;
  const fs::file_status status = entry.status(error);
  if (error) {
    return std::nullopt;
  }
  if (fs::is_directory(status)) {
    return FolderEntry{std::move(*name), kAttributeFolder, 0};
  }
  if (fs::is_regular_file(status) && IsMediaFileName(*name)) {
    const std::uintmax_t size = entry.file_size(error);
    if (!error) {
      return FolderEntry{std::move(*name), kAttributeArchive,
                         static_cast<std::uint32_t>(size & 0xFFFFFFFFu)};
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<FolderEntry> ReadFolderEntries(const std::string& folder,
                                           const KeepListing& keepListing) {
  std::vector<FolderEntry> kept;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (keepListing && !keepListing()) {
      break;
    }
    if (std::optional<FolderEntry> entry = KeptEntryOf(*it)) {
      kept.push_back(std::move(*entry));
    }
  }
  return kept;
}

std::vector<std::u16string> ListMediaFiles(std::u16string_view folder, std::size_t limit,
                                           const NameOrder& order,
                                           const KeepListing& keepListing) {
  const std::optional<std::string> fileSystemFolder = FileSystemName(folder);
  if (!fileSystemFolder) {
    return {};
  }
  std::vector<FolderEntry> entries = ReadFolderEntries(*fileSystemFolder, keepListing);
  if (keepListing && !keepListing()) {
    return {};  // the program is ending: no sorting of what was read
  }
  std::erase_if(entries, [](const FolderEntry& entry) { return entry.attributes == kAttributeFolder; });
  const std::size_t count = std::min(entries.size(), limit);
  std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count),
                    entries.end(), [&order](const FolderEntry& left, const FolderEntry& right) {
                      return order.Before(left.name, right.name);
                    });
  std::vector<std::u16string> names;
  names.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    names.push_back(std::move(entries[i].name));
  }
  return names;
}

}  // namespace solvane
