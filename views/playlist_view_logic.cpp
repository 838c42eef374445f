#include "views/playlist_view_logic.h"

#include "base/wide_text.h"

namespace solvane {

namespace {

constexpr int kViewTop = 4;
constexpr int kViewBottomGap = 6;
constexpr int kColumnMargin = 15;

// Fills the rows and marks the current entry's row of a non-empty playlist.
void FillAndMark(Playlist& playlist, const PlayerState& player, PlaylistViewList& list) {
  list.ReplaceAllRows(PlaylistViewRowTexts(playlist, player.playlistShown != 0));
  if (playlist.playlistCount <= 0) {
    return;
  }
  const std::int32_t current =
      IsPlaylistIndex(playlist, playlist.currentIndex) ? playlist.currentIndex : -1;
  list.MarkRow(current);
  playlist.highlightedRow = current;
}

}  // namespace

PlaylistViewPlace PlaylistViewPlaceFor(int listWidth, int lyricAreaBottom, int clientWidth) {
  return {0, kViewTop, listWidth, lyricAreaBottom - kViewBottomGap, clientWidth - kColumnMargin};
}

std::vector<std::u16string_view> PlaylistViewRowTexts(const Playlist& playlist,
                                                      bool playlistShown) {
  std::vector<std::u16string_view> texts;
  for (std::int32_t index = 0; IsPlaylistIndex(playlist, index); ++index) {
    texts.push_back(WideView(playlist.fileName[index]));
  }
  if (texts.empty() && playlistShown) {
    texts.push_back(WideView(playlist.emptyPlaylistText));
  }
  return texts;
}

void CreatePlaylistView(Playlist& playlist, const PlayerState& player, PlaylistViewList& list) {
  FillAndMark(playlist, player, list);
}

void RefreshPlaylistView(Playlist& playlist, const PlayerState& player, PlaylistViewList* list) {
  if (list != nullptr) {
    FillAndMark(playlist, player, *list);
  }
}

PlaylistTapResult TapPlaylistRow(PlaybackContext& context, PlaylistViewList& list,
                                 std::int32_t row) {
  Playlist& playlist = context.playlist;
  if (!IsPlaylistIndex(playlist, row)) {
    return PlaylistTapResult::kIgnored;
  }
  if (row != playlist.highlightedRow) {
    list.MarkRow(row);
    playlist.highlightedRow = row;
    return PlaylistTapResult::kMarked;
  }
  list.MarkRow(-1);
  context.player.paused = 0;  // the entry starts playing, whatever was paused
  StartTrack(context, row);
  context.player.playlistShown = 0;
  return PlaylistTapResult::kPlayed;
}

bool PlaylistViewKeyDown(PlaybackContext& context, PlaylistViewKey key) {
  switch (key) {
    case PlaylistViewKey::kUp:
      VolumeUp(context);
      return true;
    case PlaylistViewKey::kDown:
      VolumeDown(context);
      return true;
    case PlaylistViewKey::kOther:
      return false;
  }
  return false;
}

}  // namespace solvane
