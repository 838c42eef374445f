#include "face/information_rows.h"

#include <array>

#include "base/wide_text.h"
#include "face/text_rows.h"
#include "face/text_styles.h"

namespace solvane {

void DrawTrackInformation(Canvas& canvas, const ScreenLayout& layout, const TrackInfo& info,
                          const PlayerState& player) {
  const std::u16string_view mediaTitle = WideView(info.mediaTitle);
  const std::array<std::u16string_view, 5> rows = {
      mediaTitle.empty() ? WideView(player.currentTitle) : mediaTitle,
      WideView(info.mediaAuthor),
      WideView(info.mediaAlbum),
      WideView(info.mediaBitrate),
      WideView(info.mediaEncodedBy),
  };
  const TextStyle style = RowTextStyle(layout.skinScale);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    DrawRowText(canvas, InformationRowRect(layout, static_cast<int>(k) + 1), rows[k], style);
  }
}

void DrawCurrentTitle(Canvas& canvas, const ScreenLayout& layout, const PlayerState& player) {
  DrawRowText(canvas, InformationRowRect(layout, 1), WideView(player.currentTitle),
              RowTextStyle(layout.skinScale));
}

void DrawStartScreen(Canvas& canvas, const ScreenLayout& layout, const StartScreenLines& lines) {
  const TextStyle style = RowTextStyle(layout.skinScale);
  for (int row = 1; row <= kStartScreenRows; ++row) {
    DrawRowText(canvas, InformationRowRect(layout, row), StartScreenRow(lines, row), style);
  }
}

}  // namespace solvane
