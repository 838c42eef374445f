#pragma once
// A font's character cell as the face's text was laid out for: the Windows
// ascent and descent of the OS/2 table (usWinAscent + usWinDescent), which
// hold every glyph of the face, accents of capitals included. Qt's own
// ascent and descent follow the typographic metrics when a font asks for
// them (USE_TYPO_METRICS), which leave such accents outside; so the cell is
// read from the font's tables.

#include <QByteArray>
#include <QFont>
#include <optional>

namespace solvane {

// The cell in font design units.
struct FontCell {
  int unitsPerEm = 0;
  int ascent = 0;   // above the baseline
  int descent = 0;  // below the baseline, positive
  int Height() const { return ascent + descent; }
};

// The cell from an OS/2 table's usWinAscent and usWinDescent; nothing when
// the table is too short or both are zero.
std::optional<FontCell> CellFromOs2(const QByteArray& os2, int unitsPerEm);

// The cell from an hhea table's ascender and descender.
std::optional<FontCell> CellFromHhea(const QByteArray& hhea, int unitsPerEm);

// The cell of the face `font` resolves to: from its OS/2 table, else from
// its hhea table; nothing when it has neither (a bitmap or unusual font).
std::optional<FontCell> CellOf(const QFont& font);

}  // namespace solvane
