#pragma once
// A line of text shaped once and kept between paints. It is drawn by blending
// its glyphs' coverage masks straight into the frame; a line with a glyph Qt
// does not draw as a plain mask is drawn into an image of its own in its
// colour instead, kept for the next paints and composited. Either way the
// frame gets the pixels of the line drawn with QPainter into a transparent
// image and composited onto it.

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "face/qt_blended_glyphs.h"
#include "face/qt_glyph_masks.h"

namespace solvane {

// Where lines are drawn: the painter over the frame, and the frame's pixels
// for blending masks straight into them. Without pixels (a frame format the
// masks do not blend into), lines are drawn as images through the painter.
struct QtTextSurface {
  QPainter& painter;
  std::uint32_t* pixels = nullptr;  // 0xAARRGGBB, premultiplied
  qsizetype pixelsPerRow = 0;
  QRect bounds;
};

class QtTextLine {
 public:
  // The text's width, rounded, for aligning it.
  int Advance() const { return advance_; }

  // The part of the surface, relative to the line's origin (the top of the
  // line where the text starts), where the line may draw: room for glyphs
  // that reach past the text's box left, right and below; none above.
  const QRect& Extent() const { return extent_; }

  // Whether the line is drawn by blending masks (else as an image).
  bool IsBlended() const { return blended_.has_value(); }

  // Draws the line with its origin at `origin` in `colour`, leaving alone
  // what lies outside `clip`.
  void Draw(QtTextSurface& surface, QPoint origin, const QRect& clip, QRgb colour);

 private:
  friend QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font, QtGlyphMasks& masks);

  // The line's glyphs as masks; nothing when one of them has no mask or a
  // run has decorations, which only the painter draws.
  std::optional<QtBlendedGlyphs> Blended(QtGlyphMasks& masks) const;
  // The line drawn in `colour` into an image the size of its extent.
  const QImage& ImageIn(QRgb colour);

  int advance_ = 0;
  QRect extent_;
  QList<QGlyphRun> runs_;
  std::optional<QtBlendedGlyphs> blended_;
  std::vector<std::pair<QRgb, QImage>> images_;
};

// Shapes `text` as one line (line breaks become spaces) in `font`.
QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font, QtGlyphMasks& masks);

}  // namespace solvane
