#include "face/qt_cell_metrics.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRawFont>

#include "face/qt_fonts.h"
#include "face/text_styles.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

// A table of `size` zero bytes with big-endian 16-bit values at offsets.
QByteArray Table(qsizetype size, std::initializer_list<std::pair<qsizetype, int>> fields) {
  QByteArray table(size, '\0');
  for (const auto& [offset, value] : fields) {
    table[offset] = static_cast<char>((value >> 8) & 0xff);
    table[offset + 1] = static_cast<char>(value & 0xff);
  }
  return table;
}

TEST(CellFromTablesTest, ReadsTheWindowsCellOrTheHorizontalHeader) {
  const std::optional<FontCell> os2 = CellFromOs2(Table(96, {{74, 2049}, {76, 423}}), 2048);
  ASSERT_TRUE(os2.has_value());
  EXPECT_EQ(os2->ascent, 2049);
  EXPECT_EQ(os2->descent, 423);
  EXPECT_EQ(os2->unitsPerEm, 2048);
  // The descender is stored negative.
  const std::optional<FontCell> hhea = CellFromHhea(Table(36, {{4, 1900}, {6, 0x10000 - 500}}), 2000);
  ASSERT_TRUE(hhea.has_value());
  EXPECT_EQ(hhea->ascent, 1900);
  EXPECT_EQ(hhea->descent, 500);
}

TEST(CellFromTablesTest, ShortEmptyOrDegenerateTablesGiveNothing) {
  EXPECT_FALSE(CellFromOs2(QByteArray(), 2048));
  EXPECT_FALSE(CellFromOs2(Table(77, {{74, 2049}}), 2048));  // cut inside usWinDescent
  EXPECT_FALSE(CellFromOs2(Table(96, {}), 2048));            // both zero
  EXPECT_FALSE(CellFromOs2(Table(96, {{74, 2049}, {76, 423}}), 0));
  EXPECT_FALSE(CellFromHhea(Table(7, {}), 1000));
}

// Reads usWinAscent and usWinDescent straight from the face's OS/2 table.
struct WinMetrics {
  double unitsPerEm;
  int ascent;
  int descent;
};

WinMetrics ReadWinMetrics(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  const auto field = [&os2](int offset) {
    return (static_cast<unsigned char>(os2[offset]) << 8) | static_cast<unsigned char>(os2[offset + 1]);
  };
  return {raw.unitsPerEm(), field(74), field(76)};
}

TEST(TahomaCellTest, RowAndTimeTextCellsAreTheWindowsCellOfTheFace) {
  ASSERT_TRUE(testing::GuiEnvironment::tahomaRegistered);
  QtFontCache fonts;
  for (const int scale : {1, 2}) {
    for (const TextStyle& style : {RowTextStyle(scale), TimeTextStyle(scale)}) {
      SCOPED_TRACE(::testing::Message() << "cell " << style.cellHeight);
      const QFont& font = fonts.FontFor(style);
      const WinMetrics win = ReadWinMetrics(font);
      ASSERT_GT(win.ascent + win.descent, 0);
      const double pixelsPerUnit = font.pixelSize() / win.unitsPerEm;
      // Whole pixel sizes come within half a pixel size's cell of the height.
      EXPECT_NEAR(pixelsPerUnit * (win.ascent + win.descent), style.cellHeight,
                  0.5 * (win.ascent + win.descent) / win.unitsPerEm);
      EXPECT_NEAR(fonts.CellAscent(style), pixelsPerUnit * win.ascent, 0.5);
      // Qt's own ascent and descent for this face are the smaller typographic
      // ones, which would make the text too big if the font were sized by them.
      const QFontMetricsF typo(font);
      EXPECT_LT(typo.ascent() + typo.descent(), style.cellHeight - 1.0);
    }
  }
}

}  // namespace
}  // namespace solvane
