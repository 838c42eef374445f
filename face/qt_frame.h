#pragma once
// Painting a whole frame of the face off screen, for the main window to copy
// to the screen in one block.

#include <QImage>

#include "face/compose_frame.h"
#include "face/qt_fonts.h"

namespace solvane {

// Composes the frame into `image`, which is made screen width x client height
// (keeping its pixels when it already has that size). Paint it to the window
// with one QPainter::drawImage at (0, 0). Keep `fonts` from paint to paint.
void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts);

}  // namespace solvane
