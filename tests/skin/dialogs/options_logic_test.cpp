// The Options dialog's effects on the options and the background image, over a
// program folder that the tests make.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "base/wide_text.h"
#include "skin/dialogs/options_logic.h"
#include "tests/fakes/fake_bitmap.h"
#include "tests/fakes/fake_skin_images.h"
#include "tests/fakes/made_folder.h"

namespace solvane::testing {
namespace {

using Names = std::vector<std::u16string>;

class OptionsLogicTest : public ::testing::Test {
 protected:
  std::u16string Path(std::u16string_view name) const { return disk.Wide() + std::u16string(name); }

  // Puts a loadable image at `name` in the program folder.
  void PutImage(std::u16string_view name) {
    images.files[Path(name)] = FakeImageFile{64, 48};
  }

  std::string ShownImage() const {
    const auto* bitmap = dynamic_cast<const FakeBitmap*>(bitmaps.backgroundImage.get());
    return bitmap != nullptr ? bitmap->Name() : std::string("none");
  }

  static std::string Narrow(const std::u16string& text) {
    return WideToUtf8(text).value_or("?");
  }

  MadeFolder disk;
  std::unique_ptr<Options> options = std::make_unique<Options>();
  SkinBitmaps bitmaps;
  FakeSkinImages images;
  OptionsContext context{*options, bitmaps, images, disk.Wide()};
};

TEST_F(OptionsLogicTest, ListsTheBmpFilesSortedAndLeavesFoldersAndOtherFilesOut) {
  disk.File("b.bmp");
  disk.File("a.bmp");
  disk.Folder("c.bmp");
  disk.File("B2.BMP");
  disk.File("notes.txt");
  disk.File("bmp");
  disk.File("picture.bmp.txt");
  EXPECT_EQ(BackgroundImageList(disk.Wide()), (Names{u"a.bmp", u"b.bmp", u"B2.BMP"}));
}

TEST_F(OptionsLogicTest, FollowsLinksToFilesAndSkipsBrokenLinksAndUnconvertibleNames) {
  disk.File("real.bmp");
  std::filesystem::create_symlink(disk.Path() / "real.bmp", disk.Path() / "link.bmp");
  std::filesystem::create_symlink(disk.Path() / "gone", disk.Path() / "broken.bmp");
  disk.File("bad\xff.bmp");
  EXPECT_EQ(BackgroundImageList(disk.Wide()), (Names{u"link.bmp", u"real.bmp"}));
}

TEST_F(OptionsLogicTest, AFolderWithoutImagesOrUnreadableGivesAnEmptyList) {
  disk.File("song.mp3");
  EXPECT_TRUE(BackgroundImageList(disk.Wide()).empty());
  EXPECT_TRUE(BackgroundImageList(disk.Wide() + u"missing/").empty());
  EXPECT_TRUE(BackgroundImageList(u"").empty());
}

TEST_F(OptionsLogicTest, SelectsTheSavedImageByItsExactName) {
  const Names names{u"a.bmp", u"B.bmp", u"b.bmp"};
  WideCopy(options->backgroundImagePath, Path(u"b.bmp"));
  EXPECT_EQ(CurrentBackgroundName(*options), u"b.bmp");
  EXPECT_EQ(BackgroundListSelection(names, CurrentBackgroundName(*options)), 2);
  EXPECT_EQ(BackgroundListSelection(names, u"c.bmp"), -1);
  EXPECT_EQ(BackgroundListSelection(names, u""), -1);
  WideCopy(options->backgroundImagePath, u"");
  EXPECT_EQ(CurrentBackgroundName(*options), u"");
}

TEST_F(OptionsLogicTest, EachCheckBoxSetsItsOptionAtOnce) {
  struct Case {
    int controlId;
    std::int32_t Options::*field;
  };
  const Case cases[] = {
      {kIdPlayLastFileCheck, &Options::playLastFileAtStartup},
      {kIdRememberPlaylistCheck, &Options::rememberPlaylist},
      {kIdRememberPositionCheck, &Options::rememberLastPosition},
      {kIdBackgroundImageCheck, &Options::useBackgroundImage},
  };
  for (const Case& c : cases) {
    ApplyOptionCheckBox(context, c.controlId, true);
    EXPECT_EQ(options.get()->*c.field, 1) << c.controlId;
    EXPECT_TRUE(IsOptionChecked(*options, c.controlId));
    ApplyOptionCheckBox(context, c.controlId, false);
    EXPECT_EQ(options.get()->*c.field, 0) << c.controlId;
    EXPECT_FALSE(IsOptionChecked(*options, c.controlId));
  }
  const Options before = *options;
  ApplyOptionCheckBox(context, kIdBackgroundImageList, true);
  EXPECT_EQ(options->playLastFileAtStartup, before.playLastFileAtStartup);
  EXPECT_EQ(options->rememberPlaylist, before.rememberPlaylist);
  EXPECT_FALSE(IsOptionChecked(*options, 999));
}

TEST_F(OptionsLogicTest, CheckingTheBackgroundLoadsTheImageAndUncheckingDropsIt) {
  PutImage(u"a.bmp");
  ASSERT_TRUE(ChooseBackgroundImage(context, u"a.bmp"));
  ApplyOptionCheckBox(context, kIdBackgroundImageCheck, true);
  EXPECT_EQ(ShownImage(), Narrow(Path(u"a.bmp")));
  ApplyOptionCheckBox(context, kIdBackgroundImageCheck, false);
  EXPECT_EQ(ShownImage(), "none");
}

TEST_F(OptionsLogicTest, ChoosingAnotherFileShowsItOnlyAfterOk) {
  PutImage(u"a.bmp");
  PutImage(u"b.bmp");
  ChooseBackgroundImage(context, u"a.bmp");
  ApplyOptionCheckBox(context, kIdBackgroundImageCheck, true);

  ASSERT_TRUE(ChooseBackgroundImage(context, u"b.bmp"));
  EXPECT_EQ(WideView(options->backgroundImagePath), Path(u"b.bmp"));
  EXPECT_EQ(ShownImage(), Narrow(Path(u"a.bmp")));

  ConfirmOptions(context);
  EXPECT_EQ(ShownImage(), Narrow(Path(u"b.bmp")));
}

TEST_F(OptionsLogicTest, ChoosingAnotherFileThenUncheckingShowsNoImage) {
  PutImage(u"a.bmp");
  PutImage(u"b.bmp");
  ChooseBackgroundImage(context, u"a.bmp");
  ApplyOptionCheckBox(context, kIdBackgroundImageCheck, true);
  ChooseBackgroundImage(context, u"b.bmp");
  ApplyOptionCheckBox(context, kIdBackgroundImageCheck, false);
  ConfirmOptions(context);
  EXPECT_EQ(ShownImage(), "none");
}

TEST_F(OptionsLogicTest, AnEmptyPathOrAFailedLoadShowsNothingAndKeepsTheOptionOn) {
  ApplyOptionCheckBox(context, kIdBackgroundImageCheck, true);
  EXPECT_EQ(ShownImage(), "none");
  EXPECT_TRUE(images.fileRequests.empty());
  EXPECT_EQ(options->useBackgroundImage, 1);

  ChooseBackgroundImage(context, u"not-an-image.bmp");
  ConfirmOptions(context);
  EXPECT_EQ(ShownImage(), "none");
  EXPECT_EQ(images.fileRequests, Names{Path(u"not-an-image.bmp")});
}

TEST_F(OptionsLogicTest, AChoiceWhosePathWouldNotFitIsRefused) {
  WideCopy(options->backgroundImagePath, Path(u"a.bmp"));
  const std::u16string tooLong(kPathField - disk.Wide().size(), u'x');
  EXPECT_FALSE(ChooseBackgroundImage(context, tooLong));
  EXPECT_FALSE(ChooseBackgroundImage(context, u""));
  EXPECT_EQ(WideView(options->backgroundImagePath), Path(u"a.bmp"));

  const std::u16string longest(kPathField - 1 - disk.Wide().size(), u'y');
  EXPECT_TRUE(ChooseBackgroundImage(context, longest));
  EXPECT_EQ(WideView(options->backgroundImagePath), disk.Wide() + longest);
}

}  // namespace
}  // namespace solvane::testing
