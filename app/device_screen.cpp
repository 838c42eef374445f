#include "app/device_screen.h"

#include <charconv>

namespace solvane {
namespace {

std::optional<int> ParseDimension(std::string_view text) {
  if (text.empty() || text.size() > 5) {
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value <= 0) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<ScreenSize> ParseScreenSize(std::string_view text) {
  const std::size_t cross = text.find('x');
  if (cross == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<int> width = ParseDimension(text.substr(0, cross));
  const std::optional<int> height = ParseDimension(text.substr(cross + 1));
  if (!width || !height) {
    return std::nullopt;
  }
  return ScreenSize{*width, *height};
}

ScreenSize ChooseDeviceScreen(std::optional<std::string_view> requested, ScreenSize available) {
  if (requested) {
    if (const std::optional<ScreenSize> size = ParseScreenSize(*requested)) {
      return *size;
    }
  }
  if (available.width >= 480 && available.height >= 800) {
    return ScreenSize{480, 800};
  }
  return ScreenSize{240, 320};
}

int SkinScaleFor(ScreenSize screen) {
  const bool wide = screen.width == 480 && (screen.height == 640 || screen.height == 800);
  return wide ? 2 : 1;
}

}  // namespace solvane
