#include "tests/screens/screen_pixels.h"

#include <cstdlib>

namespace solvane::testing {

namespace {

template <typename Visit>
void ForEachNear(const QImage& image, const QRect& area, const QColor& colour, Visit visit) {
  const QRect cut = area.intersected(image.rect());
  for (int y = cut.top(); y <= cut.bottom(); ++y) {
    for (int x = cut.left(); x <= cut.right(); ++x) {
      if (NearColour(image.pixel(x, y), colour)) {
        visit(x, y);
      }
    }
  }
}

std::string Describe(QRgb pixel) {
  return "(" + std::to_string(qRed(pixel)) + "," + std::to_string(qGreen(pixel)) + "," +
         std::to_string(qBlue(pixel)) + ")";
}

}  // namespace

bool NearColour(QRgb pixel, const QColor& colour) {
  return std::abs(qRed(pixel) - colour.red()) <= kColourTolerance &&
         std::abs(qGreen(pixel) - colour.green()) <= kColourTolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= kColourTolerance;
}

int CountNear(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  ForEachNear(image, area, colour, [&count](int, int) { ++count; });
  return count;
}

QRect BoundsOfNear(const QImage& image, const QRect& area, const QColor& colour) {
  QRect bounds;
  ForEachNear(image, area, colour,
              [&bounds](int x, int y) { bounds = bounds.united(QRect(x, y, 1, 1)); });
  return bounds;
}

QImage DrawnOver(const QImage& frame, const QImage& background) {
  QImage drawn = frame.convertToFormat(QImage::Format_RGB32);
  const QImage under = background.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < drawn.height() && y < under.height(); ++y) {
    for (int x = 0; x < drawn.width() && x < under.width(); ++x) {
      if ((drawn.pixel(x, y) | 0xff000000u) == (under.pixel(x, y) | 0xff000000u)) {
        drawn.setPixel(x, y, qRgb(0, 0, 0));
      }
    }
  }
  return drawn;
}

std::string BlockDifference(const QImage& frame, const QPoint& at, const QImage& source,
                            const QRect& from) {
  const QRect target(at, from.size());
  if (!frame.rect().contains(target) || !source.rect().contains(from)) {
    return "block lies outside the frame or the bitmap";
  }
  for (int dy = 0; dy < from.height(); ++dy) {
    for (int dx = 0; dx < from.width(); ++dx) {
      const QRgb shown = frame.pixel(at.x() + dx, at.y() + dy) | 0xff000000u;
      const QRgb expected = source.pixel(from.x() + dx, from.y() + dy) | 0xff000000u;
      if (shown != expected) {
        return "frame (" + std::to_string(at.x() + dx) + "," + std::to_string(at.y() + dy) +
               ") is " + Describe(shown) + ", bitmap (" + std::to_string(from.x() + dx) + "," +
               std::to_string(from.y() + dy) + ") is " + Describe(expected);
      }
    }
  }
  return {};
}

}  // namespace solvane::testing
