#pragma once
// Where skin bitmaps come from: the program's built-in artwork, or a BMP file
// on disk. The application passes a Qt implementation in; tests pass a fake.

#include <memory>
#include <string_view>

#include "skin/bitmap.h"

namespace solvane {

// The built-in bitmaps, numbered as the artwork numbers them.
enum class BuiltInBitmap {
  kFaceImage = 151,        // 240 x 348, the face at skin scale 1
  kSpriteSheet = 120,      // 240 x 134, the overlays at skin scale 1
  kDoubleSpriteSheet = 162,  // 480 x 183, the overlays at skin scale 2
};

class SkinImages {
 public:
  virtual ~SkinImages() = default;

  // Null when the bitmap cannot be loaded.
  virtual std::unique_ptr<Bitmap> LoadBuiltIn(BuiltInBitmap which) = 0;

  // Loads a BMP file, whatever its name ends with. Null when the file is
  // missing, is not a BMP file or does not fit in memory.
  virtual std::unique_ptr<Bitmap> LoadFile(std::u16string_view path) = 0;
};

}  // namespace solvane
