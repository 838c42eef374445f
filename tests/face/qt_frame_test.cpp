#include "face/qt_frame.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <string>
#include <vector>

#include "face/face_damage.h"
#include "face/lyric_area.h"
#include "face/qt_canvas.h"
#include "face/text_rows.h"
#include "skin/qt_bitmap.h"
#include "tests/face/face_records.h"
#include "tests/face/gui_environment.h"

namespace solvane {
namespace {

using testing::FaceRecords;

// The colour of face image row `row`: every row has its own.
QRgb FaceRow(int row) { return qRgb(0, row / 256, row % 256); }

QImage RowNumberedFace(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, FaceRow(y));
    }
  }
  return image;
}

QImage Filled(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

class PaintFrameTest : public ::testing::Test {
 protected:
  explicit PaintFrameTest(int mode = kScreenMode240x320) : records(mode) {
    const int scale = records.layout.skinScale;
    bitmaps.faceImage = std::make_unique<QtBitmap>(RowNumberedFace(240 * scale, 348 * scale));
    // Sprite sheet: everything red.
    bitmaps.spriteSheet =
        std::make_unique<QtBitmap>(Filled(240 * scale, 134 * scale, qRgb(255, 0, 0)));
  }

  void Paint() {
    PaintFrame({records.layout, bitmaps, options, records.player, records.lyrics,
                records.trackInfo, records.startScreen, 0, paintState},
               frame, fonts);
  }

  FaceRecords records;
  SkinBitmaps bitmaps;
  Options options;
  FacePaintState paintState;
  QtFontCache fonts;
  QImage frame;
};

TEST_F(PaintFrameTest, FrameIsTheClientAreaWithTheFaceFromRow80) {
  Paint();
  ASSERT_EQ(frame.size(), QSize(240, 268));
  EXPECT_EQ(frame.pixel(0, 0), FaceRow(80));
  EXPECT_EQ(frame.pixel(239, 267), FaceRow(347));
}

TEST_F(PaintFrameTest, VolumeKnobIsCopiedOverTheFace) {
  Paint();  // volume 0: knob at x = 181, row 239, 9 x 12
  EXPECT_EQ(frame.pixel(181, 239), qRgb(255, 0, 0));
  EXPECT_EQ(frame.pixel(189, 250), qRgb(255, 0, 0));
  EXPECT_NE(frame.pixel(190, 239), qRgb(255, 0, 0));
  EXPECT_NE(frame.pixel(180, 239), qRgb(255, 0, 0));
}

TEST_F(PaintFrameTest, SmallBackgroundCoversOnlyItsOwnSize) {
  options.useBackgroundImage = 1;
  bitmaps.backgroundImage = std::make_unique<QtBitmap>(Filled(100, 100, qRgb(0, 255, 0)));
  Paint();
  EXPECT_EQ(frame.pixel(99, 99), qRgb(0, 255, 0));
  EXPECT_EQ(frame.pixel(100, 50), FaceRow(80 + 50));
  EXPECT_EQ(frame.pixel(50, 100), FaceRow(80 + 100));
}

TEST_F(PaintFrameTest, RepaintKeepsTheFrameAndGivesTheSamePixels) {
  Paint();
  const QImage first = frame.copy();
  const uchar* pixels = frame.constBits();
  Paint();
  EXPECT_EQ(frame.constBits(), pixels);
  EXPECT_EQ(frame, first);
}

TEST_F(PaintFrameTest, DamagedRegionIsComposedAgainAndTheRestKeepsItsPixels) {
  records.player.trackLoaded = 1;
  records.player.trackDuration = 600;
  Paint();
  const QImage whole = frame.copy();
  frame.fill(qRgb(1, 2, 3));  // stands for pixels of an earlier paint
  const QRegion damaged = QRegion(0, 240, 240, 28) + QRegion(10, 10, 30, 30);
  PaintFrame({records.layout, bitmaps, options, records.player, records.lyrics,
              records.trackInfo, records.startScreen, 0, paintState},
             frame, fonts, damaged);
  int inside = 0;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (damaged.contains(QPoint(x, y))) {
        inside += frame.pixel(x, y) == whole.pixel(x, y) ? 1 : 0;
      } else {
        ASSERT_EQ(frame.pixel(x, y), qRgb(1, 2, 3)) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(inside, 240 * 28 + 30 * 30);  // the time text and the knob included
}

TEST_F(PaintFrameTest, PageDrawnFromReadiedLinesLooksAsOneDrawnGlyphByGlyph) {
  records.player.trackLoaded = 1;
  records.player.playing = 1;
  records.player.lyricsPresent = 1;
  for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
    records.SetLine(slot, ("\xC3\x89lan line " + std::to_string(slot) + " AVATAR").c_str());
  }
  records.lyrics.lineCount = kLyricWindowSlots;
  records.lyrics.currentLine = 8;
  FaceFrame faceFrame{records.layout,  bitmaps, options, records.player, records.lyrics,
                      records.trackInfo, records.startScreen, 0, paintState};
  Paint();
  PrepareLinesAhead(faceFrame, fonts);
  const std::vector<LineAhead> ahead = LyricAreaLinesAhead(
      {records.layout, records.player, records.lyrics, records.trackInfo, records.startScreen});
  ASSERT_GT(ahead.size(), kLinesInkedAhead);  // some rows inked, the rest only shaped
  const std::size_t shapedBefore = fonts.LineCount();
  for (std::size_t i = 0; i < ahead.size(); ++i) {
    EXPECT_EQ(fonts.ShapedLine(ahead[i].text, ahead[i].style).KeepsInkIn(RgbOf(ahead[i].style)),
              i < kLinesInkedAhead)
        << "line " << i;
  }
  EXPECT_EQ(fonts.LineCount(), shapedBefore);  // every one of them was shaped already

  // The page turns to the line after the current one, which becomes current:
  // every row now shows a line readied above.
  for (int slot = 0; slot + 9 < kLyricWindowSlots; ++slot) {
    records.SetLine(slot, ("\xC3\x89lan line " + std::to_string(slot + 9) + " AVATAR").c_str());
  }
  records.lyrics.currentLine = 0;
  Paint();
  QtFontCache freshFonts;
  QImage reference;
  PaintFrame(faceFrame, reference, freshFonts);
  EXPECT_EQ(frame, reference);

  // The highlight moves on within the page: the rows below it keep their
  // ink for when it has passed them.
  records.lyrics.currentLine = 1;
  Paint();
  PrepareLinesAhead(faceFrame, fonts);
  for (std::size_t i = 2; i < kLinesInkedAhead; ++i) {
    EXPECT_TRUE(fonts.ShapedLine(ahead[i].text, ahead[i].style).KeepsInkIn(RgbOf(ahead[i].style)))
        << "line " << i;
  }
}

// The window's painter is clipped to the paint's region; each rectangle is
// copied alone and nothing outside the region is touched.
TEST(CopyRegionTest, CopiesTheRegionAndNothingElse) {
  const QImage frame = RowNumberedFace(120, 90);
  QImage window = Filled(120, 90, qRgb(9, 9, 9));
  const QRegion region = QRegion(5, 5, 30, 10) + QRegion(60, 40, 50, 45);
  {
    QPainter painter(&window);
    painter.setClipRegion(region);
    CopyRegion(painter, frame, region);
  }
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 120; ++x) {
      ASSERT_EQ(window.pixel(x, y), region.contains(QPoint(x, y)) ? FaceRow(y) : qRgb(9, 9, 9))
          << x << "," << y;
    }
  }
}

