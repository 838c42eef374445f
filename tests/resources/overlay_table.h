// The overlays the player copies from the sprite sheet onto the face, in base
// units (multiplied by the skin scale): source rectangle in the sheet and
// destination x and client row on a short screen. The face image begins 80
// base rows above client row 0, so a destination row r is face-image row r + 80.
#pragma once

#include <QRect>

namespace artwork_test {

enum class Knob { None, Volume, Seek };

struct OverlayCase {
    const char* name;
    QRect source;
    QPoint destination;
    Knob knob;
};

inline const OverlayCase kOverlays[] = {
    {"volume knob", {204, 29, 9, 12}, {181, 239}, Knob::Volume},
    {"seek knob", {40, 12, 12, 6}, {37, 222}, Knob::Seek},
    {"pause symbol", {0, 58, 29, 26}, {72, 236}, Knob::None},
    {"pressed open", {4, 25, 27, 25}, {6, 237}, Knob::None},
    {"pressed previous", {39, 28, 22, 22}, {41, 240}, Knob::None},
    {"pressed pause", {27, 56, 31, 28}, {72, 236}, Knob::None},
    {"pressed play", {70, 24, 31, 28}, {72, 236}, Knob::None},
    {"pressed stop", {110, 29, 21, 21}, {112, 241}, Knob::None},
    {"pressed next", {140, 29, 22, 21}, {142, 241}, Knob::None},
    {"mute icon", {170, 29, 10, 11}, {170, 239}, Knob::None},
    {"A-B icon", {7, 8, 22, 16}, {7, 218}, Knob::None},
    {"repeat icon", {152, 7, 22, 17}, {152, 217}, Knob::None},
    {"shuffle icon", {179, 7, 22, 17}, {179, 217}, Knob::None},
    {"playlist icon", {205, 7, 31, 17}, {205, 217}, Knob::None},
};

inline constexpr int kFaceRowOfClientTop = 80;

// The furthest a knob moves right of its destination: the volume knob's
// offset is capped at 47 x s + 1, the seek knob reaches 100 x s - 2 at the
// end of the track.
inline int KnobTravel(Knob knob, int scale) {
    switch (knob) {
        case Knob::Volume: return 47 * scale + 1;
        case Knob::Seek: return 100 * scale - 2;
        case Knob::None: break;
    }
    return 0;
}

// The overlay's rectangle on the face image at the given scale and offset.
inline QRect FaceRect(const OverlayCase& overlay, int scale, int offset) {
    return {overlay.destination.x() * scale + offset, (overlay.destination.y() + kFaceRowOfClientTop) * scale,
            overlay.source.width() * scale, overlay.source.height() * scale};
}

inline QRect SheetRect(const OverlayCase& overlay, int scale) {
    return {overlay.source.x() * scale, overlay.source.y() * scale, overlay.source.width() * scale,
            overlay.source.height() * scale};
}

}  // namespace artwork_test
