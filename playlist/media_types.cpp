#include "playlist/media_types.h"

#include <algorithm>

namespace solvane {
namespace {

constexpr char16_t AsciiLower(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool EqualIgnoringCase(std::u16string_view text, std::u16string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(),
                    [](char16_t a, char16_t b) { return AsciiLower(a) == b; });
}

}  // namespace

bool IsMediaFileName(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) {
    return false;
  }
  const std::u16string_view ending = name.substr(dot + 1);
  return std::any_of(kMediaTypes.begin(), kMediaTypes.end(), [ending](const MediaType& type) {
    return EqualIgnoringCase(ending, type.ending);
  });
}

std::vector<std::string> MediaMimeTypes() {
  std::vector<std::string> types;
  for (const MediaType& type : kMediaTypes) {
    for (const std::string_view mimeType : type.mimeTypes) {
      if (!mimeType.empty() && std::find(types.begin(), types.end(), mimeType) == types.end()) {
        types.emplace_back(mimeType);
      }
    }
  }
  return types;
}

}  // namespace solvane
