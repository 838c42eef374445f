// Draws the player face: the lyric area above and the control deck below,
// every control where the player's tap regions and overlays expect it.
#pragma once

#include <QImage>

#include "face_look.h"

namespace skin_art {

// The whole face image (240 x 348 at scale 1, 480 x 696 at scale 2), drawn
// natively at that scale from the same vector shapes.
QImage RenderFace(int scale, const FaceLook& look);

}  // namespace skin_art
