#pragma once
// What a paint of the face draws, kept as a list of drawing steps, and the
// areas where two such lists differ: the only parts of the frame that need
// composing again and copying to the screen. A clock tick changes the time
// text's steps only, a new current line the steps of the rows whose look
// changed, a moved knob its own copy; a new screen changes every step.

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "face/canvas.h"
#include "face/compose_frame.h"

namespace solvane {

struct DrawnBlock {
  const Bitmap* source = nullptr;
  int sourceX = 0;
  int sourceY = 0;
  int width = 0;
  int height = 0;
  int destX = 0;
  int destY = 0;
  TextRect reach;  // where the block lands
  friend bool operator==(const DrawnBlock&, const DrawnBlock&) = default;
};

struct DrawnText {
  std::u16string text;
  TextRect rect;
  std::string fontFace;
  int cellHeight = 0;
  int weight = 0;
  Rgb colour;
  TextAlignment alignment = TextAlignment::kCentre;
  friend bool operator==(const DrawnText&, const DrawnText&) = default;
};

using DrawStep = std::variant<DrawnBlock, DrawnText>;

// A canvas that draws nothing and keeps the steps it is given.
class DrawStepRecorder final : public Canvas {
 public:
  void CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height,
                  int destX, int destY) override;
  void DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                TextAlignment alignment) override;

  std::vector<DrawStep> steps;
};

// The steps of one paint of `frame`. Advances the A-B blink toggle as that
// paint does.
std::vector<DrawStep> RecordFace(const FaceFrame& frame);

// Where a text step's glyphs can put ink. A canvas that knows the fonts can
// tell it from the shaped text, much tighter than the text's reach: a row's
// ink stays off its neighbours, so a changed row repaints only itself.
using TextInkArea = std::function<TextRect(const DrawnText&)>;

// Where a step can change pixels: a block's landing place; a text's ink
// area when `inkArea` is given, else its rectangle down to the text's reach
// (see TextReach), which holds any glyph without knowing the font.
TextRect StepArea(const DrawStep& step, const TextInkArea& inkArea = {});

// The areas of the steps found in one list and not the other: what a frame
// drawn from `before` needs composing again to show `after`. Steps found in
// both, in any order, need nothing. Text steps' areas as StepArea gives them.
std::vector<TextRect> ChangedAreas(const std::vector<DrawStep>& before,
                                   const std::vector<DrawStep>& after,
                                   const TextInkArea& inkArea = {});

}  // namespace solvane
