#pragma once
// A canvas that draws nothing and records every call, so a test can say "row
// 3 is drawn in the current-line colour at y = 70" without comparing pixels.

#include <string>
#include <vector>

#include "face/canvas.h"
#include "tests/fakes/fake_bitmap.h"

namespace solvane::testing {

struct RecordedCopy {
  std::string bitmap;  // the FakeBitmap's name; "?" for another kind
  int sourceX, sourceY, width, height, destX, destY;
  friend bool operator==(const RecordedCopy&, const RecordedCopy&) = default;
};

struct RecordedText {
  std::u16string text;
  TextRect rect;
  TextStyle style;
  TextAlignment alignment;
};

class RecordingCanvas final : public Canvas {
 public:
  std::vector<RecordedCopy> copies;
  std::vector<RecordedText> texts;
  std::vector<char> order;  // 'c' for each copy, 't' for each text, in call order

  void CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height,
                  int destX, int destY) override {
    const auto* fake = dynamic_cast<const FakeBitmap*>(&source);
    copies.push_back({fake != nullptr ? fake->Name() : "?", sourceX, sourceY, width, height,
                      destX, destY});
    order.push_back('c');
  }

  void DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                TextAlignment alignment) override {
    texts.push_back({std::u16string(text), rect, style, alignment});
    order.push_back('t');
  }

  // The texts whose rectangle's top is `top`.
  std::vector<RecordedText> TextsAt(int top) const {
    std::vector<RecordedText> found;
    for (const RecordedText& text : texts) {
      if (text.rect.top == top) {
        found.push_back(text);
      }
    }
    return found;
  }
};

}  // namespace solvane::testing
