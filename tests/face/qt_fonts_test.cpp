#include "face/qt_fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "face/text_styles.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

TEST(QtFontCacheTest, StyleHeightIsTheCharacterCellHeight) {
  QtFontCache fonts;
  for (const int cell : {14, 20, 28, 40}) {
    const QFontMetricsF metrics(fonts.FontFor({"Tahoma", cell, 500, {}}));
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, 1.0) << "cell " << cell;
  }
}

TEST(QtFontCacheTest, FontsAreMadeOncePerStyleAndStayPut) {
  QtFontCache fonts;
  const QFont* row = &fonts.FontFor(RowTextStyle(2));
  for (int size = 10; size < 40; ++size) {
    fonts.FontFor({"Tahoma", size, 400, {}});
  }
  // The current line differs from the row text only in colour: same font.
  EXPECT_EQ(&fonts.FontFor(CurrentLineStyle(2)), row);
  EXPECT_EQ(row->weight(), QFont::Medium);
  EXPECT_EQ(fonts.FontFor(TimeTextStyle(2)).weight(), QFont::Normal);
}

TEST(QtFontCacheTest, LineDrawnInAPaintIsKeptForTheNext) {
  QtFontCache fonts;
  const QStaticText* first = &fonts.LaidOut(u"a lyric line", RowTextStyle(1));
  fonts.EndPaint();
  EXPECT_EQ(&fonts.LaidOut(u"a lyric line", RowTextStyle(1)), first);
  EXPECT_EQ(first->text(), QStringLiteral("a lyric line"));
}

TEST(QtFontCacheTest, LinesAPaintDidNotDrawAreDropped) {
  QtFontCache fonts;
  fonts.LaidOut(u"kept", RowTextStyle(1));
  fonts.LaidOut(u"dropped", RowTextStyle(1));
  fonts.EndPaint();
  fonts.LaidOut(u"kept", RowTextStyle(1));
  fonts.EndPaint();
  EXPECT_EQ(fonts.LaidOutCount(), 1u);
  fonts.EndPaint();
  EXPECT_EQ(fonts.LaidOutCount(), 0u);
}

TEST(QtFontCacheTest, SameTextInTwoFontsIsLaidOutTwice) {
  QtFontCache fonts;
  const QStaticText& small = fonts.LaidOut(u"00:00", TimeTextStyle(1));
  const QStaticText& large = fonts.LaidOut(u"00:00", TimeTextStyle(2));
  EXPECT_EQ(fonts.LaidOutCount(), 2u);
  EXPECT_LT(small.size().width(), large.size().width());
}

TEST(TahomaFontTest, RegisteredFaceIsTheOneUsed) {
  ASSERT_TRUE(testing::GuiEnvironment::tahomaRegistered);
  QtFontCache fonts;
  EXPECT_EQ(QFontInfo(fonts.FontFor(RowTextStyle(1))).family(), QStringLiteral("Tahoma"));
}

TEST(TahomaFontTest, MissingFolderRegistersNothing) {
  EXPECT_FALSE(RegisterTahomaFont(QStringLiteral("/nonexistent/fonts")));
}

}  // namespace
}  // namespace solvane
