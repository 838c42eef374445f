#include "face/compose_frame.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/face/face_records.h"

namespace solvane {
namespace {

using testing::FaceRecords;
using testing::FakeBitmap;
using testing::RecordedCopy;

class ComposeFrameTest : public ::testing::Test {
 protected:
  explicit ComposeFrameTest(int mode = kScreenMode240x320) : records(mode) {
    const int scale = records.layout.skinScale;
    bitmaps.faceImage = std::make_unique<FakeBitmap>("face", 240 * scale, 348 * scale);
    bitmaps.spriteSheet = std::make_unique<FakeBitmap>("sprites", 240 * scale, 134 * scale);
  }

  void Compose() {
    ComposeFrame(records.canvas, {records.layout, bitmaps, options, records.player,
                                  records.lyrics, records.trackInfo, records.startScreen, 80,
                                  paintState});
  }

  FaceRecords records;
  SkinBitmaps bitmaps;
  Options options;
  FacePaintState paintState;
};

TEST_F(ComposeFrameTest, ShortScreenTakesTheFaceFromRow80) {
  Compose();
  ASSERT_FALSE(records.canvas.copies.empty());
  EXPECT_EQ(records.canvas.copies[0], (RecordedCopy{"face", 0, 80, 240, 320, 0, 0}));
}

TEST_F(ComposeFrameTest, LayersComeInOrderFaceOverlaysBackgroundText) {
  options.useBackgroundImage = 1;
  bitmaps.backgroundImage = std::make_unique<FakeBitmap>("background", 100, 100);
  Compose();

  const auto& copies = records.canvas.copies;
  ASSERT_EQ(copies.size(), 4u);  // face, two knobs, background
  EXPECT_EQ(copies[0].bitmap, "face");
  EXPECT_EQ(copies[1].bitmap, "sprites");
  EXPECT_EQ(copies[2].bitmap, "sprites");
  EXPECT_EQ(copies[3], (RecordedCopy{"background", 0, 0, 100, 100, 0, 0}));
  // Every text comes after every copy.
  const std::string order(records.canvas.order.begin(), records.canvas.order.end());
  EXPECT_EQ(order.find('t'), 4u);
  EXPECT_EQ(order.rfind('c'), 3u);
}

TEST_F(ComposeFrameTest, LargeBackgroundIsCutAtTheWidthAndTheLyricAreaBottom) {
  options.useBackgroundImage = 1;
  bitmaps.backgroundImage = std::make_unique<FakeBitmap>("background", 480, 800);
  Compose();
  EXPECT_EQ(records.canvas.copies.back(), (RecordedCopy{"background", 0, 0, 240, 209, 0, 0}));
}

TEST_F(ComposeFrameTest, BackgroundIsLeftOutWhileTheOptionIsOff) {
  bitmaps.backgroundImage = std::make_unique<FakeBitmap>("background", 100, 100);
  Compose();
  for (const RecordedCopy& copy : records.canvas.copies) {
    EXPECT_NE(copy.bitmap, "background");
  }
}

TEST_F(ComposeFrameTest, MissingBitmapsLeaveTheirLayersOutButTheTextStays) {
  bitmaps.faceImage.reset();
  bitmaps.spriteSheet.reset();
  Compose();
  EXPECT_TRUE(records.canvas.copies.empty());
  EXPECT_EQ(records.canvas.texts.size(), 2u);  // the time text
}

class TallComposeFrameTest : public ComposeFrameTest {
 protected:
  TallComposeFrameTest() : ComposeFrameTest(kScreenMode480x800) {}
};

TEST_F(TallComposeFrameTest, TallScreenTakesTheFaceFromRowZero) {
  Compose();
  EXPECT_EQ(records.canvas.copies[0], (RecordedCopy{"face", 0, 0, 480, 800, 0, 0}));
}

}  // namespace
}  // namespace solvane
