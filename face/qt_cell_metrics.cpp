#include "face/qt_cell_metrics.h"

#include <QRawFont>

namespace solvane {

namespace {

// Offsets of the fields read, in bytes from the start of their table.
constexpr qsizetype kOs2WinAscent = 74;
constexpr qsizetype kOs2WinDescent = 76;
constexpr qsizetype kHheaAscender = 4;
constexpr qsizetype kHheaDescender = 6;

// A big-endian 16-bit field; the tables keep every number that way.
int Unsigned16(const QByteArray& table, qsizetype offset) {
  return (static_cast<unsigned char>(table[offset]) << 8) |
         static_cast<unsigned char>(table[offset + 1]);
}

int Signed16(const QByteArray& table, qsizetype offset) {
  const int value = Unsigned16(table, offset);
  return value >= 0x8000 ? value - 0x10000 : value;
}

std::optional<FontCell> Valid(FontCell cell) {
  if (cell.unitsPerEm <= 0 || cell.Height() <= 0) {
    return std::nullopt;
  }
  return cell;
}

}  // namespace

std::optional<FontCell> CellFromOs2(const QByteArray& os2, int unitsPerEm) {
  if (os2.size() < kOs2WinDescent + 2) {
    return std::nullopt;
  }
  return Valid({unitsPerEm, Unsigned16(os2, kOs2WinAscent), Unsigned16(os2, kOs2WinDescent)});
}

std::optional<FontCell> CellFromHhea(const QByteArray& hhea, int unitsPerEm) {
  if (hhea.size() < kHheaDescender + 2) {
    return std::nullopt;
  }
  // The descender is negative below the baseline.
  return Valid({unitsPerEm, Signed16(hhea, kHheaAscender), -Signed16(hhea, kHheaDescender)});
}

std::optional<FontCell> CellOf(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid()) {
    return std::nullopt;
  }
  const int unitsPerEm = static_cast<int>(raw.unitsPerEm());
  if (auto cell = CellFromOs2(raw.fontTable("OS/2"), unitsPerEm)) {
    return cell;
  }
  return CellFromHhea(raw.fontTable("hhea"), unitsPerEm);
}

}  // namespace solvane
