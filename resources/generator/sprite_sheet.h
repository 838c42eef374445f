// The sprite sheet: every overlay the player copies onto the face, cut from
// a rendering of the face with that one overlay switched on, so that each
// block carries exactly the deck behind it plus its active look.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "face_look.h"

namespace skin_art {

enum class Overlay {
    VolumeKnob, SeekKnob, PauseSymbol, PressedOpen, PressedPrevious, PressedPause, PressedPlay,
    PressedStop, PressedNext, MuteIcon, AbIcon, RepeatIcon, ShuffleIcon, PlaylistIcon,
};

struct OverlaySprite {
    Overlay overlay;
    const char* name;
    QRect source;     // rectangle in the sheet, base units
    QPoint target;    // destination x and client row (short screen), base units
    FaceLook look;    // the face rendered with this overlay showing
};

const std::vector<OverlaySprite>& OverlaySprites();

inline constexpr int kSheetWidth = 240;
inline constexpr int kSheetHeight = 134;
inline constexpr int kLargeSheetRows = 183;

// Builds the 240 x 134 sheet. Where two overlays share sheet pixels they
// must agree; every disagreement is described in `conflicts`.
QImage BuildSpriteSheet(QString& conflicts);

// Every pixel becomes a 2 x 2 block; the result keeps its first `rows` rows.
QImage DoublePixels(const QImage& image, int rows);

}  // namespace skin_art
