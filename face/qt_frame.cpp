#include "face/qt_frame.h"

#include <QColor>

#include "face/qt_canvas.h"

namespace solvane {

void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts) {
  const QSize size(frame.layout.screenWidth, frame.layout.clientHeight);
  if (image.size() != size || image.format() != QImage::Format_RGB32) {
    image = QImage(size, QImage::Format_RGB32);
    image.fill(Qt::black);
  }
  QtCanvas canvas(image, fonts);
  ComposeFrame(canvas, frame);
}

}  // namespace solvane
