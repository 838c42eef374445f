#include "face/qt_canvas.h"

#include <QRect>

#include "skin/qt_bitmap.h"

namespace solvane {

QtCanvas::QtCanvas(QImage& frame, QtFontCache& fonts) : painter_(&frame), fonts_(fonts) {}

QtCanvas::~QtCanvas() {
  painter_.end();
  fonts_.EndPaint();
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
  painter_.drawImage(dest, bitmap->Image(), inside);
}

void QtCanvas::DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                        TextAlignment alignment) {
  if (text.empty()) {
    return;
  }
  const QtTextLine& line = fonts_.DrawnLine(text, style);
  const int textLeft = alignment == TextAlignment::kRight
                           ? rect.right - line.advance
                           : rect.left + (rect.right - rect.left - line.advance) / 2;
  const QRect image(textLeft - line.margin, rect.top, line.image.width(), line.image.height());
  // What reaches past the rectangle's edges is cut off.
  const QRect visible =
      image.intersected(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
  if (!visible.isEmpty()) {
    painter_.drawImage(visible.topLeft(), line.image, visible.translated(-image.topLeft()));
  }
}

}  // namespace solvane
