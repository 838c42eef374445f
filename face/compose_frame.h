#pragma once
// One whole frame of the face, in four layers: the face image, the overlays
// from the sprite sheet, the optional background image, then the text.

#include <cstdint>

#include "base/options.h"
#include "base/player_state.h"
#include "face/canvas.h"
#include "face/face_overlays.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "skin/screen_layout.h"
#include "skin/skin_bitmaps.h"
#include "skin/start_screen.h"

namespace solvane {

// Everything one paint reads. The paint advances the A-B blink toggle
// (AdvanceAbBlink) before it composes; composing only reads it.
struct FaceFrame {
  const ScreenLayout& layout;
  const SkinBitmaps& bitmaps;
  const Options& options;
  const PlayerState& player;
  const LyricState& lyrics;
  const TrackInfo& trackInfo;
  const StartScreenLines& startScreen;
  std::int32_t volume;  // GetVolume: 80 when the engine cannot say
  const FacePaintState& paintState;
};

// The face image at the client origin, screen width x screen height, taken
// from source row 80 x s on the short screens and row 0 on the tall ones, so
// its lower part lines up with the bottom of the client area.
void PlaceFaceImage(Canvas& canvas, const ScreenLayout& layout, const Bitmap& faceImage);

// The background image at the client origin, unscaled, cut at the screen's
// width and at the lyric area bottom; the face's controls below stay visible.
void PlaceBackgroundImage(Canvas& canvas, const ScreenLayout& layout, const Bitmap& image);

// Draws the four layers in order; a missing bitmap leaves its layer out.
void ComposeFrame(Canvas& canvas, const FaceFrame& frame);

}  // namespace solvane