// Onto a window's pixels (here with rows below the frame, as the menu bar
// has): the damaged part of the frame is composed as on a new frame, black
// where nothing covers it; every other pixel, in the frame or below it, is
// left alone.
TEST_F(PaintFrameTest, PaintOntoComposesOnlyTheDamagedFrameFromBlack) {
  records.player.trackLoaded = 1;
  records.player.trackDuration = 600;
  const int faceWidths[] = {240, 200};  // covering the frame, and leaving a band uncovered
  for (const int faceWidth : faceWidths) {
    SCOPED_TRACE(faceWidth);
    bitmaps.faceImage = std::make_unique<QtBitmap>(RowNumberedFace(faceWidth, 348));
    frame = QImage();
    Paint();
    const QImage whole = frame.copy();
    QImage target(240, 268 + 20, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));  // stands for pixels of an earlier paint
    const QRegion damaged = QRegion(0, 240, 240, 48) + QRegion(190, 10, 40, 30);
    PaintFrameOnto({records.layout, bitmaps, options, records.player, records.lyrics,
                    records.trackInfo, records.startScreen, 0, paintState},
                   target, fonts, damaged);
    for (int y = 0; y < target.height(); ++y) {
      for (int x = 0; x < target.width(); ++x) {
        const QRgb expected =
            damaged.contains(QPoint(x, y)) && y < 268 ? whole.pixel(x, y) : qRgb(1, 2, 3);
        ASSERT_EQ(target.pixel(x, y), expected) << x << "," << y;
      }
    }
    if (faceWidth < 240) {
      EXPECT_EQ(target.pixel(220, 20), qRgb(0, 0, 0));
    }
  }
}

