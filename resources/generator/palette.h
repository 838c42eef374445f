// The colours of the skin. The lyric area is a dark slate on which both the
// grey row text (103, 105, 118) and the pale yellow current line
// (254, 252, 180) read; the deck is a shade lighter and carries the blue of
// the time text (58, 103, 222) as its accent.
#pragma once

#include <QColor>

namespace skin_art::palette {

inline const QColor kLyricTop{34, 38, 51};
inline const QColor kLyricMiddle{27, 30, 41};
inline const QColor kLyricBottom{23, 25, 34};
inline const QColor kLyricGlow{70, 100, 170, 34};
inline const QColor kLyricEdgeShadow{12, 13, 18};

inline const QColor kDeckTop{47, 51, 66};
inline const QColor kDeckFlat{36, 39, 51};
inline const QColor kDeckEdgeLight{76, 83, 105};

inline const QColor kGroove{17, 19, 26};
inline const QColor kGrooveLip{55, 60, 77};

inline const QColor kGlyphIdle{200, 206, 220};
inline const QColor kGlyphPressed{142, 182, 255};
inline const QColor kPressedDiscTop{72, 80, 106};
inline const QColor kPressedDiscBottom{56, 62, 83};

inline const QColor kAccentLight{92, 142, 250};
inline const QColor kAccentDark{50, 94, 216};
inline const QColor kAccentPressedLight{44, 78, 176};
inline const QColor kAccentPressedDark{34, 62, 150};
inline const QColor kOnGlyph{248, 250, 255};

inline const QColor kChipOutline{66, 72, 92};
inline const QColor kChipGlyphIdle{130, 138, 160};

inline const QColor kKnobLight{238, 241, 247};
inline const QColor kKnobShade{172, 180, 198};
inline const QColor kSeekKnobLight{160, 198, 255};
inline const QColor kSeekKnobDark{84, 134, 246};

inline const QColor kMuteOn{242, 104, 100};

}  // namespace skin_art::palette
