// Lyric lines of scripts the Tahoma face has no glyphs for still draw their
// own letters, not the missing-glyph box: the canvas falls back to the
// system's faces (a CJK face is installed with the other packages).

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <string>

#include "face/qt_canvas.h"
#include "face/qt_fonts.h"
#include "face/text_styles.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

constexpr int kWidth = 240;
constexpr int kRowHeight = 20;
constexpr QRgb kBlack = 0xFF000000;

struct ScriptCase {
  const char* script;
  std::u16string first;
  std::u16string second;
};

std::string CaseName(const ::testing::TestParamInfo<ScriptCase>& row) { return row.param.script; }

class ScriptText : public ::testing::TestWithParam<ScriptCase> {
 protected:
  // `lines` drawn one under another in rows of the lyric style at scale 1.
  QImage Drawn(std::initializer_list<std::u16string_view> lines) {
    QImage frame(kWidth, kRowHeight * static_cast<int>(lines.size()), QImage::Format_RGB32);
    frame.fill(kBlack);
    {
      QPainter painter(&frame);
      QtCanvas canvas(painter, fonts, QRegion(frame.rect()));
      int top = 0;
      for (const std::u16string_view line : lines) {
        canvas.DrawText(line, {0, top, kWidth, top + kRowHeight}, RowTextStyle(1),
                        TextAlignment::kCentre);
        top += kRowHeight;
      }
    }
    return frame;
  }

  static bool HasInk(const QImage& frame) {
    for (int y = 0; y < frame.height(); ++y) {
      for (int x = 0; x < frame.width(); ++x) {
        if (frame.pixel(x, y) != kBlack) {
          return true;
        }
      }
    }
    return false;
  }

  QtFontCache fonts;
};

TEST_P(ScriptText, LinesDrawTheirOwnGlyphsNotTheMissingGlyphBox) {
  const ScriptCase& c = GetParam();
  // The line with U+FFFF for each letter and its spaces kept: what a face
  // without the glyphs would draw for it.
  std::u16string boxes = c.first;
  for (char16_t& unit : boxes) {
    unit = unit == u' ' ? u' ' : u'\uFFFF';
  }
  const QImage first = Drawn({c.first});
  const QImage second = Drawn({c.second});
  const QImage box = Drawn({boxes});
  EXPECT_TRUE(HasInk(first));
  EXPECT_TRUE(HasInk(second));
  EXPECT_NE(first, box) << "the line drew missing-glyph boxes";
  EXPECT_NE(first, second) << "two different lines drew the same shapes";

  const QString folder = QStringLiteral(SOLVANE_SCREENSHOT_DIR);
  QDir().mkpath(folder);
  EXPECT_TRUE(Drawn({c.first, c.second}).save(folder + QStringLiteral("/lyrics_%1.png").arg(c.script)));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptText,
    ::testing::Values(ScriptCase{"chinese", u"月光照着回家的路", u"我在梦里又见到你"},
                      ScriptCase{"japanese", u"夏の終わりに君と歩いた", u"さよならは言わないまま"},
                      ScriptCase{"korean", u"바람이 부는 날에", u"사랑해 지금도 너를"},
                      ScriptCase{"greek", u"Το φεγγάρι λάμπει", u"Θα σε περιμένω πάντα"},
                      ScriptCase{"cyrillic", u"Тихая ночь уходит", u"Завтра будет ясный день"},
                      ScriptCase{"hebrew", u"הלילה השקט עובר", u"מחר יהיה יום בהיר"}),
    CaseName);

}  // namespace
}  // namespace solvane
