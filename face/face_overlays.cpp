#include "face/face_overlays.h"

#include <algorithm>
#include <array>

namespace solvane {

namespace {

// A rectangle of the sprite sheet and the column it goes to, in units of the
// 240-wide skin; every number is multiplied by the skin scale.
struct Sprite {
  int sourceX;
  int sourceY;
  int width;
  int height;
  int destX;
};

constexpr Sprite kVolumeKnob{204, 29, 9, 12, 181};
constexpr Sprite kSeekKnob{40, 12, 12, 6, 37};
constexpr Sprite kPauseSymbol{0, 58, 29, 26, 72};
constexpr Sprite kPressedPause{27, 56, 31, 28, 72};
constexpr Sprite kMuteIcon{170, 29, 10, 11, 170};
constexpr Sprite kAbIcon{7, 8, 22, 16, 7};

constexpr int kVolumeKnobRowBase = 239;
constexpr int kSeekKnobRowBase = 222;

struct PressedOverlay {
  std::int32_t control;
  Sprite sprite;
  int FaceRows::*row;
};

// The play button's entry is its play look; while the pause symbol shows, its
// pressed look is kPressedPause instead.
constexpr std::array<PressedOverlay, 5> kPressedOverlays = {{
    {kPressedOpen, {4, 25, 27, 25, 6}, &FaceRows::pressedOpenRow},
    {kPressedPrevious, {39, 28, 22, 22, 41}, &FaceRows::pressedPreviousRow},
    {kPressedPlayPause, {70, 24, 31, 28, 72}, &FaceRows::pressedPlayRow},
    {kPressedStop, {110, 29, 21, 21, 112}, &FaceRows::pressedStopRow},
    {kPressedNext, {140, 29, 22, 21, 142}, &FaceRows::pressedNextRow},
}};

struct ModeIcon {
  std::int32_t PlayerState::*flag;
  Sprite sprite;
  int FaceRows::*row;
};

// Drawn after the mute and A-B icons, in this order.
constexpr std::array<ModeIcon, 3> kModeIcons = {{
    {&PlayerState::repeat, {152, 7, 22, 17, 152}, &FaceRows::repeatIconRow},
    {&PlayerState::shuffle, {179, 7, 22, 17, 179}, &FaceRows::shuffleIconRow},
    {&PlayerState::playlistShown, {205, 7, 31, 17, 205}, &FaceRows::playlistIconRow},
}};

class SpriteDrawer {
 public:
  SpriteDrawer(Canvas& canvas, const Bitmap& sheet, int scale)
      : canvas_(canvas), sheet_(sheet), scale_(scale) {}

  void Draw(const Sprite& sprite, int destY, int extraX = 0) {
    canvas_.CopyBitmap(sheet_, sprite.sourceX * scale_, sprite.sourceY * scale_,
                       sprite.width * scale_, sprite.height * scale_,
                       sprite.destX * scale_ + extraX, destY);
  }

 private:
  Canvas& canvas_;
  const Bitmap& sheet_;
  int scale_;
};

bool ShowsAbIcon(const PlayerState& player, const FacePaintState& state) {
  return player.abActive != 0 &&
         (player.abStage == 2 || (player.abStage == 1 && state.abBlinkToggle != 0));
}

TextRect AreaOf(const Sprite& sprite, int scale, int destY, int extraX = 0) {
  const int left = sprite.destX * scale + extraX;
  return {left, destY, left + sprite.width * scale, destY + sprite.height * scale};
}

void DrawPressedOverlay(SpriteDrawer& drawer, const FaceRows& rows, const PlayerState& player) {
  for (const PressedOverlay& overlay : kPressedOverlays) {
    if (overlay.control != player.pressedControl) {
      continue;
    }
    const bool pauseLook = overlay.control == kPressedPlayPause && ShowsPauseSymbol(player);
    drawer.Draw(pauseLook ? kPressedPause : overlay.sprite, rows.*overlay.row);
  }
}

}  // namespace

bool ShowsPauseSymbol(const PlayerState& player) {
  return player.trackLoaded != 0 && player.playing != 0 && player.paused == 0;
}

bool AbIconBlinks(const PlayerState& player) {
  return player.abActive != 0 && player.abStage == 1;
}

void AdvanceAbBlink(const PlayerState& player, FacePaintState& state) {
  if (AbIconBlinks(player)) {
    state.abBlinkToggle = state.abBlinkToggle != 0 ? 0 : 1;
  }
}

int VolumeKnobOffset(std::int32_t volume, int skinScale) {
  const int knobWidth = 9 * skinScale;
  int offset = 56 * skinScale * std::clamp(volume, 0, 100) / 100;
  if (offset > knobWidth) {
    offset -= knobWidth / 2;
  }
  return std::min(offset, 47 * skinScale + 1);
}

int SeekKnobOffset(std::int32_t playPosition, std::int32_t trackDuration, int skinScale) {
  if (trackDuration == 0) {
    return 0;
  }
  // In 64 bits: position x 100 leaves 32 bits for long tracks. Beyond the
  // screen's width the knob is out of sight, so the offset stops there.
  const std::int64_t percent = std::int64_t{playPosition} * 100 / trackDuration;
  const std::int64_t offset = percent * (100 * skinScale - 2) / 100;
  return static_cast<int>(std::clamp<std::int64_t>(offset, 0, 240 * skinScale));
}

TextRect VolumeKnobArea(const ScreenLayout& layout, std::int32_t volume) {
  return AreaOf(kVolumeKnob, layout.skinScale, FaceRowFor(layout, kVolumeKnobRowBase),
                VolumeKnobOffset(volume, layout.skinScale));
}

TextRect SeekKnobArea(const ScreenLayout& layout, const PlayerState& player) {
  return AreaOf(kSeekKnob, layout.skinScale, FaceRowFor(layout, kSeekKnobRowBase),
                SeekKnobOffset(player.playPosition, player.trackDuration, layout.skinScale));
}

TextRect AbIconArea(const ScreenLayout& layout) {
  return AreaOf(kAbIcon, layout.skinScale, layout.faceRows.abIconRow);
}

void DrawFaceOverlays(Canvas& canvas, const ScreenLayout& layout, const Bitmap* spriteSheet,
                      const PlayerState& player, std::int32_t volume,
                      const FacePaintState& state) {
  if (spriteSheet == nullptr) {
    return;
  }
  const int scale = layout.skinScale;
  const FaceRows& rows = layout.faceRows;
  SpriteDrawer drawer(canvas, *spriteSheet, scale);

  drawer.Draw(kVolumeKnob, FaceRowFor(layout, kVolumeKnobRowBase),
              VolumeKnobOffset(volume, scale));
  drawer.Draw(kSeekKnob, FaceRowFor(layout, kSeekKnobRowBase),
              SeekKnobOffset(player.playPosition, player.trackDuration, scale));
  if (ShowsPauseSymbol(player)) {
    drawer.Draw(kPauseSymbol, rows.pauseSymbolRow);
  }
  DrawPressedOverlay(drawer, rows, player);
  if (player.muted != 0) {
    drawer.Draw(kMuteIcon, rows.muteIconRow);
  }
  if (ShowsAbIcon(player, state)) {
    drawer.Draw(kAbIcon, rows.abIconRow);
  }
  for (const ModeIcon& icon : kModeIcons) {
    if (player.*icon.flag != 0) {
      drawer.Draw(icon.sprite, rows.*icon.row);
    }
  }
}

}  // namespace solvane
