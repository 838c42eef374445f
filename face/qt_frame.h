#pragma once
// Painting a whole frame of the face off screen, for the main window to copy
// to the screen in one block.

#include <QImage>
#include <QRegion>
#include <vector>

#include "face/compose_frame.h"
#include "face/qt_fonts.h"

namespace solvane {

// Composes the frame into `image`, which is made screen width x client height
// (keeping its pixels when it already has that size). Only `damaged` is
// composed again, unless the image was made anew; the rest keeps the pixels
// of earlier paints. Paint it to the window with one QPainter::drawImage at
// (0, 0), clipped to the damaged region. Keep `fonts` from paint to paint.
void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts,
                const QRegion& damaged);

// The areas as one region, for QWidget::update and PaintFrame. When the
// areas cover at least three quarters of their bounding box, the region is
// that box: one rectangle composes and copies faster than many.
inline constexpr int kBoundingBoxCoverageNumerator = 3;
inline constexpr int kBoundingBoxCoverageDenominator = 4;
QRegion RegionOf(const std::vector<TextRect>& areas);

// Composes the whole frame.
void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts);

}  // namespace solvane
