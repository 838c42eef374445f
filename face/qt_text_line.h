#pragma once
// A line of text shaped once by Qt and kept while it stays on the face, drawn
// with QPainter from its glyph runs. Shaping goes through QTextLayout, so
// characters the face lacks come from the system's other faces (Qt's font
// merging), each run in the face that has its glyphs.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <string_view>

namespace solvane {

class QtTextLine {
 public:
  // The text's width rounded up to whole pixels, for aligning it: text
  // aligned to a rectangle's edge by it stays inside the rectangle.
  int Advance() const { return advance_; }

  // Draws the line in `colour` with its pen starting at `baseline`, leaving
  // alone what lies outside `clip` (and outside any clip the painter has).
  void Draw(QPainter& painter, QPoint baseline, const QRect& clip, QRgb colour) const;

 private:
  friend QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font);

  int advance_ = 0;
  double ascent_ = 0.0;  // from the layout's top to its baseline
  QList<QGlyphRun> runs_;
};

// Shapes `text` as one line (line breaks become spaces) in `font`.
QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font);

}  // namespace solvane
