// Where every control of the face stands, in base units: x as on a
// 240-pixel-wide screen, y as a client row of the 240 x 320 screen. The face
// image starts 80 rows above client row 0, so client row y is image row y + 80.
// These positions follow the player's tap regions and overlay rectangles:
// every shape stays inside its overlay rectangle with a one-pixel margin so
// that the rectangle's border shows only the deck behind it.
#pragma once

#include <QPointF>
#include <QRectF>

namespace skin_art::geometry {

inline constexpr int kFaceWidth = 240;
inline constexpr int kFaceHeight = 348;
inline constexpr int kImageRowOfClientTop = 80;

// The lyric area ends and the control deck begins at this client row.
inline constexpr int kDeckTop = 209;
inline constexpr int kClientBottom = 268;
// Below this row the deck is one flat colour, so the transport overlays
// (whose sheet rectangles share pixels) see identical surroundings.
inline constexpr int kDeckFlatFrom = 236;

// Toggle chips: A-B, repeat, shuffle, playlist.
inline const QRectF kAbChip{8, 219, 20, 14};
inline const QRectF kRepeatChip{153, 219, 20, 14};
inline const QRectF kShuffleChip{180, 219, 20, 14};
inline const QRectF kPlaylistChip{206, 219, 29, 14};

// Seek bar: the groove runs evenly from x 35 to 147 so the knob matches it
// at every position between 37 and 135 (12 pixels wide).
inline const QRectF kSeekGroove{35, 224, 113, 2};
inline constexpr int kSeekKnobRow = 222;
inline constexpr int kSeekKnobWidth = 12;
inline constexpr int kSeekKnobHeight = 6;

// Volume bar: even from x 181 to 237, where the knob (9 x 12) travels.
inline const QRectF kVolumeGroove{181, 244, 57, 2};
inline constexpr int kVolumeKnobRow = 239;
inline constexpr int kVolumeKnobWidth = 9;
inline constexpr int kVolumeKnobHeight = 12;

// Mute toggle (10 x 11 at 170, 239).
inline const QRectF kMuteIcon{170, 239, 10, 11};

// Transport buttons: glyph centres on one line.
inline constexpr qreal kTransportCentreY = 250;
inline constexpr qreal kOpenCentreX = 18.5;
inline constexpr qreal kPreviousCentreX = 51;
inline constexpr qreal kPlayCentreX = 86.5;
inline constexpr qreal kStopCentreX = 122;
inline constexpr qreal kNextCentreX = 152;
inline constexpr qreal kPlayRadius = 11;
// The pressed look puts a disc behind the symbol; the discs keep clear of
// their overlay's border rows (previous from 240, stop and next from 241).
inline constexpr qreal kPressedDiscCentreY = 250.5;
inline constexpr qreal kPressedDiscRadius = 8.5;
inline constexpr qreal kOpenPressedDiscCentreY = 250;
inline constexpr qreal kOpenPressedDiscRadius = 10;

}  // namespace skin_art::geometry
