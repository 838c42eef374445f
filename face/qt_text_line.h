#pragma once
// A line of text drawn once into an image of its own, so that repaints only
// have to composite it.

#include <QFont>
#include <QImage>
#include <string_view>

#include "face/canvas.h"

namespace solvane {

struct QtTextLine {
  QImage image;     // premultiplied ARGB, transparent but for the text
  int margin = 0;   // the text starts this far right of the image's left edge
  int advance = 0;  // the text's width, for aligning it
};

// Draws `text` as one line (line breaks become spaces) in `font` and
// `colour`, its top at the image's top. The image leaves room left, right and
// below for glyphs that reach past the text's box.
QtTextLine RenderTextLine(std::u16string_view text, const QFont& font, const Rgb& colour);

}  // namespace solvane
