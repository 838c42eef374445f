#include "face/qt_fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "face/text_styles.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

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

TEST(QtFontCacheTest, LineShapedInAPaintIsKeptWhilePaintsAskForIt) {
  QtFontCache fonts;
  const QtTextLine* line = fonts.Line(u"a lyric line", RowTextStyle(1), true);
  ASSERT_NE(line, nullptr);
  EXPECT_GT(line->Advance(), 0);
  fonts.EndPaint();
  // A paint that leaves the line's place alone asks without shaping: kept.
  EXPECT_EQ(fonts.Line(u"a lyric line", RowTextStyle(1), false), line);
  fonts.EndPaint();
  EXPECT_EQ(fonts.Line(u"a lyric line", RowTextStyle(1), true), line);
  fonts.EndPaint();
  // A paint that did not ask for it at all: the line has left the face.
  fonts.EndPaint();
  EXPECT_EQ(fonts.LineCount(), 0u);
  EXPECT_EQ(fonts.Line(u"a lyric line", RowTextStyle(1), false), nullptr);
}

TEST(QtFontCacheTest, SameTextInAnotherFontIsAnotherLineButNotInAnotherColour) {
  QtFontCache fonts;
  const QtTextLine* small = fonts.Line(u"00:00", TimeTextStyle(1), true);
  const QtTextLine* large = fonts.Line(u"00:00", TimeTextStyle(2), true);
  const QtTextLine* row = fonts.Line(u"a lyric line", RowTextStyle(1), true);
  EXPECT_EQ(fonts.Line(u"a lyric line", CurrentLineStyle(1), true), row);
  EXPECT_NE(small, large);
  EXPECT_LT(small->Advance(), large->Advance());
  EXPECT_EQ(fonts.LineCount(), 3u);
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
