#pragma once
// A line of text shaped once by Qt and kept between paints, drawn with
// QPainter. Shaping goes through QTextLayout, so characters the face lacks
// come from the system's other faces (Qt's font merging), each run in the
// face that has its glyphs.
//
// A line asked to ready its ink ahead of a paint renders its glyphs into a
// small premultiplied image in that colour (two colours kept). Drawing the
// line in a kept colour composes that image, which Qt blends many pixels at
// a time, instead of blending each glyph's coverage pixel by pixel. The
// result is the same: a glyph's coverage c over a background d gives
// colour·c + d·(1 − c) either way. Other lines, such as the play time that
// changes every second, are drawn glyph by glyph: rendering them to an image
// first would only add work.

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace solvane {

// Lines whose ink would need a larger image are drawn glyph by glyph each
// time instead: a 129-character line of wide letters at a large size would
// otherwise keep a quarter of a megabyte.
inline constexpr int kLargestInkImagePixels = 48 * 1024;

class QtTextLine {
 public:
  // The text's width rounded up to whole pixels, for aligning it: text
  // aligned to a rectangle's edge by it stays inside the rectangle.
  int Advance() const { return advance_; }

  // Where the glyphs can put ink, in whole pixels from the pen's start on
  // the baseline: their own boxes with a margin for antialiasing. Empty for
  // a line without ink (spaces only). Worked out on first use.
  QRect InkBox();

  // Draws the line in `colour` with its pen starting at `baseline`,
  // leaving alone what lies outside `clip`.
  void Draw(QPainter& painter, QPoint baseline, const QRect& clip, QRgb colour);

  // Renders the ink in `colour` now, so that drawing the line in that
  // colour later only composes it.
  void PrepareInk(QRgb colour);

  bool KeepsInkIn(QRgb colour) const;

  // Drops the ink of every colour but these.
  void KeepInkOnlyIn(std::span<const QRgb> colours);

  // Bytes the kept ink takes.
  qsizetype InkBytes() const;

 private:
  friend QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font);

  struct ColouredInk {
    QRgb colour = 0;
    QImage image;
  };

  // The kept ink in `colour`, moved to the front; null when there is none.
  const QImage* KeptInk(QRgb colour);
  void DrawGlyphs(QPainter& painter, QPointF origin, QRgb colour) const;

  int advance_ = 0;
  double ascent_ = 0.0;  // from the layout's top to its baseline
  QList<QGlyphRun> runs_;
  std::optional<QRect> inkBox_;  // see InkBox
  std::array<ColouredInk, 2> inks_;  // the most recently used first
};

// Shapes `text` as one line (line breaks become spaces) in `font`.
QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font);

}  // namespace solvane
