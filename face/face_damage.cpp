#include "face/face_damage.h"

#include <algorithm>

namespace solvane {

void DrawStepRecorder::CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width,
                                  int height, int destX, int destY) {
  // Only the part of the block inside the source is copied, to the place it
  // would have had.
  const int left = std::max(sourceX, 0);
  const int top = std::max(sourceY, 0);
  const int right = std::min(sourceX + width, source.Width());
  const int bottom = std::min(sourceY + height, source.Height());
  const TextRect reach{destX + left - sourceX, destY + top - sourceY, destX + right - sourceX,
                       destY + bottom - sourceY};
  steps.emplace_back(DrawnBlock{&source, sourceX, sourceY, width, height, destX, destY, reach});
}

void DrawStepRecorder::DrawText(std::u16string_view text, const TextRect& rect,
                                const TextStyle& style, TextAlignment alignment) {
  steps.emplace_back(DrawnText{std::u16string(text), rect, std::string(style.fontFace),
                               style.cellHeight, style.weight, style.colour, alignment});
}

std::vector<DrawStep> RecordFace(const FaceFrame& frame) {
  DrawStepRecorder recorder;
  ComposeFrame(recorder, frame);
  return std::move(recorder.steps);
}

TextRect StepArea(const DrawStep& step, const TextInkArea& inkArea) {
  if (const auto* block = std::get_if<DrawnBlock>(&step)) {
    return block->reach;
  }
  const auto& text = std::get<DrawnText>(step);
  return inkArea ? inkArea(text) : TextReach(text.rect, text.cellHeight);
}

std::vector<TextRect> ChangedAreas(const std::vector<DrawStep>& before,
                                   const std::vector<DrawStep>& after,
                                   const TextInkArea& inkArea) {
  std::vector<TextRect> areas;
  const auto addUnmatched = [&areas, &inkArea](const std::vector<DrawStep>& from,
                                     const std::vector<DrawStep>& other) {
    std::vector<bool> matched(other.size(), false);
    for (const DrawStep& step : from) {
      bool found = false;
      for (std::size_t k = 0; k < other.size() && !found; ++k) {
        if (!matched[k] && other[k] == step) {
          matched[k] = true;
          found = true;
        }
      }
      if (found) {
        continue;
      }
      const TextRect area = StepArea(step, inkArea);
      if (area.right > area.left && area.bottom > area.top &&
          std::find(areas.begin(), areas.end(), area) == areas.end()) {
        areas.push_back(area);
      }
    }
  };
  addUnmatched(before, after);
  addUnmatched(after, before);
  return areas;
}

}  // namespace solvane
