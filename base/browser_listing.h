#pragma once
// The folder the file browser shows and the entries it kept, in name order.

#include <cstdint>

#include "base/wide_text.h"

namespace solvane {

inline constexpr int kBrowserListingCapacity = 200;
inline constexpr std::uint32_t kAttributeFolder = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;

struct BrowserEntry {
  std::uint32_t attributes = 0;
  std::uint32_t size = 0;  // low 32 bits of the file's size; 0 for folders
  char16_t name[kPathField] = {};
};

struct BrowserListing {
  // Absolute, always ending with '/'; the root is "/"; empty before the first
  // listing of the run.
  char16_t browserFolder[kPathField] = {};
  BrowserEntry entries[kBrowserListingCapacity];
  std::int32_t count = 0;
};

inline bool IsFolder(const BrowserEntry& entry) {
  return (entry.attributes & kAttributeFolder) != 0;
}

}  // namespace solvane
