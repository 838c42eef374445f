// Composes what the player would show on a given screen from the generated
// face and sprite sheet, with sample lyrics and time text, so the artwork can
// be judged as a whole.
#pragma once

#include <QImage>

#include "face_look.h"

namespace skin_art {

struct PreviewScene {
    bool playing = true;
    int volume = 80;        // 0..100
    int seekPercent = 40;   // 0..100
    bool abOn = false;
    bool repeatOn = false;
    bool shuffleOn = false;
    bool playlistOn = false;
    bool muted = false;
    PressedButton pressed = PressedButton::None;
};

// `face` is the face image of the scale, `sheet` the sprite sheet of the scale.
QImage ComposeScreen(const QImage& face, const QImage& sheet, int scale, bool tall, const PreviewScene& scene);

}  // namespace skin_art
