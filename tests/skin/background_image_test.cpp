#include "skin/background_image.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_bitmap.h"
#include "tests/fakes/fake_skin_images.h"

namespace solvane {
namespace {

using testing::FakeBitmap;
using testing::FakeSkinImages;

class BackgroundImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    images.files[u"/opt/solvane/b.bmp"] = {100, 100};
    WideCopy(options.backgroundImagePath, u"/opt/solvane/b.bmp");
    bitmaps.backgroundImage = std::make_unique<FakeBitmap>("old", 10, 10);
  }

  SkinBitmaps bitmaps;
  Options options;
  FakeSkinImages images;
};

TEST_F(BackgroundImageTest, OptionSetReplacesTheImageWithTheNamedFile) {
  options.useBackgroundImage = 1;
  LoadBackgroundImage(bitmaps, options, images);
  ASSERT_NE(bitmaps.backgroundImage, nullptr);
  EXPECT_EQ(static_cast<const FakeBitmap&>(*bitmaps.backgroundImage).Name(), "/opt/solvane/b.bmp");
  EXPECT_EQ(bitmaps.backgroundImage->Width(), 100);
}

TEST_F(BackgroundImageTest, OptionClearFreesTheImageAndLoadsNothing) {
  options.useBackgroundImage = 0;
  LoadBackgroundImage(bitmaps, options, images);
  EXPECT_EQ(bitmaps.backgroundImage, nullptr);
  EXPECT_TRUE(images.fileRequests.empty());
}

TEST_F(BackgroundImageTest, FileThatCannotBeLoadedLeavesNoImage) {
  options.useBackgroundImage = 1;
  WideCopy(options.backgroundImagePath, u"/opt/solvane/gone.bmp");
  LoadBackgroundImage(bitmaps, options, images);
  EXPECT_EQ(bitmaps.backgroundImage, nullptr);
}

TEST_F(BackgroundImageTest, EmptyPathLoadsNothing) {
  options.useBackgroundImage = 1;
  options.backgroundImagePath[0] = u'\0';
  LoadBackgroundImage(bitmaps, options, images);
  EXPECT_EQ(bitmaps.backgroundImage, nullptr);
  EXPECT_TRUE(images.fileRequests.empty());
}

}  // namespace
}  // namespace solvane
