#include "face/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <climits>
#include <cmath>
#include <string>

#include "face/text_styles.h"
#include "skin/qt_bitmap.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

constexpr QRgb kBlack = 0xFF000000;

// Each pixel's colour tells where it came from: red = x, green = y.
QImage Numbered(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb(x, y, 7));
    }
  }
  return image;
}

QImage BlackFrame(int width, int height) {
  QImage frame(width, height, QImage::Format_RGB32);
  frame.fill(kBlack);
  return frame;
}

// Columns and rows that hold anything other than `background`.
struct Ink {
  int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
};

Ink InkOf(const QImage& frame, QRgb background) {
  Ink ink;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (frame.pixel(x, y) != background) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
  }
  return ink;
}

class QtCanvasTest : public ::testing::Test {
 protected:
  QtFontCache fonts;
};

TEST_F(QtCanvasTest, BlockCopyLandsWhereItShould) {
  const QtBitmap source(Numbered(20, 10));
  QImage frame = BlackFrame(50, 50);
  {
    QtCanvas canvas(frame, fonts);
    canvas.CopyBitmap(source, 5, 2, 4, 3, 10, 20);
  }
  EXPECT_EQ(frame.pixel(10, 20), qRgb(5, 2, 7));
  EXPECT_EQ(frame.pixel(13, 22), qRgb(8, 4, 7));
  const Ink ink = InkOf(frame, kBlack);
  EXPECT_EQ(ink.left, 10);
  EXPECT_EQ(ink.right, 13);
  EXPECT_EQ(ink.top, 20);
  EXPECT_EQ(ink.bottom, 22);
}

TEST_F(QtCanvasTest, BlockReachingPastTheSourceCopiesOnlyWhatIsThere) {
  const QtBitmap source(Numbered(240, 268));
  QImage frame = BlackFrame(240, 300);
  {
    QtCanvas canvas(frame, fonts);
    canvas.CopyBitmap(source, 0, 80, 240, 320, 0, 0);  // the face from row 80
  }
  EXPECT_EQ(frame.pixel(0, 0), qRgb(0, 80, 7));
  EXPECT_EQ(frame.pixel(239, 187), qRgb(239, 267, 7));
  EXPECT_EQ(frame.pixel(0, 188), kBlack);
  EXPECT_EQ(InkOf(frame, kBlack).bottom, 187);
}

TEST_F(QtCanvasTest, TextIsDrawnInItsColourOnATransparentBackground) {
  QImage frame = BlackFrame(240, 60);
  TextStyle style = RowTextStyle(1);
  style.colour = {255, 255, 255};
  {
    QtCanvas canvas(frame, fonts);
    canvas.DrawText(u"HIH", {0, 10, 240, 60}, style, TextAlignment::kCentre);
  }
  int white = 0;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      white += frame.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
  }
  EXPECT_GT(white, 20);  // the stems of H and I are solid
  const Ink ink = InkOf(frame, kBlack);
  EXPECT_GE(ink.top, 10);
  EXPECT_LT(ink.bottom, 10 + 20);
  // Centred: as much room on the left as on the right, give or take a pixel.
  EXPECT_NEAR(ink.left, 239 - ink.right, 2);
}

TEST_F(QtCanvasTest, WideTextIsCutAtBothEdgesNotWrapped) {
  QImage frame = BlackFrame(300, 120);
  TextStyle style = RowTextStyle(1);
  style.colour = {255, 255, 255};
  {
    QtCanvas canvas(frame, fonts);
    canvas.DrawText(std::u16string(60, u'W'), {100, 0, 200, 120}, style, TextAlignment::kCentre);
  }
  const Ink ink = InkOf(frame, kBlack);
  EXPECT_EQ(ink.left, 100);  // reaches both edges and stops there
  EXPECT_EQ(ink.right, 199);
  EXPECT_LT(ink.bottom, 20);  // one line only
}

TEST_F(QtCanvasTest, RightAlignedTextEndsAtTheRectangleEdge) {
  QImage frame = BlackFrame(240, 40);
  TextStyle style = TimeTextStyle(1);
  style.colour = {255, 255, 255};
  {
    QtCanvas canvas(frame, fonts);
    canvas.DrawText(u"10:23/", {0, 0, 207, 40}, style, TextAlignment::kRight);
  }
  const Ink ink = InkOf(frame, kBlack);
  EXPECT_LE(ink.right, 206);
  EXPECT_GE(ink.right, 200);
  EXPECT_GT(ink.left, 150);
}

TEST_F(QtCanvasTest, LineBreaksInATextDoNotStartASecondLine) {
  QImage frame = BlackFrame(240, 80);
  TextStyle style = RowTextStyle(1);
  style.colour = {255, 255, 255};
  {
    QtCanvas canvas(frame, fonts);
    canvas.DrawText(u"AB\nCD\r\nEF", {0, 0, 240, 80}, style, TextAlignment::kCentre);
  }
  EXPECT_LT(InkOf(frame, kBlack).bottom, 20);
}

// Every pixel differs from its neighbours in every channel, so that text
// composited even slightly differently shows.
QImage Patterned(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, format);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(
          x, y,
          qRgb((x * 37 + y * 11) & 0xff, (x * 13 + y * 71) & 0xff, (x * 101 + y * 29) & 0xff));
    }
  }
  return image;
}

