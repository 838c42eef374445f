#pragma once
// The overlays copied from the sprite sheet onto the face: the two knobs, the
// pause symbol, the pressed look of a held button and the icons of the modes
// that are on. The face image shows every control idle; overlays only add.

#include <cstdint>

#include "base/player_state.h"
#include "face/canvas.h"
#include "skin/screen_layout.h"

namespace solvane {

// What survives from one paint to the next.
struct FacePaintState {
  // Flipped once per paint while only the A mark is set (AdvanceAbBlink); the
  // A-B icon is drawn while it is set, so it blinks with the repaints.
  std::int32_t abBlinkToggle = 0;
};

// Whether the play button shows the pause symbol: a track plays unpaused.
bool ShowsPauseSymbol(const PlayerState& player);

// Whether the A-B icon blinks: A is marked and B not yet.
bool AbIconBlinks(const PlayerState& player);

// Flips the blink toggle while the icon blinks; a paint calls it once before
// it composes. Other A-B stages leave the toggle alone.
void AdvanceAbBlink(const PlayerState& player, FacePaintState& state);

// Pixels the volume knob stands right of its left end for a volume 0..100.
int VolumeKnobOffset(std::int32_t volume, int skinScale);

// Pixels the seek knob stands right of the bar's start. A position beyond the
// duration puts it past the bar's end; 0 while the duration is 0.
int SeekKnobOffset(std::int32_t playPosition, std::int32_t trackDuration, int skinScale);

// Where the knobs and the A-B icon land on the face.
TextRect VolumeKnobArea(const ScreenLayout& layout, std::int32_t volume);
TextRect SeekKnobArea(const ScreenLayout& layout, const PlayerState& player);
TextRect AbIconArea(const ScreenLayout& layout);

// Draws the overlays in their order. `volume` is the engine's volume as
// GetVolume reads it (80 when it cannot be read). A null sprite sheet draws
// nothing.
void DrawFaceOverlays(Canvas& canvas, const ScreenLayout& layout, const Bitmap* spriteSheet,
                      const PlayerState& player, std::int32_t volume,
                      const FacePaintState& state);

}  // namespace solvane
