#pragma once
// The records and seams a browser or playlist-view test runs against: its own
// player, playlist and listing (the big ones on the heap), a scripted engine, a
// recording shell, and a list that keeps its rows as a list control would.

#include <memory>
#include <string>
#include <vector>

#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "playback/playback_control.h"
#include "views/browser_flow.h"
#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {

// Rows as a list control holds them: removing a row moves the later ones up,
// and at most one row bears the mark.
class RowList : public PlaylistViewList {
 public:
  std::vector<std::u16string> rows;
  int marked = -1;

  void ReplaceAllRows(const std::vector<std::u16string_view>& texts) override {
    rows.assign(texts.begin(), texts.end());
    marked = -1;
  }
  void RemoveRow(std::int32_t row) override {
    rows.erase(rows.begin() + row);
    marked = marked == row ? -1 : (marked > row ? marked - 1 : marked);
  }
  void MarkRow(std::int32_t row) override {
    marked = (row >= 0 && row < static_cast<int>(rows.size())) ? row : -1;
  }
  void ReplaceFirstRowText(std::u16string_view text) override { rows.front() = text; }
  void RemoveAllRowsButFirst() override {
    rows.resize(1);
    marked = marked == 0 ? 0 : -1;
  }
};

struct BrowserRecords : PlaybackRecords {
  FakeMediaControl media;
  RecordingShell shell;
  PlaybackContext playback = ContextWith(media, shell);
  RowList view;

  // The browser with the playlist view shown (filled as the toggle fills it)
  // or not.
  BrowserSession Session(bool viewShown) {
    player.playlistShown = viewShown ? 1 : 0;
    if (viewShown) {
      CreatePlaylistView(*playlist, player, view);
    }
    return BrowserSession{playback, *browser, viewShown ? &view : nullptr};
  }

  // Appends an entry as if a browser had added it from `folder`.
  void AddEntry(std::u16string_view folder, std::u16string_view name) {
    Playlist& list = *playlist;
    WideCopy(list.folder[list.playlistCount], folder);
    WideCopy(list.fileName[list.playlistCount], name);
    ++list.playlistCount;
  }

  std::u16string EntryPath(int index) const {
    return std::u16string(WideView(playlist->folder[index])) +
           std::u16string(WideView(playlist->fileName[index]));
  }
};

}  // namespace solvane::testing
