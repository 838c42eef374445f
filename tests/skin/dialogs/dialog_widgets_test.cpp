// The real Options and About dialogs, driven offscreen with mouse clicks and
// keys over a program folder that the tests make.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "base/wide_text.h"
#include "skin/background_image.h"
#include "skin/dialogs/about_dialog.h"
#include "skin/dialogs/options_dialog.h"
#include "tests/fakes/fake_bitmap.h"
#include "tests/fakes/fake_skin_images.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/qt_test_support.h"

namespace solvane::testing {
namespace {

constexpr int kScale = 2;

class DialogWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mainWindow.setGeometry(40, 30, 480, 748);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
  }

  QRect MainWindowArea() const { return {mainWindow.mapToGlobal(QPoint(0, 0)), mainWindow.size()}; }

  QWidget mainWindow;
};

class OptionsDialogTest : public DialogWidgetTest {
 protected:
  std::u16string Path(std::u16string_view name) const { return disk.Wide() + std::u16string(name); }

  void PutImage(const char* name) {
    disk.File(name);
    images.files[Path(Wide(name))] = FakeImageFile{64, 48};
  }

  std::string ShownImage() const {
    const auto* bitmap = dynamic_cast<const FakeBitmap*>(bitmaps.backgroundImage.get());
    return bitmap != nullptr ? bitmap->Name() : std::string("none");
  }

  std::unique_ptr<OptionsDialog> Open() {
    auto dialog = std::make_unique<OptionsDialog>(&mainWindow, context, kScale);
    dialog->show();
    return dialog;
  }

  static void ClickItem(QListWidget* list, int row) {
    const QRect cell = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  }

  static void ClickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
  }

  MadeFolder disk;
  std::unique_ptr<Options> options = std::make_unique<Options>();
  SkinBitmaps bitmaps;
  FakeSkinImages images;
  OptionsContext context{*options, bitmaps, images, disk.Wide()};
};

TEST_F(OptionsDialogTest, ShowsTheOptionsAndSelectsTheSavedImageInASortedList) {
  PutImage("b.bmp");
  PutImage("a.bmp");
  disk.Folder("c.bmp");
  WideCopy(options->backgroundImagePath, Path(u"b.bmp"));
  options->rememberLastPosition = 1;
  auto dialog = Open();

  EXPECT_EQ(dialog->geometry(), MainWindowArea());
  EXPECT_EQ(dialog->TopButton()->text(), "OK");
  const struct {
    int id;
    const char* text;
    bool checked;
  } boxes[] = {{1014, "Play last file when startup", false},
               {1015, "Remember playlist", true},
               {1016, "Remember last position", true},
               {1017, "Use background image (skin)", false}};
  int previousTop = -1;
  for (const auto& box : boxes) {
    QCheckBox* check = dialog->CheckBox(box.id);
    ASSERT_NE(check, nullptr) << box.id;
    EXPECT_EQ(check->text(), box.text);
    EXPECT_EQ(check->isChecked(), box.checked) << box.id;
    EXPECT_GT(check->y(), previousTop);
    previousTop = check->y();
  }
  QListWidget* list = dialog->BackgroundList();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "a.bmp");
  EXPECT_EQ(list->item(1)->text(), "b.bmp");
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_GT(list->y(), previousTop);
  EXPECT_TRUE(SaveScreenshot(*dialog, "options"));
}

TEST_F(OptionsDialogTest, AnotherImageChosenWithTheBackgroundCheckedShowsOnceTheDialogCloses) {
  PutImage("a.bmp");
  PutImage("b.bmp");
  WideCopy(options->backgroundImagePath, Path(u"a.bmp"));
  options->useBackgroundImage = 1;
  LoadBackgroundImage(bitmaps, *options, images);
  auto dialog = Open();
  ASSERT_TRUE(dialog->CheckBox(kIdBackgroundImageCheck)->isChecked());

  ClickItem(dialog->BackgroundList(), 1);
  EXPECT_EQ(WideView(options->backgroundImagePath), Path(u"b.bmp"));
  EXPECT_EQ(ShownImage(), *WideToUtf8(Path(u"a.bmp")));

  // There is no Cancel: Escape closes the dialog as OK does.
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(ShownImage(), *WideToUtf8(Path(u"b.bmp")));
}

TEST_F(OptionsDialogTest, AFolderWithoutImagesGivesAnEmptyListAndWorkingCheckBoxes) {
  disk.File("song.mp3");
  auto dialog = Open();
  EXPECT_EQ(dialog->BackgroundList()->count(), 0);

  ClickBox(dialog->CheckBox(kIdBackgroundImageCheck));
  EXPECT_EQ(options->useBackgroundImage, 1);
  ClickBox(dialog->CheckBox(kIdRememberPlaylistCheck));
  EXPECT_EQ(options->rememberPlaylist, 0);
  ClickBox(dialog->CheckBox(kIdPlayLastFileCheck));
  EXPECT_EQ(options->playLastFileAtStartup, 1);
  ClickBox(dialog->CheckBox(kIdRememberPositionCheck));
  EXPECT_EQ(options->rememberLastPosition, 1);
  EXPECT_TRUE(dialog->isVisible());
  QTest::mouseClick(dialog->TopButton(), Qt::LeftButton);
  EXPECT_EQ(ShownImage(), "none");
  EXPECT_TRUE(images.fileRequests.empty());
}

TEST_F(DialogWidgetTest, AboutShowsTheLogosAndCentredTextsAndOkClosesIt) {
  AboutDialog dialog(&mainWindow, kScale);
  dialog.show();
  EXPECT_EQ(dialog.geometry(), MainWindowArea());
  EXPECT_EQ(dialog.TopButton()->text(), "OK");

  QStringList texts;
  for (const QLabel* label : dialog.Body()->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) {
      texts << label->text();
      EXPECT_EQ(label->alignment(), Qt::AlignCenter) << label->text().toStdString();
    }
  }
  EXPECT_EQ(texts, (QStringList{"Morwick Solvane V 0.91.0B", "www.morwick.example",
                                "support@morwick.example"}));
  const QLabel* product = dialog.Body()->findChild<QLabel*>("productLogo");
  const QLabel* maker = dialog.Body()->findChild<QLabel*>("makerLogo");
  ASSERT_NE(product, nullptr);
  ASSERT_NE(maker, nullptr);
  EXPECT_EQ(product->pixmap().size(), QSize(32, 28));
  EXPECT_EQ(maker->pixmap().size(), QSize(67, 21));
  EXPECT_LT(product->y(), maker->y());
  EXPECT_TRUE(SaveScreenshot(dialog, "about"));

  QTest::mouseClick(dialog.TopButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace solvane::testing
