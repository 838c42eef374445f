#pragma once
// Skin bitmaps through Qt: the built-in ones from the program's Qt resources,
// files from disk as BMP.

#include <cstddef>
#include <memory>
#include <span>

#include "skin/skin_images.h"

namespace solvane {

class QtSkinImages final : public SkinImages {
 public:
  std::unique_ptr<Bitmap> LoadBuiltIn(BuiltInBitmap which) override;
  std::unique_ptr<Bitmap> LoadFile(std::u16string_view path) override;
};

// Reads `bytes` as the contents of a BMP file, the way LoadFile reads a file.
// Null when they are not a BMP image Qt can read or it would not fit in
// memory.
std::unique_ptr<Bitmap> LoadBmpBytes(std::span<const std::byte> bytes);

}  // namespace solvane