// The text as the face has always drawn it: laid out as one line with
// QTextLayout, drawn by QPainter into a transparent image of its own with
// room left, right and below, and composited onto the frame, cut at the
// rectangle.
void DrawAsAnImageOfItsOwn(QImage& frame, const QFont& font, std::u16string_view text,
                           const TextRect& rect, const TextStyle& style, TextAlignment alignment) {
  QString line = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  QTextLayout layout(line, font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine textLine = layout.createLine();
  layout.endLayout();
  const int advance = static_cast<int>(std::lround(textLine.naturalTextWidth()));
  const int margin = std::max(2, font.pixelSize() / 4);
  QImage image(static_cast<int>(std::ceil(textLine.naturalTextWidth())) + 2 * margin,
               static_cast<int>(std::ceil(textLine.height())) + margin,
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setPen(QColor(style.colour.red, style.colour.green, style.colour.blue));
    layout.draw(&painter, QPointF(margin, 0.0));
  }
  const int textLeft = alignment == TextAlignment::kRight
                           ? rect.right - advance
                           : rect.left + (rect.right - rect.left - advance) / 2;
  const QRect placed(textLeft - margin, rect.top, image.width(), image.height());
  const QRect visible = placed.intersected(
      QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
  QPainter painter(&frame);
  painter.drawImage(visible.topLeft(), image, visible.translated(-placed.topLeft()));
}

struct TextCase {
  std::u16string text;
  TextRect rect;
  TextAlignment alignment;
};

// Kerned pairs and accents whose glyphs overlap, joined and right-to-left
// scripts, combining marks, a line break, text cut at both edges or running
// past the frame, and the time texts.
const TextCase kTextCases[] = {
    {u"Lyric line 12 of the song, sung slowly", {0, 10, 480, 400}, TextAlignment::kCentre},
    {u"AVAVA To Ta Te Wa We Yo LT fj ffi j_j_j", {0, 60, 480, 400}, TextAlignment::kCentre},
    {u"\u00c6r\u00f8sk\u00f8bing \u00dcn\u00efc\u00f6d\u00e9 \u00c0\u00c9\u00ce\u00d5",
     {0, 110, 480, 400},
     TextAlignment::kCentre},
    {u"\u0645\u0631\u062d\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645 abc "
     u"\u05e9\u05dc\u05d5\u05dd",
     {0, 160, 480, 400},
     TextAlignment::kCentre},
    {u"e\u0301\u0302\u0303 a\u0308\u0323 \u041f\u0440\u0438\u0432\u0435\u0442 "
     u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac",
     {0, 210, 480, 400},
     TextAlignment::kCentre},
    {u"WAVE\nYAWN\r\nwide enough to be cut at both edges of its rectangle",
     {60, 260, 300, 290},
     TextAlignment::kCentre},
    {u"10:23/", {0, 300, 207 * 2, 400}, TextAlignment::kRight},
    {u"04:33", {0, 300, 480, 400}, TextAlignment::kRight},
    {u"runs past the bottom of the frame", {0, 385, 480, 600}, TextAlignment::kCentre},
};

int DifferingPixels(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return differing;
}

class QtCanvasTextPixelsTest : public ::testing::TestWithParam<TextStyle> {};

TEST_P(QtCanvasTextPixelsTest, TextGivesThePixelsOfTheLineCompositedFromAnImageOfItsOwn) {
  const TextStyle style = GetParam();
  QtFontCache fonts;
  QImage expected = Patterned(480, 400);
  for (const TextCase& text : kTextCases) {
    DrawAsAnImageOfItsOwn(expected, fonts.FontFor(style), text.text, text.rect, style,
                          text.alignment);
  }
  // The first paint shapes every line, the second draws them as kept.
  for (int paint = 1; paint <= 2; ++paint) {
    QImage frame = Patterned(480, 400);
    {
      QtCanvas canvas(frame, fonts);
      for (const TextCase& text : kTextCases) {
        canvas.DrawText(text.text, text.rect, style, text.alignment);
      }
    }
    ASSERT_EQ(DifferingPixels(frame, expected), 0) << "paint " << paint;
  }
}

TEST_P(QtCanvasTextPixelsTest, LyricLinesAreBlendedFromGlyphMasks) {
  QtFontCache fonts;
  for (const TextCase& text : kTextCases) {
    EXPECT_TRUE(fonts.ShapedLine(text.text, GetParam()).IsBlended());
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, QtCanvasTextPixelsTest,
                         ::testing::Values(RowTextStyle(1), RowTextStyle(2), CurrentLineStyle(2),
                                           TimeTextStyle(1), TimeTextStyle(2),
                                           TextStyle{"Tahoma", 17, 700, {250, 20, 90}}),
                         [](const ::testing::TestParamInfo<TextStyle>& param) {
                           const TextStyle& style = param.param;
                           return "Cell" + std::to_string(style.cellHeight) + "Weight" +
                                  std::to_string(style.weight) + "Red" +
                                  std::to_string(style.colour.red);
                         });

TEST_F(QtCanvasTest, FrameMasksDoNotBlendIntoStillGetsTheSameText) {
  const TextStyle style = RowTextStyle(2);
  QImage expected = Patterned(480, 400, QImage::Format_ARGB32);
  QImage frame = expected;
  for (const TextCase& text : kTextCases) {
    DrawAsAnImageOfItsOwn(expected, fonts.FontFor(style), text.text, text.rect, style,
                          text.alignment);
  }
  {
    QtCanvas canvas(frame, fonts);
    for (const TextCase& text : kTextCases) {
      canvas.DrawText(text.text, text.rect, style, text.alignment);
    }
  }
  EXPECT_EQ(DifferingPixels(frame, expected), 0);
}

}  // namespace
}  // namespace solvane
