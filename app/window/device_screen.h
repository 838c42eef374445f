#pragma once
// The size of the device screen that the main window stands for.

#include <optional>
#include <string_view>

#include "base/shell.h"

namespace solvane {

// Reads "WxH" (two positive decimal numbers of at most 5 digits); nothing for
// any other text.
std::optional<ScreenSize> ParseScreenSize(std::string_view text);

// What a desktop's title bar and frame add around a window's contents; a
// little more than common desktops take, so that the chosen window is never
// cut off at the bottom of the screen.
inline constexpr ScreenSize kWindowFrameAllowance{16, 48};

// The size asked for by `requested` (the SOLVANE_SCREEN setting) when it reads
// as a size; else the largest of 480 x 800, 480 x 640, 240 x 400 and 240 x 320
// whose window, with `frame` around it, fits in `available` (the desktop's
// free area); 240 x 320 when none fits.
ScreenSize ChooseDeviceScreen(std::optional<std::string_view> requested, ScreenSize available,
                              ScreenSize frame = kWindowFrameAllowance);

// The skin scale a screen is laid out at: 2 for the 480 x 640 and 480 x 800
// screens, 1 for every other size (unsupported sizes are laid out as 240 x 320).
int SkinScaleFor(ScreenSize screen);

// Height of the area the face is drawn in, and of the menu bar below it.
inline int FaceAreaHeight(ScreenSize screen, int scale) { return screen.height - 52 * scale; }
inline int MenuBarHeight(int scale) { return 26 * scale; }

// The size of the main window's contents for a screen: the face area and the
// menu bar (the desktop's title bar stands for the device's top bar).
ScreenSize WindowContentSize(ScreenSize screen);

}  // namespace solvane
