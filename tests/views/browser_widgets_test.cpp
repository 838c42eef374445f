// The real file browser dialog and playlist view, driven offscreen with mouse
// clicks and keys; the records tell what happened.

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "playlist/file_browser.h"
#include "playlist/playlist_ops.h"
#include "views/file_browser_dialog.h"
#include "views/playlist_view_widget.h"
#include "skin/screen_layout.h"
#include "tests/views/browser_records.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/qt_test_support.h"

namespace solvane::testing {
namespace {

constexpr int kScale = 2;
const QColor kListBackground(187, 203, 215);

// The 480 x 800 screen: the main window below the desktop's title bar.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetScreenValues(layout, kScreenMode480x800);
    mainWindow.setGeometry(40, 30, 480, 748);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
  }

  PlaylistViewWidget* MakeView() {
    records.player.playlistShown = 1;
    const PlaylistViewPlace place = PlaylistViewPlaceFor(layout.listWidth, layout.lyricAreaBottom, 480);
    return CreatePlaylistViewWidget(&mainWindow, records.playback, place, kScale, [this] {
      ++switchOffs;
      delete view;
      view = nullptr;
    });
  }

  static void ClickRow(QTreeView* list, int row) {
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    ASSERT_TRUE(cell.isValid()) << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  }

  // Lets the event loop run what the view posted to itself, a bounded number
  // of passes.
  void SettleUntilSwitchedOff() {
    for (int pass = 0; pass < 20 && switchOffs == 0; ++pass) {
      QApplication::processEvents();
    }
  }

  ScreenLayout layout;
  QWidget mainWindow;
  MadeFolder disk;
  BrowserRecords records;
  PlaylistViewWidget* view = nullptr;
  int switchOffs = 0;
};

class FileBrowserDialogTest : public MainWindowTest {
 protected:
  std::unique_ptr<FileBrowserDialog> OpenAt(const std::u16string& folder, PlaylistViewList* shownView) {
    WideCopy(records.browser->browserFolder, folder);
    session = std::make_unique<BrowserSession>(BrowserSession{records.playback, *records.browser, shownView});
    auto dialog = std::make_unique<FileBrowserDialog>(&mainWindow, *session, kScale);
    dialog->show();
    return dialog;
  }

  int RowOf(std::u16string_view name) const {
    for (int row = 0; row < records.browser->count; ++row) {
      if (WideView(records.browser->entries[row].name) == name) {
        return row;
      }
    }
    ADD_FAILURE() << "not listed";
    return 0;
  }

  std::unique_ptr<BrowserSession> session;
};

