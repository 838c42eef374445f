#pragma once
// Reading a screenshot of the face: finding the pixels of a text colour and
// comparing a block of the frame with a block of a skin bitmap.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <string>

namespace solvane::testing {

// Antialiased glyphs blend into the face at their edges; only the cores of
// their strokes carry the text colour, give or take this much per channel.
inline constexpr int kColourTolerance = 6;

bool NearColour(QRgb pixel, const QColor& colour);

// The pixels of `area` (cut to the image) near `colour`.
int CountNear(const QImage& image, const QRect& area, const QColor& colour);

// The smallest rectangle holding every pixel of `area` near `colour`; a null
// rectangle when there is none.
QRect BoundsOfNear(const QImage& image, const QRect& area, const QColor& colour);

// `frame` with every pixel that equals `background` (the same size) made
// black: what was drawn over the background. No text colour is near black.
QImage DrawnOver(const QImage& frame, const QImage& background);

// Empty when the frame's block at `at` holds exactly the pixels of `from` in
// `source`; otherwise names the first pixel that differs.
std::string BlockDifference(const QImage& frame, const QPoint& at, const QImage& source,
                            const QRect& from);

}  // namespace solvane::testing
