#pragma once
// The playlist view's behaviour, apart from the list widget that shows it: which
// rows it holds, which row bears the mark, what a tap on a row does and what
// the arrow keys do while the view has the focus.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/player_state.h"
#include "playback/playback_control.h"
#include "base/playlist.h"
#include "playlist/playlist_rows.h"

namespace solvane {

// The list that shows the playlist. Besides the row updates that deleting
// entries sends, it can be filled afresh.
class PlaylistViewList : public PlaylistRows {
 public:
  // Replaces every row by `texts`, in order; afterwards no row is marked.
  virtual void ReplaceAllRows(const std::vector<std::u16string_view>& texts) = 0;
};

// Where the view lies in the main window's client area. The 4 and 6 pixels
// are not multiplied by the skin scale.
struct PlaylistViewPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int columnWidth = 0;
};

// `listWidth` and `lyricAreaBottom` come from the screen layout;
// `clientWidth` is the width of the main window's client area.
PlaylistViewPlace PlaylistViewPlaceFor(int listWidth, int lyricAreaBottom, int clientWidth);

// One row per entry's file name; for an empty playlist the placeholder row
// while the view is shown, else none.
std::vector<std::u16string_view> PlaylistViewRowTexts(const Playlist& playlist,
                                                      bool playlistShown);

// Fills a freshly made view and marks the current entry's row; highlightedRow
// follows the mark (-1 when currentIndex names no entry of a non-empty
// playlist). Called after playlistShown has been set.
void CreatePlaylistView(Playlist& playlist, const PlayerState& player, PlaylistViewList& list);

// Fills the view again and marks the current entry's row; nothing when there
// is no view (`list` null).
void RefreshPlaylistView(Playlist& playlist, const PlayerState& player, PlaylistViewList* list);

enum class PlaylistTapResult {
  kIgnored,  // outside the playlist, or the placeholder row
  kMarked,   // a first tap moved the mark
  kPlayed,   // a second tap on the marked row started it; the view must go
};

// A single tap on row `row`. A second tap on the marked row unmarks it, starts
// that entry and switches the view off (playlistShown becomes 0); the caller
// then destroys the view.
PlaylistTapResult TapPlaylistRow(PlaybackContext& context, PlaylistViewList& list,
                                 std::int32_t row);

enum class PlaylistViewKey { kUp, kDown, kOther };

// A key pressed in the view: the arrows move the volume by 3 within 0..100 and
// repaint the main window. True when the key was acted upon.
bool PlaylistViewKeyDown(PlaybackContext& context, PlaylistViewKey key);

}  // namespace solvane
