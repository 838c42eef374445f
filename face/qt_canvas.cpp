#include "face/qt_canvas.h"

#include <QRect>

#include "skin/qt_bitmap.h"

namespace solvane {

TextPlacement PlaceText(QtFontCache& fonts, std::u16string_view text, const TextRect& rect,
                        const TextStyle& style, TextAlignment alignment, const QRect& within) {
  const TextRect reach = TextReach(rect, style.cellHeight);
  const QRect visible =
      QRect(reach.left, reach.top, reach.right - reach.left, reach.bottom - reach.top)
          .intersected(within);
  if (text.empty() || visible.isEmpty()) {
    return {};  // nothing of it could show: not even shaped
  }
  QtTextLine& line = fonts.ShapedLine(text, style);
  const int textLeft = alignment == TextAlignment::kRight
                           ? rect.right - line.Advance()
                           : rect.left + (rect.right - rect.left - line.Advance()) / 2;
  const QPoint baseline(textLeft, rect.top + fonts.CellAscent(style));
  const QRect ink = line.InkBox().translated(baseline).intersected(visible);
  if (ink.isEmpty()) {
    return {};
  }
  return {&line, baseline, ink};
}

TextRect TextInkAreaOf(QtFontCache& fonts, const DrawnText& text, const QRect& frameRect) {
  const TextStyle style{text.fontFace, text.cellHeight, text.weight, text.colour};
  const QRect ink =
      PlaceText(fonts, text.text, text.rect, style, text.alignment, frameRect).ink;
  if (ink.isEmpty()) {
    return {};
  }
  return {ink.left(), ink.top(), ink.right() + 1, ink.bottom() + 1};
}

QtCanvas::QtCanvas(QImage& frame, QtFontCache& fonts)
    : painter_(&frame), fonts_(fonts), frameRect_(frame.rect()) {}

QtCanvas::~QtCanvas() {
  painter_.end();
  fonts_.EndPaint();
}

void QtCanvas::ClipTo(const QRect& rect) {
  clip_ = rect;
  clipped_ = true;
  painter_.setClipRect(rect);
}

void QtCanvas::CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height,
                          int destX, int destY) {
  const auto* bitmap = dynamic_cast<const QtBitmap*>(&source);
  if (bitmap == nullptr) {
    return;
  }
  // Only the part of the block that lies inside the source is copied, to the
  // same place it would have had.
  const QRect block(sourceX, sourceY, width, height);
  const QRect inside = block.intersected(bitmap->Image().rect());
  if (inside.isEmpty()) {
    return;
  }
  const QPoint dest(destX + inside.x() - sourceX, destY + inside.y() - sourceY);
  if (clipped_ && !clip_.intersects(QRect(dest, inside.size()))) {
    return;
  }
  painter_.drawImage(dest, bitmap->Image(), inside);
}

void QtCanvas::DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                        TextAlignment alignment) {
  const QRect within = clipped_ ? clip_.intersected(frameRect_) : frameRect_;
  const TextPlacement placed = PlaceText(fonts_, text, rect, style, alignment, within);
  if (placed.line != nullptr) {
    placed.line->Draw(painter_, placed.baseline, placed.ink, RgbOf(style));
  }
}

}  // namespace solvane
