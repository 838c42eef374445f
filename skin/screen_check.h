#pragma once
// The screen check run once at start-up: settles the screen mode and skin
// scale from the screen's size and loads the face image and sprite sheet that
// belong to it.

#include "base/options.h"
#include "base/shell.h"
#include "skin/screen_layout.h"
#include "skin/skin_bitmaps.h"
#include "skin/skin_images.h"

namespace solvane {

// An unsupported screen is laid out as 240 x 320; while `firstStartDone` is
// clear the user is asked first, and No abandons the start. On a 480-wide
// screen the face image is the file "wvrc.sv" in the program's folder; when it
// cannot be loaded an error box is shown and the start is abandoned.
//
// Returns false when the start is to be abandoned: the caller then shuts the
// main window down as on a normal exit and skips the rest of the start-up.
// On success the screen values of `layout` are set (the face rows are left to
// ComputeFaceLayout) and `bitmaps` holds the face image and sprite sheet.
bool ScreenCheck(ScreenLayout& layout, SkinBitmaps& bitmaps, const Options& options,
                 Shell& shell, SkinImages& images);

}  // namespace solvane
