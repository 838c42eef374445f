#include "face/text_rows.h"

namespace solvane {

namespace {

constexpr int kLyricGridOffset = 4;

int RowPitch(const ScreenLayout& layout) { return layout.lineHeight + 2; }

TextRect RowRect(const ScreenLayout& layout, int top) {
  return {0, top, layout.textAreaWidth, layout.clientHeight};
}

}  // namespace

TextRect LyricRowRect(const ScreenLayout& layout, int row) {
  return RowRect(layout, layout.skinScale * (RowPitch(layout) * row + kLyricGridOffset));
}

TextRect InformationRowRect(const ScreenLayout& layout, int row) {
  return RowRect(layout, layout.skinScale * RowPitch(layout) * row);
}

void DrawRowText(Canvas& canvas, const TextRect& rect, std::u16string_view text,
                 const TextStyle& style) {
  if (!text.empty()) {
    canvas.DrawText(text, rect, style, TextAlignment::kCentre);
  }
}

}  // namespace solvane
