#include "face/time_text.h"

#include <algorithm>

#include "face/text_styles.h"

namespace solvane {

namespace {

constexpr int kMaxMinutesShown = 99;
constexpr int kTimeRowBase = 250;
constexpr int kPositionRightEdge = 207;
constexpr int kDurationRightEdge = 240;

void AppendTwoDigits(std::u16string& out, std::int32_t value) {
  out.push_back(static_cast<char16_t>(u'0' + value / 10));
  out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

}  // namespace

std::u16string FormatMinutesSeconds(std::int32_t tenths) {
  const std::int32_t seconds = std::max<std::int32_t>(tenths, 0) / 10;
  const std::int32_t minutes = seconds / 60;
  std::u16string out;
  AppendTwoDigits(out, std::min(minutes, kMaxMinutesShown));
  out.push_back(u':');
  AppendTwoDigits(out, seconds - 60 * minutes);
  return out;
}

void DrawTimeText(Canvas& canvas, const ScreenLayout& layout, const PlayerState& player) {
  const int scale = layout.skinScale;
  const TextStyle style = TimeTextStyle(scale);
  const int top = FaceRowFor(layout, kTimeRowBase);
  canvas.DrawText(FormatMinutesSeconds(player.playPosition) + u"/",
                  {0, top, kPositionRightEdge * scale, layout.clientHeight}, style,
                  TextAlignment::kRight);
  canvas.DrawText(FormatMinutesSeconds(player.trackDuration),
                  {0, top, kDurationRightEdge * scale, layout.clientHeight}, style,
                  TextAlignment::kRight);
}

TextRect TimeTextArea(const ScreenLayout& layout) {
  const int top = FaceRowFor(layout, kTimeRowBase);
  return TextReach({0, top, layout.screenWidth, layout.clientHeight},
                   TimeTextStyle(layout.skinScale).cellHeight);
}

}  // namespace solvane
