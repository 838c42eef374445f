#include "face/compose_frame.h"

#include <algorithm>

#include "face/lyric_area.h"

namespace solvane {

void PlaceFaceImage(Canvas& canvas, const ScreenLayout& layout, const Bitmap& faceImage) {
  const int sourceY = IsTallScreen(layout.screenMode) ? 0 : 80 * layout.skinScale;
  canvas.CopyBitmap(faceImage, 0, sourceY, layout.screenWidth, layout.screenHeight, 0, 0);
}

void PlaceBackgroundImage(Canvas& canvas, const ScreenLayout& layout, const Bitmap& image) {
  canvas.CopyBitmap(image, 0, 0, std::min(layout.screenWidth, image.Width()),
                    std::min(layout.lyricAreaBottom, image.Height()), 0, 0);
}

void ComposeFrame(Canvas& canvas, const FaceFrame& frame) {
  const SkinBitmaps& bitmaps = frame.bitmaps;
  if (bitmaps.faceImage != nullptr) {
    PlaceFaceImage(canvas, frame.layout, *bitmaps.faceImage);
  }
  DrawFaceOverlays(canvas, frame.layout, bitmaps.spriteSheet.get(), frame.player, frame.volume,
                   frame.paintState);
  if (bitmaps.backgroundImage != nullptr && frame.options.useBackgroundImage != 0) {
    PlaceBackgroundImage(canvas, frame.layout, *bitmaps.backgroundImage);
  }
  DrawLyricArea(canvas, {frame.layout, frame.player, frame.lyrics, frame.trackInfo,
                         frame.startScreen});
}

}  // namespace solvane
