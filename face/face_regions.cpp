#include "face/face_regions.h"

namespace solvane {

bool InFaceSpan(const FaceSpan& span, int value, const FaceScale& face, bool vertical) {
  const int shift = vertical && face.tall ? 80 * face.scale : 0;
  const int low = span.low * face.scale + shift;
  const int high = span.high * face.scale + shift + span.unscaledExtra;
  if (span.inclusive) {
    return low <= value && value <= high;
  }
  return low < value && value < high;
}

bool InFaceArea(const FaceArea& area, int x, int y, const FaceScale& face) {
  return InFaceSpan(area.rows, y, face, true) && InFaceSpan(area.columns, x, face, false);
}

std::int32_t HitFaceButton(std::span<const FaceButton> buttons, int x, const FaceScale& face) {
  for (const FaceButton& button : buttons) {
    if (InFaceSpan(button.columns, x, face, false)) {
      return button.control;
    }
  }
  return kPressedNone;
}

std::int32_t VolumeAtX(int x, const FaceScale& face) {
  return (x - kVolumeBar.columns.low * face.scale) * 100 /
         ((kVolumeBar.columns.high - kVolumeBar.columns.low) * face.scale);
}

std::int32_t SeekPercentAtX(int x, const FaceScale& face) {
  return (x - kSeekBar.columns.low * face.scale) * 100 /
         ((kSeekBar.columns.high - kSeekBar.columns.low) * face.scale);
}

}  // namespace solvane
