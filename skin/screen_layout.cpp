#include "skin/screen_layout.h"

#include <array>

namespace solvane {

namespace {

struct ModeSize {
  int mode;
  int width;
  int height;
};

constexpr std::array<ModeSize, 4> kModeSizes = {{
    {kScreenMode240x320, 240, 320},
    {kScreenMode240x400, 240, 400},
    {kScreenMode480x640, 480, 640},
    {kScreenMode480x800, 480, 800},
}};

struct FaceRowBase {
  int FaceRows::*row;
  int base;
};

constexpr std::array<FaceRowBase, 19> kFaceRowBases = {{
    {&FaceRows::repeatIconRow, 217},
    {&FaceRows::shuffleIconRow, 217},
    {&FaceRows::playlistIconRow, 217},
    {&FaceRows::abIconRow, 218},
    {&FaceRows::iconBandTop, 218},
    {&FaceRows::seekBandTop, 220},
    {&FaceRows::seekBandBottom, 229},
    {&FaceRows::iconBandBottom, 233},
    {&FaceRows::buttonBandTop, 236},
    {&FaceRows::volumeBandTop, 236},
    {&FaceRows::pauseSymbolRow, 236},
    {&FaceRows::pressedPlayRow, 236},
    {&FaceRows::pressedOpenRow, 237},
    {&FaceRows::muteIconRow, 239},
    {&FaceRows::pressedPreviousRow, 240},
    {&FaceRows::pressedStopRow, 241},
    {&FaceRows::pressedNextRow, 241},
    {&FaceRows::volumeBandBottom, 247},
    {&FaceRows::buttonBandBottom, 261},
}};

}  // namespace

int ScreenModeFor(int width, int height) {
  for (const ModeSize& size : kModeSizes) {
    if (size.width == width && size.height == height) {
      return size.mode;
    }
  }
  return kScreenModeUnsupported;
}

bool IsTallScreen(int screenMode) {
  return screenMode == kScreenMode240x400 || screenMode == kScreenMode480x800;
}

void SetScreenValues(ScreenLayout& layout, int screenMode) {
  for (const ModeSize& size : kModeSizes) {
    if (size.mode != screenMode) {
      continue;
    }
    const int scale = size.width / 240;
    layout.screenMode = screenMode;
    layout.skinScale = scale;
    layout.doubleSize = scale == 2;
    layout.screenWidth = size.width;
    layout.screenHeight = size.height;
    layout.textAreaWidth = size.width;
    layout.clientHeight = size.height - 52 * scale;
    layout.listWidth = size.width;
    layout.lyricAreaBottom = size.height - 111 * scale;
    layout.lineHeight = kLineHeight;
    layout.lyricRows = (layout.lyricAreaBottom - 4 * scale) / ((kLineHeight + 2) * scale);
  }
}

int FaceRowFor(const ScreenLayout& layout, int base) {
  const int scale = layout.skinScale;
  return base * scale + (IsTallScreen(layout.screenMode) ? 80 * scale : 0);
}

void ComputeFaceLayout(ScreenLayout& layout) {
  for (const FaceRowBase& entry : kFaceRowBases) {
    layout.faceRows.*entry.row = FaceRowFor(layout, entry.base);
  }
}

}  // namespace solvane
