// What the face shows at one moment: which controls are pressed, which
// modes are switched on and where the knobs stand. The idle face is the
// default-constructed look; each overlay of the sprite sheet is the idle
// face with exactly one of these switched on.
#pragma once

#include <optional>

namespace skin_art {

enum class PressedButton { None, Open, Previous, PlayPause, Stop, Next };

struct FaceLook {
    bool pauseSymbol = false;  // the play button shows the pause bars
    PressedButton pressed = PressedButton::None;
    bool muted = false;
    bool abOn = false;
    bool repeatOn = false;
    bool shuffleOn = false;
    bool playlistOn = false;
    std::optional<int> volumeKnobLeft;  // base x of the knob's left edge
    std::optional<int> seekKnobLeft;
};

}  // namespace skin_art
