#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>

#include "face/qt_canvas.h"
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

  FaceFrame Frame() {
    return {records.layout, bitmaps, options, records.player, records.lyrics,
            records.trackInfo, records.startScreen, 0, paintState};
  }

  // Composes `region` of the frame onto `frame`, which is made client-sized
  // and `background` when it has another size.
  void Paint(const QRegion& region, QRgb background = qRgb(0, 0, 0)) {
    const QSize size(records.layout.screenWidth, records.layout.clientHeight);
    if (frame.size() != size) {
      frame = Filled(size.width(), size.height(), background);
    }
    QPainter painter(&frame);
    PaintFace(painter, Frame(), fonts, region);
  }
  void Paint() { Paint(QRect(0, 0, records.layout.screenWidth, records.layout.clientHeight)); }

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

// A paint within a region composes the frame there as a whole paint does and
// leaves every other pixel alone.
TEST_F(PaintFrameTest, ARegionIsComposedAsTheWholeFrameAndTheRestKeepsItsPixels) {
  records.player.trackLoaded = 1;
  records.player.trackDuration = 600;
  Paint();
  const QImage whole = frame.copy();
  frame.fill(qRgb(1, 2, 3));  // stands for pixels of an earlier paint
  const QRegion damaged = QRegion(0, 240, 240, 28) + QRegion(10, 10, 30, 30);
  Paint(damaged);
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

class TallPaintFrameTest : public PaintFrameTest {
 protected:
  TallPaintFrameTest() : PaintFrameTest(kScreenMode480x800) {}
};

TEST_F(TallPaintFrameTest, FrameIsTheClientAreaWithTheFaceFromRowZero) {
  Paint();
  ASSERT_EQ(frame.size(), QSize(480, 696));
  EXPECT_EQ(frame.pixel(0, 0), FaceRow(0));
  EXPECT_EQ(frame.pixel(0, 695), FaceRow(695));
}

}  // namespace
}  // namespace solvane