TEST_F(FileBrowserDialogTest, CoversTheMainWindowWithDoneOnTopAndTheSoftKeysBelowAndDoneCloses) {
  disk.Folder("Albums");
  disk.File("song.mp3", 3'456'789);
  auto dialog = OpenAt(disk.Wide(), nullptr);

  EXPECT_EQ(dialog->geometry(), QRect(mainWindow.mapToGlobal(QPoint(0, 0)), mainWindow.size()));
  EXPECT_TRUE(dialog->isModal());
  EXPECT_EQ(dialog->TopButton()->text(), "Done");
  EXPECT_LT(dialog->TopButton()->mapTo(dialog.get(), QPoint(0, 0)).y(), dialog->List()->mapTo(dialog.get(), QPoint(0, 0)).y());
  const struct {
    int id;
    const char* text;
  } keys[] = {{40036, "Up_Folder   "}, {40037, "Add_All    "}, {40038, "Cancel"}};
  for (const auto& key : keys) {
    ASSERT_NE(dialog->SoftKey(key.id), nullptr) << key.id;
    EXPECT_EQ(dialog->SoftKey(key.id)->text(), key.text);
    EXPECT_GT(dialog->SoftKey(key.id)->mapTo(dialog.get(), QPoint(0, 0)).y(),
              dialog->List()->mapTo(dialog.get(), QPoint(0, 0)).y());
  }

  QTest::mouseClick(dialog->TopButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(records.playlist->playlistCount, 0);
}

TEST_F(FileBrowserDialogTest, ShowsThreeColumnsWithTheCoreCellTextsAndLargeIcons) {
  disk.Folder("Albums");
  disk.File("song.mp3", 3'456'789);
  auto dialog = OpenAt(disk.Wide(), nullptr);
  QTreeView* list = dialog->List();
  QAbstractItemModel* model = list->model();

  ASSERT_EQ(model->rowCount(), 2);
  ASSERT_EQ(model->columnCount(), 3);
  const char* titles[] = {"Name", "Type", "Size"};
  const int widths[] = {300, 80, 110};
  const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight};
  for (int column = 0; column < 3; ++column) {
    EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), titles[column]);
    EXPECT_EQ(list->columnWidth(column), widths[column]);
    const auto alignment = Qt::Alignment(model->index(0, column).data(Qt::TextAlignmentRole).toInt());
    EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, horizontal[column]) << column;
  }
  EXPECT_FALSE(list->header()->sectionsClickable());
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->iconSize(), QSize(32, 32));
  EXPECT_EQ(list->palette().color(QPalette::Base), kListBackground);

  const int folder = RowOf(u"Albums");
  const int file = RowOf(u"song.mp3");
  EXPECT_EQ(model->index(folder, 1).data().toString(), "Dir");
  EXPECT_EQ(model->index(folder, 2).data().toString(), "");
  EXPECT_EQ(model->index(file, 1).data().toString(), "File");
  EXPECT_EQ(model->index(file, 2).data().toString().toStdU16String(), FormatSizeText(3'456'789));
  EXPECT_FALSE(model->index(file, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_FALSE(model->index(folder, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_TRUE(SaveScreenshot(*dialog, "file_browser"));
}

TEST_F(FileBrowserDialogTest, FolderTapsAndUpFolderWalkWhileCancelClosesWithNothingAdded) {
  disk.File("Music/Pop/a.mp3");
  auto dialog = OpenAt(disk.Wide(), nullptr);

  ClickRow(dialog->List(), RowOf(u"Music"));
  EXPECT_EQ(WideView(records.browser->browserFolder), disk.Wide() + u"Music/");
  ASSERT_EQ(dialog->List()->model()->rowCount(), 1);
  EXPECT_EQ(dialog->List()->model()->index(0, 0).data().toString(), "Pop");

  QTest::mouseClick(dialog->SoftKey(kCmdUpFolder), Qt::LeftButton);
  EXPECT_EQ(WideView(records.browser->browserFolder), disk.Wide());
  EXPECT_TRUE(dialog->isVisible());

  QTest::mouseClick(dialog->SoftKey(kCmdBrowserCancel), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(records.playlist->playlistCount, 0);
  EXPECT_TRUE(records.media.urls.empty());
}

TEST_F(FileBrowserDialogTest, OpenModeFileTapPlaysItAloneAndTheShownViewMarksIt) {
  disk.File("a.mp3");
  disk.File("b.mp3");
  records.AddEntry(u"/old/", u"x.mp3");
  records.AddEntry(u"/old/", u"y.mp3");
  view = MakeView();
  auto dialog = OpenAt(disk.Wide(), view);

  ClickRow(dialog->List(), RowOf(u"b.mp3"));

  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  ASSERT_EQ(records.playlist->playlistCount, 1);
  EXPECT_EQ(records.EntryPath(0), disk.Wide() + u"b.mp3");
  EXPECT_EQ(records.media.urls, std::vector<std::u16string>{disk.Wide() + u"b.mp3"});
  ASSERT_EQ(view->RowCount(), 1);
  EXPECT_EQ(view->RowText(0), "b.mp3");
  EXPECT_EQ(view->MarkedRow(), 0);
}

class PlaylistViewWidgetTest : public MainWindowTest {
 protected:
  void Fill(std::initializer_list<const char16_t*> names, std::int32_t current) {
    for (const char16_t* name : names) {
      records.AddEntry(u"/music/", name);
    }
    records.playlist->currentIndex = current;
  }
};

TEST_F(PlaylistViewWidgetTest, LiesOverTheLyricAreaWithOneHiddenColumnAndThePlaceholder) {
  view = MakeView();
  EXPECT_EQ(view->parentWidget(), &mainWindow);
  EXPECT_EQ(view->geometry(), QRect(0, 4, layout.listWidth, layout.lyricAreaBottom - 6));
  EXPECT_EQ(view->columnCount(), 1);
  EXPECT_EQ(view->headerItem()->text(0), "Playlist");
  EXPECT_TRUE(view->isHeaderHidden());
  EXPECT_EQ(view->columnWidth(0), 480 - 15);
  EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_NE(view->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(view->palette().color(QPalette::Base), kListBackground);
  ASSERT_EQ(view->RowCount(), 1);
  EXPECT_EQ(view->RowText(0), "  No files in playlist ");

  ClickRow(view, 0);
  EXPECT_EQ(view->MarkedRow(), -1);
  EXPECT_TRUE(records.media.urls.empty());
}

TEST_F(PlaylistViewWidgetTest, FirstTapMarksSecondTapPlaysAndSwitchesTheViewOff) {
  Fill({u"one.mp3", u"two.mp3", u"three.mp3"}, 0);
  view = MakeView();
  EXPECT_EQ(view->MarkedRow(), 0);
  EXPECT_TRUE(view->topLevelItem(0)->font(0).bold());

  ClickRow(view, 1);
  EXPECT_EQ(view->MarkedRow(), 1);
  EXPECT_EQ(records.playlist->highlightedRow, 1);
  EXPECT_FALSE(view->topLevelItem(0)->font(0).bold());
  EXPECT_TRUE(view->topLevelItem(1)->font(0).bold());
  EXPECT_TRUE(records.media.urls.empty());

  ClickRow(view, 1);
  EXPECT_EQ(records.media.urls, std::vector<std::u16string>{u"/music/two.mp3"});
  EXPECT_EQ(records.playlist->currentIndex, 1);
  EXPECT_EQ(records.player.playlistShown, 0);
  SettleUntilSwitchedOff();
  EXPECT_EQ(switchOffs, 1);
  EXPECT_EQ(view, nullptr);
}

TEST_F(PlaylistViewWidgetTest, TheMarkStaysApartFromTheSelectionAndArrowsChangeTheVolume) {
  Fill({u"one.mp3", u"two.mp3", u"three.mp3"}, 1);
  view = MakeView();
  view->setFocus();
  view->setCurrentItem(view->topLevelItem(1));

  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(records.media.volumePuts, std::vector<std::int32_t>{77});
  EXPECT_EQ(records.shell.invalidations, 1);
  EXPECT_EQ(view->currentIndex().row(), 2);
  EXPECT_EQ(view->MarkedRow(), 1);
  EXPECT_TRUE(SaveScreenshot(mainWindow, "playlist_view"));

  QTest::keyClick(view, Qt::Key_Up);
  EXPECT_EQ(records.media.volumePuts.back(), 80);
  EXPECT_EQ(records.shell.invalidations, 2);
  QTest::keyClick(view, Qt::Key_Right);
  EXPECT_EQ(records.media.volumePuts.size(), 2u);
}

// What a row shows, read from the drawn view: a point near the row's right
// end, clear of its text, and a point on its top edge.
struct RowPixels {
  QColor inside;
  QColor edge;
};

// The style shades its fills a little; a colour within a few steps per
// channel is the same colour.
::testing::AssertionResult Near(const QColor& drawn, const QColor& wanted, int steps = 6) {
  const int apart = std::max({std::abs(drawn.red() - wanted.red()),
                              std::abs(drawn.green() - wanted.green()),
                              std::abs(drawn.blue() - wanted.blue())});
  if (apart <= steps) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << drawn.name().toStdString() << " is not near "
                                       << wanted.name().toStdString();
}

RowPixels DrawnRow(PlaylistViewWidget* view, int row) {
  const QImage shot = view->viewport()->grab().toImage();
  const QRect cell = view->visualRect(view->model()->index(row, 0));
  return {shot.pixelColor(cell.right() - 8, cell.center().y()),
          shot.pixelColor(cell.right() - 8, cell.top())};
}

TEST_F(PlaylistViewWidgetTest, TheMarkedRowReadsAsMarkedWhetherOrNotItIsSelected) {
  const QColor mark(255, 226, 140);
  Fill({u"one.mp3", u"two.mp3", u"three.mp3"}, 0);
  view = MakeView();
  ClickRow(view, 1);  // marks the row and selects it
  ASSERT_EQ(view->MarkedRow(), 1);
  ASSERT_EQ(view->currentIndex().row(), 1);
  ASSERT_TRUE(view->topLevelItem(1)->isSelected());
  const QColor selection = view->palette().color(QPalette::Highlight);
  RowPixels marked = DrawnRow(view, 1);
  // The style lays a faint focus tint over the current row; the mark shows
  // through it, nothing like the selection's fill.
  EXPECT_TRUE(Near(marked.inside, mark, 32));
  EXPECT_FALSE(Near(marked.inside, selection, 64));
  EXPECT_TRUE(Near(marked.edge, selection));  // the selection still shows, as a frame
  EXPECT_TRUE(SaveScreenshot(mainWindow, "playlist_view_marked_and_selected"));

  view->setCurrentItem(view->topLevelItem(2));  // the selection moves on alone
  marked = DrawnRow(view, 1);
  EXPECT_TRUE(Near(marked.inside, mark));
  EXPECT_TRUE(Near(marked.edge, mark));
  EXPECT_TRUE(Near(DrawnRow(view, 2).inside, selection));
  EXPECT_TRUE(Near(DrawnRow(view, 0).inside, kListBackground));
}

TEST_F(PlaylistViewWidgetTest, DeletionsUpdateTheRowsAndDeleteAllLeavesThePlaceholder) {
  Fill({u"one.mp3", u"two.mp3", u"three.mp3"}, 0);
  view = MakeView();
  ClickRow(view, 1);

  DeleteEntry(*records.playlist, records.playlist->highlightedRow, view);
  ASSERT_EQ(view->RowCount(), 2);
  EXPECT_EQ(view->RowText(1), "three.mp3");
  EXPECT_EQ(view->MarkedRow(), 1);

  DeleteAll(*records.playlist, view);
  ASSERT_EQ(view->RowCount(), 1);
  EXPECT_EQ(view->RowText(0), "  No files in playlist ");
  EXPECT_EQ(view->MarkedRow(), -1);
}

}  // namespace
}  // namespace solvane::testing
