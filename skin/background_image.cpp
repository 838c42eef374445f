#include "skin/background_image.h"

#include "base/wide_text.h"

namespace solvane {

void LoadBackgroundImage(SkinBitmaps& bitmaps, const Options& options, SkinImages& images) {
  bitmaps.backgroundImage.reset();
  const std::u16string_view path = WideView(options.backgroundImagePath);
  if (options.useBackgroundImage != 0 && !path.empty()) {
    bitmaps.backgroundImage = images.LoadFile(path);
  }
}

}  // namespace solvane
