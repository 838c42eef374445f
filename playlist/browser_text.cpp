// The names the browser lists and the texts of its cells.

#include <array>
#include <cstdio>

#include "playlist/file_browser.h"

namespace solvane {

namespace {

std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

std::u16string FormatSizeText(std::uint32_t size) {
  if (size <= 10000) {
    return u"0.01M";
  }
  const unsigned whole = size / 1000000;
  const unsigned hundredths = size / 10000 - 100 * whole;
  std::array<char, 16> text{};
  const int length = std::snprintf(text.data(), text.size(), "%u.%02uM", whole, hundredths);
  return Widen(std::string_view(text.data(), static_cast<std::size_t>(length)));
}

std::u16string BrowserCellText(const BrowserEntry& entry, BrowserColumn column) {
  switch (column) {
    case BrowserColumn::kName:
      return std::u16string(WideView(entry.name));
    case BrowserColumn::kType:
      return IsFolder(entry) ? u"Dir" : u"File";
    case BrowserColumn::kSize:
      return IsFolder(entry) ? std::u16string() : FormatSizeText(entry.size);
  }
  return {};
}

}  // namespace solvane
