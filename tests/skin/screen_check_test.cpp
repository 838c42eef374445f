#include "skin/screen_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_bitmap.h"
#include "tests/fakes/fake_skin_images.h"
#include "tests/fakes/recording_shell.h"

namespace solvane {
namespace {

using testing::FakeBitmap;
using testing::FakeSkinImages;
using testing::RecordingShell;

constexpr char16_t kWarning[] =
    u"Solvane Warning|This version does not support this resolution. Visit  "
    u"www.morwick.example  for other version. Do you continue anyway?";
constexpr char16_t kError[] =
    u"Solvane Error|Error. Important file is missing or not enough memory.\nContact with "
    u"Morwick";

class ScreenCheckTest : public ::testing::Test {
 protected:
  bool Check() { return ScreenCheck(layout, bitmaps, options, shell, images); }

  std::string FaceName() const {
    return static_cast<const FakeBitmap&>(*bitmaps.faceImage).Name();
  }
  std::string SpritesName() const {
    return static_cast<const FakeBitmap&>(*bitmaps.spriteSheet).Name();
  }

  ScreenLayout layout;
  SkinBitmaps bitmaps;
  Options options;
  RecordingShell shell;
  FakeSkinImages images;
};

struct SupportedCase {
  int width;
  int height;
  int mode;
  int scale;
  int lyricRows;
  const char* face;
  const char* sprites;
};

class SupportedScreenTest : public ScreenCheckTest,
                            public ::testing::WithParamInterface<SupportedCase> {};

TEST_P(SupportedScreenTest, LoadsTheSkinOfItsScaleWithoutAsking) {
  const SupportedCase& c = GetParam();
  shell.screen = {c.width, c.height};
  images.files[u"/opt/solvane/wvrc.sv"] = {480, 696};

  ASSERT_TRUE(Check());
  EXPECT_TRUE(shell.questions.empty());
  EXPECT_TRUE(shell.errors.empty());
  EXPECT_EQ(layout.screenMode, c.mode);
  EXPECT_EQ(layout.skinScale, c.scale);
  EXPECT_EQ(layout.doubleSize, c.scale == 2);
  EXPECT_EQ(layout.screenWidth, c.width);
  EXPECT_EQ(layout.screenHeight, c.height);
  EXPECT_EQ(layout.lyricRows, c.lyricRows);
  ASSERT_NE(bitmaps.faceImage, nullptr);
  ASSERT_NE(bitmaps.spriteSheet, nullptr);
  EXPECT_EQ(FaceName(), c.face);
  EXPECT_EQ(SpritesName(), c.sprites);
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, SupportedScreenTest,
    ::testing::Values(SupportedCase{240, 320, 1, 1, 9, "face151", "sprites120"},
                      SupportedCase{240, 400, 2, 1, 12, "face151", "sprites120"},
                      SupportedCase{480, 640, 3, 2, 9, "/opt/solvane/wvrc.sv", "sprites162"},
                      SupportedCase{480, 800, 4, 2, 12, "/opt/solvane/wvrc.sv", "sprites162"}));

TEST_F(ScreenCheckTest, UnsupportedScreenOnFirstStartAsksAndYesLaysOut240x320) {
  shell.screen = {320, 240};
  shell.yesNoAnswer = true;

  ASSERT_TRUE(Check());
  ASSERT_EQ(shell.questions, std::vector<std::u16string>{kWarning});
  EXPECT_EQ(layout.screenMode, kScreenMode240x320);
  EXPECT_EQ(layout.skinScale, 1);
  EXPECT_EQ(layout.screenWidth, 240);
  EXPECT_EQ(layout.screenHeight, 320);
  EXPECT_EQ(layout.clientHeight, 268);
  EXPECT_EQ(FaceName(), "face151");
  EXPECT_EQ(SpritesName(), "sprites120");
}

TEST_F(ScreenCheckTest, NoToTheWarningAbandonsWithoutLoadingAnything) {
  shell.screen = {320, 240};
  shell.yesNoAnswer = false;

  EXPECT_FALSE(Check());
  EXPECT_EQ(shell.questions.size(), 1u);
  EXPECT_TRUE(images.builtInRequests.empty());
  EXPECT_EQ(bitmaps.faceImage, nullptr);
  EXPECT_EQ(layout.screenMode, kScreenModeUnsupported);
}

TEST_F(ScreenCheckTest, UnsupportedScreenAfterTheFirstStartAsksNothing) {
  shell.screen = {320, 240};
  shell.yesNoAnswer = false;  // would abandon if asked
  options.firstStartDone = 1;

  ASSERT_TRUE(Check());
  EXPECT_TRUE(shell.questions.empty());
  EXPECT_EQ(layout.screenMode, kScreenMode240x320);
}

TEST_F(ScreenCheckTest, LargeScreenWithoutTheSkinFileShowsTheErrorAndAbandons) {
  for (const int firstStartDone : {0, 1}) {
    RecordingShell fresh;
    fresh.screen = {480, 640};
    options.firstStartDone = firstStartDone;

    EXPECT_FALSE(ScreenCheck(layout, bitmaps, options, fresh, images));
    EXPECT_EQ(fresh.errors, std::vector<std::u16string>{kError});
    EXPECT_TRUE(fresh.questions.empty());
    EXPECT_EQ(bitmaps.faceImage, nullptr);
    EXPECT_EQ(layout.screenMode, kScreenModeUnsupported);
  }
}

TEST_F(ScreenCheckTest, SkinFileIsLookedForInTheProgramFolder) {
  shell.screen = {480, 800};
  shell.programFolder = u"/home/user/solvane/";
  images.files[u"/home/user/solvane/wvrc.sv"] = {480, 696};

  ASSERT_TRUE(Check());
  EXPECT_EQ(images.fileRequests, std::vector<std::u16string>{u"/home/user/solvane/wvrc.sv"});
}

TEST_F(ScreenCheckTest, SkinFilePathTooLongForAPathFieldIsRefusedNotCut) {
  shell.screen = {480, 800};
  shell.programFolder = u"/" + std::u16string(251, u'a') + u"/";  // 253 + 7 > 259
  images.files[shell.programFolder + u"wvrc.sv"] = {480, 696};

  EXPECT_FALSE(Check());
  EXPECT_TRUE(images.fileRequests.empty());
  EXPECT_EQ(shell.errors.size(), 1u);
}

TEST_F(ScreenCheckTest, MissingDoubleSpriteSheetIsNotChecked) {
  shell.screen = {480, 800};
  images.files[u"/opt/solvane/wvrc.sv"] = {480, 696};
  images.missingBuiltIns.insert(BuiltInBitmap::kDoubleSpriteSheet);

  EXPECT_TRUE(Check());
  EXPECT_EQ(bitmaps.spriteSheet, nullptr);
  EXPECT_EQ(layout.skinScale, 2);
}

}  // namespace
}  // namespace solvane
