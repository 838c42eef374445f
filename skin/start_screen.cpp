#include "skin/start_screen.h"

#include <array>

#include "base/wide_text.h"

namespace solvane {

namespace {

constexpr std::array<std::u16string_view, kStartScreenRows> kStartScreenTexts = {
    u"       Morwick     ",
    u"    Solvane    ",
    u"      V 0.90B       ",
    u"",
    u"",
    u"",
    u"   www.morwick.example  ",
};

constexpr std::u16string_view kEmptyPlaylistText = u"  No files in playlist ";

}  // namespace

void FillStartScreenTexts(StartScreenLines& lines, Playlist& playlist) {
  for (int row = 0; row < kStartScreenRows; ++row) {
    WideCopy(lines.rows[row], kStartScreenTexts[static_cast<std::size_t>(row)]);
  }
  WideCopy(playlist.emptyPlaylistText, kEmptyPlaylistText);
}

std::u16string_view StartScreenRow(const StartScreenLines& lines, int row) {
  if (row < 1 || row > kStartScreenRows) {
    return {};
  }
  return WideView(lines.rows[row - 1]);
}

LyricAreaChoice ChooseLyricArea(const PlayerState& player) {
  if (player.trackChosen == 0 || player.startScreenKept != 0) {
    return LyricAreaChoice::kStartScreen;
  }
  return LyricAreaChoice::kCurrentTitle;
}

}  // namespace solvane
