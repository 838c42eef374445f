#include "face/qt_fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <string_view>
#include <vector>

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

TEST(QtFontCacheTest, LineShapedInAPaintIsKeptForTheNext) {
  QtFontCache fonts;
  const QtTextLine* first = &fonts.ShapedLine(u"a lyric line", RowTextStyle(1));
  fonts.EndPaint();
  EXPECT_EQ(&fonts.ShapedLine(u"a lyric line", RowTextStyle(1)), first);
  EXPECT_GT(first->Advance(), 0);
}

TEST(QtFontCacheTest, LinesTheLastPaintsDidNotDrawAreDropped) {
  QtFontCache fonts;
  fonts.ShapedLine(u"kept", RowTextStyle(1));
  const QtTextLine* dropped = &fonts.ShapedLine(u"dropped", RowTextStyle(1));
  fonts.EndPaint();
  // Paints that draw only part of the face leave the line alone for a while.
  for (unsigned paint = 1; paint < kLinePaintsKept; ++paint) {
    fonts.ShapedLine(u"kept", RowTextStyle(1));
    fonts.EndPaint();
  }
  EXPECT_EQ(fonts.LineCount(), 2u);
  EXPECT_EQ(&fonts.ShapedLine(u"dropped", RowTextStyle(1)), dropped);  // drawn again: kept on
  for (unsigned paint = 0; paint <= kLinePaintsKept; ++paint) {
    fonts.ShapedLine(u"kept", RowTextStyle(1));
    fonts.EndPaint();
  }
  EXPECT_EQ(fonts.LineCount(), 1u);
  for (unsigned paint = 0; paint < kLinePaintsKept; ++paint) {
    fonts.EndPaint();
  }
  EXPECT_EQ(fonts.LineCount(), 0u);
}

TEST(QtFontCacheTest, SameTextInAnotherFontIsAnotherLineButNotInAnotherColour) {
  QtFontCache fonts;
  const QtTextLine& small = fonts.ShapedLine(u"00:00", TimeTextStyle(1));
  const QtTextLine& large = fonts.ShapedLine(u"00:00", TimeTextStyle(2));
  const QtTextLine& row = fonts.ShapedLine(u"a lyric line", RowTextStyle(1));
  EXPECT_EQ(&fonts.ShapedLine(u"a lyric line", CurrentLineStyle(1)), &row);
  EXPECT_EQ(fonts.LineCount(), 3u);
  EXPECT_LT(small.Advance(), large.Advance());
}

TEST(QtFontCacheTest, InkIsKeptOnlyForTheLinesReadiedLast) {
  QtFontCache fonts;
  const TextStyle row = RowTextStyle(1);
  const TextStyle current = CurrentLineStyle(1);
  const auto keeps = [&fonts](std::u16string_view text, const TextStyle& style) {
    return fonts.ShapedLine(text, style).KeepsInkIn(RgbOf(style));
  };
  const std::vector<LineAhead> first = {{u"one", current}, {u"one", row}, {u"two", row}};
  fonts.ReadyInkFor(first);
  EXPECT_TRUE(keeps(u"one", current));
  EXPECT_TRUE(keeps(u"one", row));  // a chorus line may be wanted in both colours
  EXPECT_TRUE(keeps(u"two", row));
  const qsizetype bytes = fonts.InkBytes();
  EXPECT_GT(bytes, 0);

  const std::vector<LineAhead> second = {{u"two", current}, {u"three", row}};
  fonts.ReadyInkFor(second);
  EXPECT_FALSE(keeps(u"one", current));
  EXPECT_FALSE(keeps(u"one", row));
  EXPECT_FALSE(keeps(u"two", row));
  EXPECT_TRUE(keeps(u"two", current));
  EXPECT_TRUE(keeps(u"three", row));

  fonts.ReadyInkFor({});
  EXPECT_EQ(fonts.InkBytes(), 0);
  EXPECT_EQ(fonts.LineCount(), 3u);  // the shaping stays for the paints that follow
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
