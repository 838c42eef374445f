#include "face/qt_canvas.h"

#include <QRect>

#include "skin/qt_bitmap.h"

namespace solvane {

namespace {

// The frame's pixels, when they are 32-bit premultiplied (or opaque) pixels
// that glyph masks blend into; the painter has already detached the image.
QtTextSurface SurfaceOver(QPainter& painter, QImage& frame) {
  QtTextSurface surface{painter, nullptr, 0, frame.rect()};
  const QImage::Format format = frame.format();
  if (painter.isActive() &&
      (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied)) {
    surface.pixels = reinterpret_cast<std::uint32_t*>(frame.bits());
    surface.pixelsPerRow = frame.bytesPerLine() / 4;
  }
  return surface;
}

}  // namespace

QtCanvas::QtCanvas(QImage& frame, QtFontCache& fonts)
    : painter_(&frame), fonts_(fonts), text_(SurfaceOver(painter_, frame)) {}

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
  QtTextLine& line = fonts_.ShapedLine(text, style);
  const int textLeft = alignment == TextAlignment::kRight
                           ? rect.right - line.Advance()
                           : rect.left + (rect.right - rect.left - line.Advance()) / 2;
  const QPoint origin(textLeft, rect.top);
  // What reaches past the rectangle's edges is cut off.
  const QRect visible = line.Extent().translated(origin).intersected(
      QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
  if (!visible.isEmpty()) {
    line.Draw(text_, origin, visible,
              qRgb(style.colour.red, style.colour.green, style.colour.blue));
  }
}

}  // namespace solvane
