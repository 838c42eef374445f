#include "face/qt_text_line.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "face/qt_fonts.h"
#include "face/text_styles.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

constexpr QRgb kRowGrey = qRgb(103, 105, 118);
constexpr QRgb kCurrentYellow = qRgb(254, 252, 180);

// A background every pixel of which differs from its neighbours, so any
// blending fault shows.
QImage Patterned(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    }
  }
  return image;
}

// The largest difference of any colour channel between the two images.
int LargestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return largest;
}

const QPoint kBaseline(30, 40);

// The reference: Qt drawing the same string straight onto the background.
QImage PlainQtDrawing(const std::u16string& text, const QFont& font, QRgb colour,
                      const QRect& clip) {
  QImage frame = Patterned(480, 80);
  QPainter painter(&frame);
  painter.setClipRect(clip);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(colour));
  painter.drawText(kBaseline,
                   QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  return frame;
}

QImage LineDrawing(const QtTextLine& line, QRgb colour, const QRect& clip) {
  QImage frame = Patterned(480, 80);
  QPainter painter(&frame);
  line.Draw(painter, kBaseline, clip, colour);
  return frame;
}

class QtTextLineTest : public ::testing::Test {
 protected:
  QtFontCache fonts;
  const QFont& rowFont = fonts.FontFor(RowTextStyle(2));
};

TEST_F(QtTextLineTest, KeptLineLooksAsQtDrawsTheTextStraightOntoTheFrame) {
  const std::u16string texts[] = {
      u"AVATAR To Wa Yo, fjord \"quoted\" WAVE",    // kerned pairs, overhangs
      u"\u00c9lan \u00c4rger na\u00efve caf\u00e9 \u00c5se",  // accents above the capitals
      u"\u6708\u4eae\u4ee3\u8868\u6211\u7684\u5fc3 \u3042\u3044",  // faces merged in
      u"\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd",        // right to left
  };
  const QRect clips[] = {QRect(0, 0, 480, 80), QRect(60, 25, 100, 30)};
  for (const std::u16string& text : texts) {
    for (const QRgb colour : {kRowGrey, kCurrentYellow}) {
      for (const QRect& clip : clips) {
        SCOPED_TRACE(::testing::Message()
                     << QString::fromStdU16String(text).toStdString() << " colour " << std::hex
                     << colour << std::dec << " clip x " << clip.x());
        const QtTextLine line = ShapeTextLine(text, rowFont);
        const QImage reference = PlainQtDrawing(text, rowFont, colour, clip);
        EXPECT_EQ(LargestDifference(LineDrawing(line, colour, clip), reference), 0);
      }
    }
  }
}

// Right-aligned text is placed by its advance; rounded down, the play time
// "00:36" reached 0.4 px past the window's right edge.
TEST(QtTextLineAdvanceTest, AdvanceIsTheTextsWidthRoundedUp) {
  QtFontCache fonts;
  for (const int scale : {1, 2}) {
    for (const TextStyle& style : {TimeTextStyle(scale), RowTextStyle(scale)}) {
      for (const std::u16string text : {u"00:36", u"10:23/", u"59:59", u"Lyric line 5"}) {
        const QString string = QString::fromStdU16String(text);
        SCOPED_TRACE(string.toStdString() + " scale " + std::to_string(scale));
        const double width = QFontMetricsF(fonts.FontFor(style)).horizontalAdvance(string);
        const int advance = ShapeTextLine(text, fonts.FontFor(style)).Advance();
        EXPECT_GE(advance, width);
        // Qt's metrics may measure a pixel less than its layout ("59:59").
        EXPECT_LT(advance, width + 2.0);
      }
    }
  }
}

}  // namespace
}  // namespace solvane
