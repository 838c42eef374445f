#include "face/qt_canvas.h"

#include <QColor>
#include <QRect>
#include <QString>

#include "skin/qt_bitmap.h"

namespace solvane {

QtCanvas::QtCanvas(QImage& frame, QtFontCache& fonts) : painter_(&frame), fonts_(fonts) {}

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
  const int horizontal = alignment == TextAlignment::kRight ? Qt::AlignRight : Qt::AlignHCenter;
  painter_.setFont(fonts_.FontFor(style));
  painter_.setPen(QColor(style.colour.red, style.colour.green, style.colour.blue));
  // Without Qt::TextDontClip the text is cut at the rectangle's edges.
  painter_.drawText(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                    horizontal | Qt::AlignTop | Qt::TextSingleLine,
                    QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace solvane
