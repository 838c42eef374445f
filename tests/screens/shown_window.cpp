#include "tests/screens/shown_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTreeWidgetItem>

#include "base/wide_text.h"
#include "views/playlist_view_widget.h"
#include "resources/resource_paths.h"
#include "tests/fakes/qt_test_support.h"

namespace solvane::testing {

QImage FaceBitmap(int scale) {
  const QString path = scale == 1 ? QString::fromLatin1(kFaceImageResource)
                                  : QStringLiteral(SOLVANE_SOURCE_DIR "/resources/wvrc.sv");
  return QImage(path, "bmp").convertToFormat(QImage::Format_RGB32);
}

QImage SpriteSheet(int scale) {
  return QImage(QString::fromLatin1(scale == 1 ? kSpriteSheetResource : kLargeSpriteSheetResource),
                "bmp")
      .convertToFormat(QImage::Format_RGB32);
}

ShownWindow::ShownWindow(const ScreenMode& mode) : mode_(mode) {
  window_ = std::make_unique<MainWindow>(
      media_, MainWindowSettings{folder_.Folder(), ScreenSize{mode.width, mode.height}, [] {}});
  window_->shell().SetMessageBoxAnswerer([this](std::u16string_view, std::u16string_view, bool) {
    ++messageBoxes_;
    return false;
  });
  started_ = window_->Start();
  if (started_) {
    window_->show();
    started_ = QTest::qWaitForWindowExposed(window_.get());
  }
}

ShownWindow::~ShownWindow() {
  window_->close();
  window_.reset();
  // The playlist view is deleted later; let it go before the next window.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ShownWindow::AddEntry(std::u16string_view folder, std::u16string_view name) {
  Playlist& playlist = *records().playlist;
  WideCopy(playlist.folder[playlist.playlistCount], folder);
  WideCopy(playlist.fileName[playlist.playlistCount], name);
  ++playlist.playlistCount;
}

void ShownWindow::TapFace(int baseX, int baseY) {
  QTest::mouseClick(window_.get(), Qt::LeftButton, {}, QPoint(mode_.X(baseX), mode_.Y(baseY)));
}

void ShownWindow::PlayFromPlaylistView(int row) {
  TapFace(220, 225);  // the playlist toggle
  PlaylistViewWidget* view = window_->PlaylistView();
  ASSERT_NE(view, nullptr);
  ASSERT_LT(row, view->RowCount());
  const QPoint centre = view->visualItemRect(view->topLevelItem(row)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  ASSERT_EQ(view->MarkedRow(), row);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  // The view switches itself off once the tap's handling has ended.
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window_->PlaylistView(), nullptr);
  EXPECT_EQ(records().player.playlistShown, 0);
}

void ShownWindow::PlayUpTo(int seconds) {
  for (int second = 1; second <= seconds; ++second) {
    media_.position = second;
    window_->core().Tick();
  }
}

QImage ShownWindow::Shoot(std::string_view scene) {
  const std::string name = "window_" + mode_.Name() + "_" + std::string(scene);
  EXPECT_TRUE(SaveScreenshot(*window_, name)) << name;
  const QImage shot = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.width(), mode_.width);
  EXPECT_GT(shot.height(), mode_.clientHeight);
  return shot.copy(0, 0, mode_.width, mode_.clientHeight);
}

}  // namespace solvane::testing
