#include "app/window/device_screen.h"

#include <charconv>
#include <iterator>

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

ScreenSize ChooseDeviceScreen(std::optional<std::string_view> requested, ScreenSize available,
                              ScreenSize frame) {
  if (requested) {
    if (const std::optional<ScreenSize> size = ParseScreenSize(*requested)) {
      return *size;
    }
  }
  // Largest first.
  constexpr ScreenSize kSupported[] = {{480, 800}, {480, 640}, {240, 400}, {240, 320}};
  for (const ScreenSize screen : kSupported) {
    const ScreenSize content = WindowContentSize(screen);
    if (content.width + frame.width <= available.width &&
        content.height + frame.height <= available.height) {
      return screen;
    }
  }
  return kSupported[std::size(kSupported) - 1];
}

ScreenSize WindowContentSize(ScreenSize screen) {
  const int scale = SkinScaleFor(screen);
  return ScreenSize{screen.width, FaceAreaHeight(screen, scale) + MenuBarHeight(scale)};
}

int SkinScaleFor(ScreenSize screen) {
  const bool wide = screen.width == 480 && (screen.height == 640 || screen.height == 800);
  return wide ? 2 : 1;
}

}  // namespace solvane
