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
  // Flipped on every paint while only the A mark is set; the A-B icon is drawn
  // on the paints that set it, so it blinks with the repaints.
  std::int32_t abBlinkToggle = 0;
};

// Pixels the volume knob stands right of its left end for a volume 0..100.
int VolumeKnobOffset(std::int32_t volume, int skinScale);

// Pixels the seek knob stands right of the bar's start. A position beyond the
// duration puts it past the bar's end; 0 while the duration is 0.
int SeekKnobOffset(std::int32_t playPosition, std::int32_t trackDuration, int skinScale);

// Draws the overlays in their order. `volume` is the engine's volume as
// GetVolume reads it (80 when it cannot be read). A null sprite sheet draws
// nothing.
void DrawFaceOverlays(Canvas& canvas, const ScreenLayout& layout, const Bitmap* spriteSheet,
                      const PlayerState& player, std::int32_t volume, FacePaintState& state);

}  // namespace solvane
