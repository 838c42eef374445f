#pragma once
// What drawing code may ask of the surface it draws on: a block copy of a
// bitmap rectangle, and a single line of text in a rectangle. Drawing code
// decides what goes where; the canvas only puts it there.

#include <string_view>

#include "skin/bitmap.h"

namespace solvane {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct TextStyle {
  std::string_view fontFace;  // a face name such as "Tahoma"
  int cellHeight = 0;         // character-cell height in pixels
  int weight = 400;           // 400 normal, 700 bold
  Rgb colour;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

enum class TextAlignment { kCentre, kRight };

// Edges in pixels; right and bottom lie just outside the rectangle.
struct TextRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const TextRect&, const TextRect&) = default;
};

// The part of a text's rectangle its glyphs may reach: from the top down two
// cells at most. Any glyph, accents and descenders of other scripts' faces
// included, fits; keeping text inside this band lets a changed row be
// repainted without its rectangle's reach down to the bottom of the face.
inline TextRect TextReach(const TextRect& rect, int cellHeight) {
  const int bottom = rect.top + 2 * cellHeight;
  return {rect.left, rect.top, rect.right, bottom < rect.bottom ? bottom : rect.bottom};
}

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Copies the width x height block at (sourceX, sourceY) of `source` to
  // (destX, destY), unscaled and opaque. Whatever of the block lies outside
  // the source or the canvas is left out.
  virtual void CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height,
                          int destX, int destY) = 0;

  // Draws `text` as one line at the top of `rect`, centred or right-aligned,
  // on a transparent background. Text is never wrapped; what reaches past the
  // rectangle's edges, or past its TextReach, is cut off.
  virtual void DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                        TextAlignment alignment) = 0;
};

}  // namespace solvane
