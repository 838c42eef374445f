#pragma once
// The bitmaps the face is drawn from. They live from start-up (the background
// image also from the Options dialog) until the main window is destroyed.

#include <memory>

#include "skin/bitmap.h"

namespace solvane {

struct SkinBitmaps {
  std::unique_ptr<Bitmap> faceImage;
  std::unique_ptr<Bitmap> spriteSheet;
  std::unique_ptr<Bitmap> backgroundImage;  // null when none is loaded
};

}  // namespace solvane
