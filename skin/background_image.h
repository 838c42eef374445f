#pragma once
// The optional background image, drawn over the upper part of the face.

#include "base/options.h"
#include "skin/skin_bitmaps.h"
#include "skin/skin_images.h"

namespace solvane {

// Frees the current background image; then, when `useBackgroundImage` is set,
// loads the file named by `backgroundImagePath`. A file that cannot be loaded
// leaves no background image, with no message.
void LoadBackgroundImage(SkinBitmaps& bitmaps, const Options& options, SkinImages& images);

}  // namespace solvane
