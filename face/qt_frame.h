#pragma once
// Painting a whole frame of the face off screen, for the main window to copy
// to the screen in one block.

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cstddef>
#include <vector>

#include "face/compose_frame.h"
#include "face/qt_fonts.h"

namespace solvane {

// Composes the frame into `image`, which is made screen width x client height
// (keeping its pixels when it already has that size). Only `damaged` is
// composed again, unless the image was made anew; the rest keeps the pixels
// of earlier paints. Copy it to the window with CopyRegion for the same
// region. Keep `fonts` from paint to paint.
void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts,
                const QRegion& damaged);

// Composes `damaged` of the frame straight onto `target`, which holds the
// frame at its top left (a window's own pixels): each damaged rectangle
// within the frame is filled black and composed again, as PaintFrame would
// compose it on a new image; nothing else of `target` is touched. No copy of
// the frame is kept.
void PaintFrameOnto(const FaceFrame& frame, QImage& target, QtFontCache& fonts,
                    const QRegion& damaged);

// The areas as one region, for QWidget::update and PaintFrame. Areas that
// together cover at least three quarters of their bounding box become that
// box: one rectangle composes and copies faster than many.
inline constexpr int kBoundingBoxCoverageNumerator = 3;
inline constexpr int kBoundingBoxCoverageDenominator = 4;
QRegion RegionOf(const std::vector<TextRect>& areas);

// Copies `region` of `frame` with `painter`, rectangle by rectangle. A
// painter already clipped to the region (a window's paint event) would copy
// under that clip span by span; each rectangle as the clip is one block.
void CopyRegion(QPainter& painter, const QImage& frame, const QRegion& region);

// Composes the whole frame.
void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts);

// Readies the lines of the page the rows show next (see LyricLinesAhead) so
// that its paint finds them shaped, and the first kLinesInkedAhead of them
// rendered too; the ink of other lines is dropped then. While the next line
// only moves the highlight, the ink stays for the rows the highlight has yet
// to leave. Call it between paints, after the frame is on screen, with the
// same `fonts` as the paints.
//
// Ink for a whole page of 480-wide rows would hold about a megabyte until the
// page turns; with the first seven rows ready, the turn draws the other five
// glyph by glyph and still costs a fraction of drawing all twelve.
inline constexpr std::size_t kLinesInkedAhead = 7;
void PrepareLinesAhead(const FaceFrame& frame, QtFontCache& fonts);

}  // namespace solvane
