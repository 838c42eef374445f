#pragma once
// Skin bitmaps through Qt: the built-in ones from the program's Qt resources,
// files from disk as BMP.

#include "skin/skin_images.h"

namespace solvane {

class QtSkinImages final : public SkinImages {
 public:
  std::unique_ptr<Bitmap> LoadBuiltIn(BuiltInBitmap which) override;
  std::unique_ptr<Bitmap> LoadFile(std::u16string_view path) override;
};

}  // namespace solvane
