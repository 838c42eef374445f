#include "face/qt_canvas.h"

#include <QRect>

#include "skin/qt_bitmap.h"

namespace solvane {

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
  if (text.empty()) {
    return;
  }
  // What reaches past the rectangle's edges, or the frame's, is cut off.
  const TextRect reach = TextReach(rect, style.cellHeight);
  const QRect visible =
      QRect(reach.left, reach.top, reach.right - reach.left, reach.bottom - reach.top)
          .intersected(frameRect_);
  if (visible.isEmpty() || (clipped_ && !clip_.intersects(visible))) {
    return;  // nothing of it would show: skip the shaping and drawing
  }
  QtTextLine& line = fonts_.ShapedLine(text, style);
  const int textLeft = alignment == TextAlignment::kRight
                           ? rect.right - line.Advance()
                           : rect.left + (rect.right - rect.left - line.Advance()) / 2;
  line.Draw(painter_, QPoint(textLeft, rect.top + fonts_.CellAscent(style)), visible,
            RgbOf(style));
}

}  // namespace solvane
