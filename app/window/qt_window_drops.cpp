// Files and folders that come to the main window from outside: dropped on it
// (appended as the browser's Add mode appends, nothing starts) or opened by
// the desktop (as the command line's files are). Either way the playlist
// view and the face show the playlist as it now is.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <string>
#include <vector>

#include "views/opened_files.h"
#include "app/window/qt_main_window.h"
#include "views/playlist_view_logic.h"
#include "views/playlist_view_widget.h"

namespace solvane {
namespace {

// The local files among the dropped URLs, as absolute paths.
std::vector<std::u16string> DroppedPaths(const QMimeData* data) {
  std::vector<std::u16string> paths;
  if (data == nullptr || !data->hasUrls()) {
    return paths;
  }
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) {
      paths.push_back(QFileInfo(url.toLocalFile()).absoluteFilePath().toStdU16String());
    }
  }
  return paths;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPaths(event->mimeData()).empty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::u16string> paths = DroppedPaths(event->mimeData());
  if (paths.empty() || !core_.records().lifecycle.started) {
    return;
  }
  event->acceptProposedAction();
  if (AddFiles(core_.playback(), paths, settings_.keepListing) > 0) {
    ShowPlaylistChange();
  }
}

void MainWindow::OpenFilesFromOutside(std::span<const std::u16string> paths) {
  if (!core_.records().lifecycle.started) {
    return;
  }
  OpenFiles(core_.playback(), paths, settings_.keepListing);
  ShowPlaylistChange();
}

void MainWindow::ShowPlaylistChange() {
  PlaybackContext& playback = core_.playback();
  if (playback.player.playlistShown != 0 && playback.playlist.playlistCount > 0) {
    RefreshPlaylistView(playback.playlist, playback.player, playlistView_);
  }
  RepaintAll();
}

}  // namespace solvane
