#pragma once
// The size of the device screen that the main window stands for.

#include <optional>
#include <string_view>

#include "base/shell.h"

namespace solvane {

// Reads "WxH" (two positive decimal numbers of at most 5 digits); nothing for
// any other text.
std::optional<ScreenSize> ParseScreenSize(std::string_view text);

// The size asked for by `requested` (the SOLVANE_SCREEN setting) when it reads
// as a size; else 480 x 800 when `available` (the desktop's free area) holds
// it; else 240 x 320.
ScreenSize ChooseDeviceScreen(std::optional<std::string_view> requested, ScreenSize available);

// The skin scale a screen is laid out at: 2 for the 480 x 640 and 480 x 800
// screens, 1 for every other size (unsupported sizes are laid out as 240 x 320).
int SkinScaleFor(ScreenSize screen);

// Height of the area the face is drawn in, and of the menu bar below it.
inline int FaceAreaHeight(ScreenSize screen, int scale) { return screen.height - 52 * scale; }
inline int MenuBarHeight(int scale) { return 26 * scale; }

}  // namespace solvane
