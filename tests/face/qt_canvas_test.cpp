#include "face/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QFontMetricsF>
#include <QRect>
#include <QRegion>
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

// The canvas on a painter over the whole of `frame`, for one paint.
struct FrameCanvas {
  FrameCanvas(QImage& frame, QtFontCache& fonts)
      : painter(&frame), canvas(painter, fonts, QRegion(frame.rect())) {}
  QPainter painter;
  QtCanvas canvas;
};

class QtCanvasTest : public ::testing::Test {
 protected:
  QtFontCache fonts;
};

TEST_F(QtCanvasTest, BlockCopyLandsWhereItShould) {
  const QtBitmap source(Numbered(20, 10));
  QImage frame = BlackFrame(50, 50);
  {
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
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
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
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
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
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
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
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
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
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
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
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

// Rows of `frame` from `top` up to `bottom` (excluded) that differ from
// those of `other`.
int DifferingRows(const QImage& frame, const QImage& other, int top, int bottom) {
  int differing = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (frame.pixel(x, y) != other.pixel(x, y)) {
        ++differing;
        break;
      }
    }
  }
  return differing;
}

QImage DrawnOnPattern(QtFontCache& fonts, std::u16string_view text, const TextRect& rect,
                      const TextStyle& style) {
  QImage frame = Patterned(480, 120);
  {
    FrameCanvas drawing(frame, fonts);
    QtCanvas& canvas = drawing.canvas;
    canvas.DrawText(text, rect, style, TextAlignment::kCentre);
  }
  return frame;
}

TEST_F(QtCanvasTest, AccentsOfCapitalsAreDrawnInsideTheRowAndNothingAboveIt) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE(::testing::Message() << "scale " << scale);
    const TextStyle style = RowTextStyle(scale);
    const TextRect row{0, 30, 480, 120};
    const QImage accented =
        DrawnOnPattern(fonts, u"\u00c9lan \u00c4rger \u00d6l \u00dcber \u00c5se \u00c8re", row,
                       style);
    const QImage plain = DrawnOnPattern(fonts, u"Elan Arger Ol Uber Ase Ere", row, style);
    const QImage untouched = Patterned(480, 120);
    // Nothing above the row's top.
    EXPECT_EQ(DifferingRows(accented, untouched, 0, row.top), 0);
    EXPECT_EQ(DifferingRows(plain, untouched, 0, row.top), 0);
    // Above the capitals' height the accents show.
    const QFontMetricsF metrics(fonts.FontFor(style));
    const int capTop =
        row.top + fonts.CellAscent(style) - static_cast<int>(std::ceil(metrics.capHeight()));
    EXPECT_GE(DifferingRows(accented, plain, row.top, capTop), 2);
  }
}

TEST_F(QtCanvasTest, CharactersTheFaceLacksComeFromAnotherFace) {
  // Tahoma has no stars or card suits; the system's sans face does. Drawn
  // with the missing-glyph box, every one of them would look the same.
  const TextStyle style = RowTextStyle(2);
  const TextRect row{0, 10, 480, 120};
  const QImage stars = DrawnOnPattern(fonts, u"\u2605\u2606\u2605", row, style);
  const QImage suits = DrawnOnPattern(fonts, u"\u2660\u2663\u2665", row, style);
  const QImage untouched = Patterned(480, 120);
  EXPECT_GT(DifferingRows(stars, untouched, 0, 120), 5);
  EXPECT_GT(DifferingRows(stars, suits, 0, 120), 5);
}

TEST_F(QtCanvasTest, TextKeepsAClipThePainterAlreadyHas) {
  QImage frame = BlackFrame(240, 60);
  TextStyle style = RowTextStyle(1);
  style.colour = {255, 255, 255};
  {
    FrameCanvas drawing(frame, fonts);
    drawing.painter.setClipRect(QRect(0, 0, 120, 60));
    QtCanvas& canvas = drawing.canvas;
    canvas.DrawText(std::u16string(40, u'W'), {0, 10, 240, 60}, style, TextAlignment::kCentre);
  }
  const Ink ink = InkOf(frame, kBlack);
  EXPECT_EQ(ink.left, 0);
  EXPECT_LE(ink.right, 119);
  EXPECT_GT(ink.right, 110);
}

}  // namespace
}  // namespace solvane
