#include "skin/screen_layout.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

struct ModeCase {
  int width;
  int height;
  int mode;
  int scale;
  int clientHeight;
  int lyricAreaBottom;
  int lyricRows;
};

class ScreenValuesTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ScreenValuesTest, SupportedScreenGivesItsModeAndValues) {
  const ModeCase& c = GetParam();
  ASSERT_EQ(ScreenModeFor(c.width, c.height), c.mode);

  ScreenLayout layout;
  SetScreenValues(layout, c.mode);
  EXPECT_EQ(layout.screenMode, c.mode);
  EXPECT_EQ(layout.skinScale, c.scale);
  EXPECT_EQ(layout.doubleSize, c.scale == 2);
  EXPECT_EQ(layout.screenWidth, c.width);
  EXPECT_EQ(layout.screenHeight, c.height);
  EXPECT_EQ(layout.textAreaWidth, c.width);
  EXPECT_EQ(layout.listWidth, c.width);
  EXPECT_EQ(layout.clientHeight, c.clientHeight);
  EXPECT_EQ(layout.lyricAreaBottom, c.lyricAreaBottom);
  EXPECT_EQ(layout.lyricRows, c.lyricRows);
  EXPECT_EQ(layout.lineHeight, 20);
}

INSTANTIATE_TEST_SUITE_P(AllModes, ScreenValuesTest,
                         ::testing::Values(ModeCase{240, 320, 1, 1, 268, 209, 9},
                                           ModeCase{240, 400, 2, 1, 348, 289, 12},
                                           ModeCase{480, 640, 3, 2, 536, 418, 9},
                                           ModeCase{480, 800, 4, 2, 696, 578, 12}));

TEST(ScreenModeForTest, OtherSizesAreNotSupported) {
  EXPECT_EQ(ScreenModeFor(320, 240), kScreenModeUnsupported);
  EXPECT_EQ(ScreenModeFor(800, 480), kScreenModeUnsupported);
  EXPECT_EQ(ScreenModeFor(480, 320), kScreenModeUnsupported);
  EXPECT_EQ(ScreenModeFor(1920, 1080), kScreenModeUnsupported);
  EXPECT_EQ(ScreenModeFor(0, 0), kScreenModeUnsupported);
}

ScreenLayout LaidOut(int mode) {
  ScreenLayout layout;
  SetScreenValues(layout, mode);
  ComputeFaceLayout(layout);
  return layout;
}

TEST(FaceLayoutTest, RowsScaleAndShiftOnTallScreens) {
  // Base 217 in each mode.
  EXPECT_EQ(LaidOut(1).faceRows.repeatIconRow, 217);
  EXPECT_EQ(LaidOut(2).faceRows.repeatIconRow, 297);
  EXPECT_EQ(LaidOut(3).faceRows.repeatIconRow, 434);
  EXPECT_EQ(LaidOut(4).faceRows.repeatIconRow, 594);
}

TEST(FaceLayoutTest, EveryRowOnTheLargeTallScreenIsShiftedBy160) {
  const FaceRows rows = LaidOut(4).faceRows;
  EXPECT_EQ(rows.abIconRow, 596);
  EXPECT_EQ(rows.seekBandTop, 600);
  EXPECT_EQ(rows.seekBandBottom, 618);
  EXPECT_EQ(rows.muteIconRow, 638);
  EXPECT_EQ(rows.pressedNextRow, 642);
  EXPECT_EQ(rows.buttonBandBottom, 682);
}

TEST(FaceLayoutTest, ControlRowsLieBelowTheLyricAreaInEveryMode) {
  for (int mode = 1; mode <= 4; ++mode) {
    const ScreenLayout layout = LaidOut(mode);
    EXPECT_GT(layout.faceRows.repeatIconRow, layout.lyricAreaBottom) << "mode " << mode;
    EXPECT_LT(layout.faceRows.buttonBandBottom, layout.clientHeight) << "mode " << mode;
  }
}

}  // namespace
}  // namespace solvane
