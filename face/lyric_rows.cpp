#include "face/lyric_rows.h"

#include <algorithm>
#include <string>

#include "face/text_rows.h"
#include "face/text_styles.h"
#include "lyrics/lyric_text.h"

namespace solvane {

namespace {

// Header layout: row 0 empty, title, artist, album, row 4 empty, then the
// window's lines from row 5 on.
constexpr int kHeaderTitleRow = 1;
constexpr int kHeaderArtistRow = 2;
constexpr int kHeaderAlbumRow = 3;
constexpr int kHeaderFirstLineRow = 5;

std::u16string FieldText(const char (&field)[kLyricTextField]) {
  return LyricTextToWide(field, kLyricTextField);
}

// The text of window slot `slot`; slots beyond the window's lines are empty.
std::u16string SlotText(const LyricState& lyrics, int slot) {
  const int lineCount = std::clamp(lyrics.lineCount, 0, kLyricWindowSlots);
  if (slot < 0 || slot >= lineCount) {
    return {};
  }
  return FieldText(lyrics.lineText[slot]);
}

// Window slots the header layout draws: those below its header rows.
int HeaderLayoutSlots(const ScreenLayout& layout) {
  return std::max(layout.lyricRows - kHeaderFirstLineRow, 0);
}

void DrawHeaderLayout(Canvas& canvas, const ScreenLayout& layout, const LyricState& lyrics) {
  const TextStyle style = RowTextStyle(layout.skinScale);
  DrawRowText(canvas, LyricRowRect(layout, kHeaderTitleRow), FieldText(lyrics.title), style);
  DrawRowText(canvas, LyricRowRect(layout, kHeaderArtistRow), FieldText(lyrics.artist), style);
  DrawRowText(canvas, LyricRowRect(layout, kHeaderAlbumRow), FieldText(lyrics.album), style);
  for (int slot = 0; slot < HeaderLayoutSlots(layout); ++slot) {
    DrawRowText(canvas, LyricRowRect(layout, kHeaderFirstLineRow + slot), SlotText(lyrics, slot),
                style);
  }
}

void DrawPlainLayout(Canvas& canvas, const ScreenLayout& layout, const LyricState& lyrics) {
  const TextStyle rowStyle = RowTextStyle(layout.skinScale);
  const TextStyle currentStyle = CurrentLineStyle(layout.skinScale);
  for (int row = 0; row < layout.lyricRows; ++row) {
    DrawRowText(canvas, LyricRowRect(layout, row), SlotText(lyrics, row),
                row == lyrics.currentLine ? currentStyle : rowStyle);
  }
}

}  // namespace

void DrawLyricRows(Canvas& canvas, const ScreenLayout& layout, const LyricState& lyrics) {
  if (lyrics.headerShown != 0) {
    DrawHeaderLayout(canvas, layout, lyrics);
  } else {
    DrawPlainLayout(canvas, layout, lyrics);
  }
}

}  // namespace solvane
