#include "face/qt_canvas.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QStaticText>

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
  if (text.empty() || rect.right <= rect.left || rect.bottom <= rect.top) {
    return;
  }
  const QStaticText& line = fonts_.LaidOut(text, style);
  const QSizeF size = line.size();
  const qreal width = rect.right - rect.left;
  const qreal left = alignment == TextAlignment::kRight
                         ? rect.right - size.width()
                         : rect.left + (width - size.width()) / 2.0;

  painter_.setFont(fonts_.FontFor(style));
  painter_.setPen(QColor(style.colour.red, style.colour.green, style.colour.blue));
  // A line that does not fit is cut at the rectangle's edges.
  const bool fits = left >= rect.left && left + size.width() <= rect.right &&
                    size.height() <= rect.bottom - rect.top;
  if (!fits) {
    painter_.setClipRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
  }
  painter_.drawStaticText(QPointF(left, rect.top), line);
  if (!fits) {
    painter_.setClipping(false);
  }
}

}  // namespace solvane
