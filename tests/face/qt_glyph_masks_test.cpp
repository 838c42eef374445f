#include "face/qt_glyph_masks.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>

#include "face/qt_fonts.h"
#include "face/qt_glyph_blend.h"
#include "face/text_styles.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

class QtGlyphMasksTest : public ::testing::Test {
 protected:
  quint32 GlyphOf(char16_t character) const {
    return font.glyphIndexesForString(QString(QChar(character))).value(0);
  }

  QtFontCache fonts;
  QRawFont font = QRawFont::fromFont(fonts.FontFor(RowTextStyle(2)));
  QtGlyphMasks masks;
};

// The mask blended in a colour gives what QPainter draws for the glyph at
// that fraction of a pixel.
TEST_F(QtGlyphMasksTest, MaskBlendsToWhatThePainterDraws) {
  for (const int fraction : {0, 16, 37, 63}) {
    const quint32 glyph = GlyphOf(u'g');
    const GlyphMask* mask = masks.Find(font, glyph, fraction, 0);
    ASSERT_NE(mask, nullptr) << fraction;
    ASSERT_GT(mask->width, 0);

    QImage drawn(60, 60, QImage::Format_RGB32);
    drawn.fill(qRgb(30, 200, 90));
    QImage blended = drawn.copy();
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(0.0, 0.0)});
    {
      QPainter painter(&drawn);
      painter.setPen(QColor(250, 20, 120));
      painter.drawGlyphRun(QPointF(20.0 + fraction / 64.0, 40.0), run);
    }
    BlendCoverage(
        reinterpret_cast<std::uint32_t*>(blended.bits()) + (40 + mask->top) * 60 + 20 + mask->left,
        60, {mask->coverage.data(), mask->stride, mask->width, mask->height}, qRgb(250, 20, 120));
    EXPECT_EQ(blended, drawn) << "fraction " << fraction;
  }
}

TEST_F(QtGlyphMasksTest, EachGlyphAndFractionIsTakenOnceUntilCleared) {
  const GlyphMask* first = masks.Find(font, GlyphOf(u'A'), 8, 0);
  const std::size_t bytes = masks.ByteCount();
  EXPECT_EQ(masks.Find(font, GlyphOf(u'A'), 8, 0), first);
  EXPECT_EQ(masks.ByteCount(), bytes);
  EXPECT_NE(masks.Find(font, GlyphOf(u'A'), 40, 0), first);
  EXPECT_GT(masks.ByteCount(), bytes);
  masks.Clear();
  EXPECT_EQ(masks.ByteCount(), 0u);
}

TEST_F(QtGlyphMasksTest, SpaceCoversNothingAndFractionsOutsideAPixelHaveNoMask) {
  const GlyphMask* space = masks.Find(font, GlyphOf(u' '), 0, 0);
  ASSERT_NE(space, nullptr);
  EXPECT_EQ(space->width, 0);
  EXPECT_EQ(masks.Find(font, GlyphOf(u'A'), 64, 0), nullptr);
  EXPECT_EQ(masks.Find(font, GlyphOf(u'A'), 0, -1), nullptr);
}

}  // namespace
}  // namespace solvane