// Rectangles that fill most of their bounding box are composed as the box;
// scattered ones stay apart, so a clock tick or a new line composes little.
TEST(RegionOfTest, MostlyCoveredBoxIsOneRectangleAndScatteredAreasStayApart) {
  struct Case {
    const char* name;
    std::vector<TextRect> areas;
    int rects;
    QRect bounds;
  };
  const std::vector<Case> cases = {
      {"nothing", {}, 0, QRect()},
      {"one area", {{0, 660, 414, 696}}, 1, QRect(0, 660, 414, 36)},
      {"page turn: the rows and the play time",
       {{0, 8, 480, 48}, {0, 30, 480, 70}, {0, 52, 480, 572}, {0, 660, 414, 696}},
       1,
       QRect(0, 8, 480, 688)},
      {"new line: two rows and the play time",
       {{0, 96, 480, 136}, {0, 118, 480, 158}, {0, 660, 414, 696}},
       2,
       QRect(0, 96, 480, 600)},
      {"new line measured by ink: two rows of other widths, and the moved knob",
       {{40, 96, 440, 132}, {100, 134, 380, 170}, {200, 640, 224, 652}, {202, 640, 226, 652}},
       2,
       QRect(40, 96, 400, 556)},
      {"a small notch", {{0, 0, 10, 3}, {0, 3, 5, 4}, {8, 3, 10, 4}}, 1,
       QRect(0, 0, 10, 4)},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    const QRegion region = RegionOf(test.areas);
    EXPECT_EQ(region.rectCount(), test.rects);
    EXPECT_EQ(region.boundingRect(), test.bounds);
    for (const TextRect& area : test.areas) {
      EXPECT_TRUE(region.contains(
          QRect(area.left, area.top, area.right - area.left, area.bottom - area.top)));
    }
  }
}

class TallPaintFrameTest : public PaintFrameTest {
 protected:
  TallPaintFrameTest() : PaintFrameTest(kScreenMode480x800) {}
};

// A new current line measured by the rows' ink repaints those two rows and
// nothing of their neighbours, and leaves the frame as a whole paint would.
TEST_F(TallPaintFrameTest, NewCurrentLineMeasuredByInkRepaintsItsTwoRowsAsAWholePaintWould) {
  records.player.trackLoaded = 1;
  records.player.playing = 1;
  records.player.lyricsPresent = 1;
  records.player.trackDuration = 6'000;
  const char* const lines[] = {"gypsy jumping quay", "\xC3\x85NGSTR\xC3\x96M", "fjord queue",
                               "\xC3\x89lan AVATAR", "yes, quietly"};
  for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
    records.SetLine(slot, lines[slot % 5]);
  }
  records.lyrics.lineCount = kLyricWindowSlots;
  records.lyrics.currentLine = 3;
  const auto record = [this] {
    return RecordFace({records.layout, bitmaps, options, records.player, records.lyrics,
                       records.trackInfo, records.startScreen, 0, paintState});
  };
  Paint();
  const std::vector<DrawStep> before = record();
  records.lyrics.currentLine = 4;
  const QRect client(0, 0, 480, 696);
  const QRegion damaged = RegionOf(ChangedAreas(
      before, record(), [this, &client](const DrawnText& text) {
        return TextInkAreaOf(fonts, text, client);
      }));
  const QRect bounds = damaged.boundingRect();
  EXPECT_GE(bounds.top(), LyricRowRect(records.layout, 3).top - 2);
  EXPECT_LE(bounds.bottom(), LyricRowRect(records.layout, 5).top - 1);

  PaintFrame({records.layout, bitmaps, options, records.player, records.lyrics,
              records.trackInfo, records.startScreen, 0, paintState},
             frame, fonts, damaged);
  QtFontCache freshFonts;
  QImage whole;
  PaintFrame({records.layout, bitmaps, options, records.player, records.lyrics,
              records.trackInfo, records.startScreen, 0, paintState},
             whole, freshFonts);
  EXPECT_EQ(frame, whole);
}

TEST_F(TallPaintFrameTest, FrameIsTheClientAreaWithTheFaceFromRowZero) {
  Paint();
  ASSERT_EQ(frame.size(), QSize(480, 696));
  EXPECT_EQ(frame.pixel(0, 0), FaceRow(0));
  EXPECT_EQ(frame.pixel(0, 695), FaceRow(695));
}

}  // namespace
}  // namespace solvane
