#pragma once
// The playlist view: a one-column list over the lyric area of the main window.
// A first tap on a row marks it, a second tap on the marked row plays it and
// switches the view off; the arrow keys change the volume. The mark is a bold
// font on an amber background, apart from the list's own selection, which
// shows on a marked row as a frame so that the mark stays visible.

#include <QTreeWidget>

#include <functional>

#include "views/playlist_view_logic.h"

namespace solvane {

class PlaylistViewWidget : public QTreeWidget, public PlaylistViewList {
 public:
  // `clientArea` is the main window's client area, the view's parent; `scale`
  // is the skin scale, which sizes the text. `switchOff` runs after a play tap, once the tap has been handled; it must
  // destroy the view (playlistShown is 0 by then).
  PlaylistViewWidget(QWidget* clientArea, PlaybackContext& context, const PlaylistViewPlace& place,
                     int scale, std::function<void()> switchOff);

  void ReplaceAllRows(const std::vector<std::u16string_view>& texts) override;
  void RemoveRow(std::int32_t row) override;
  void MarkRow(std::int32_t row) override;
  void ReplaceFirstRowText(std::u16string_view text) override;
  void RemoveAllRowsButFirst() override;

  // The row bearing the mark, -1 for none.
  int MarkedRow() const { return markedRow_; }
  int RowCount() const { return topLevelItemCount(); }
  QString RowText(int row) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowMark(int row, bool marked);
  void TapRow(int row);

  PlaybackContext& context_;
  std::function<void()> switchOff_;
  int markedRow_ = -1;
};

// CreatePlaylistView: makes the view as a child of `clientArea` at `place`,
// fills it, marks the current entry and shows it. The caller owns the widget
// (delete it to destroy the view) and hands it out as the PlaylistRows of the
// playlist operations while it exists.
PlaylistViewWidget* CreatePlaylistViewWidget(QWidget* clientArea, PlaybackContext& context,
                                             const PlaylistViewPlace& place, int scale,
                                             std::function<void()> switchOff);

}  // namespace solvane
