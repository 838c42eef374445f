// The names the browser lists and the texts of its cells.

#include <algorithm>
#include <array>
#include <cstdio>

#include "playlist/file_browser.h"

namespace solvane {

namespace {

constexpr std::array<std::u16string_view, 10> kMediaExtensions = {
    u".avi", u".wmv", u".mid", u".aif", u".mp2", u".snd", u".wav", u".asf", u".mp3", u".wma",
};

constexpr char16_t AsciiLower(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool EqualIgnoringCase(std::u16string_view left, std::u16string_view right) {
  return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                    [](char16_t a, char16_t b) { return AsciiLower(a) == AsciiLower(b); });
}

std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

bool IsMediaFileName(std::u16string_view name) {
  if (name.size() < 4) {
    return false;
  }
  const std::u16string_view ending = name.substr(name.size() - 4);
  return std::any_of(kMediaExtensions.begin(), kMediaExtensions.end(),
                     [ending](std::u16string_view media) { return EqualIgnoringCase(ending, media); });
}

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
